#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Converting the jobs of a batch on several threads while the batch is
// still being put together, so that nothing a user sees depends on how
// many: jobs of one lane run one after another in the order they were
// added (jobs that write into one folder overwrite each other's pieces in
// the order of one thread), and the caller takes up what each job leaves in
// that order too, waiting for each with WaitConverted.
class JobLanes {
 public:
  // Up to threads worker threads; with one, every job runs on the calling
  // thread as it is added.
  explicit JobLanes(int threads);
  // Waits for every job added and stops the threads.
  ~JobLanes();
  JobLanes(const JobLanes&) = delete;
  JobLanes& operator=(const JobLanes&) = delete;

  // Queues convert as the next job, in the lane of laneKey.
  void Add(const std::string& laneKey, std::function<void()> convert);
  // Waits until no more than count of the jobs added are still to convert.
  void WaitForPendingAtMost(std::size_t count);
  // Waits until the index-th job added (from 0) has converted.
  void WaitConverted(std::size_t index);

 private:
  struct Queued {
    std::size_t index;
    std::size_t lane;
    std::function<void()> convert;
  };

  void Work();

  std::mutex mutex;
  std::condition_variable changed;
  std::map<std::string, std::size_t> laneOfKey;
  std::vector<bool> laneBusy;
  std::deque<Queued> queue;  // in the order added
  std::vector<bool> done;    // per job added
  std::size_t pending = 0;   // added, not converted
  bool stopping = false;
  std::vector<std::thread> workers;
};

// The lane of the jobs that write into folder. Windows takes a name in any
// letter case and without trailing dots and spaces for the same folder, so
// names that Windows would take for one folder share a lane in both builds.
std::string FolderLaneKey(const std::string& folder);
