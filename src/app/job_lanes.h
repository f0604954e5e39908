#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// Converting the jobs of a batch on several threads, so that nothing a user
// sees depends on how many: jobs of one lane run one after another in input
// order (jobs that write into one folder overwrite each other's pieces in
// the order of one thread), and what each job leaves is taken up in input
// order on the calling thread.
//
// laneKeys holds one key per job; convert(i) runs job i on one of up to
// threads worker threads (on the calling thread when there is one), and
// finish(i) runs on the calling thread for every job in input order, as
// soon as job i and every job before it have been converted.
void RunInLanes(const std::vector<std::string>& laneKeys, int threads,
                const std::function<void(std::size_t)>& convert,
                const std::function<void(std::size_t)>& finish);

// The lane of the jobs that write into folder. Windows takes a name in any
// letter case and without trailing dots and spaces for the same folder, so
// names that Windows would take for one folder share a lane in both builds.
std::string FolderLaneKey(const std::string& folder);
