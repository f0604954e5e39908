#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "common/file_failure.h"

// Files that are never seen half written: the content goes to a new file
// beside the target (in its folder, so that the rename stays on one file
// system) and takes the target's name only once it is complete.
//
// The new file is named "." + the target's name + "." + the process id +
// "-" + a counter + ".tmp" (hidden on Windows as well), so that a later run
// can tell one that a killed run left behind: the first time a process
// makes such a file in a folder, it removes those of processes that have
// ended.

// A new empty file beside target, removed again when the object goes
// unless Commit gave it the target's name.
class FileReplacement {
 public:
  explicit FileReplacement(const std::string& target);
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  // False when no file could be made beside the target; Creation says why.
  bool Created() const { return !temporary.empty(); }
  const FileResult& Creation() const { return creation; }
  const std::string& TemporaryPath() const { return temporary; }
  // Renames the file over the target; success when it has the target's name.
  FileResult Commit();

 private:
  std::string target;
  std::string temporary;
  FileResult creation;
  bool committed = false;
};

// Writes target through write, which fills the stream (opened in binary
// mode) and says whether all went well (running out of memory counts as
// not); the file is complete and closed before the rename. Success when
// target holds all of it; otherwise target is as it was. The data is not
// forced to the disk first: that wait cost a quarter of a batch's time, and
// what a crash of the system could cost is output that the next run writes
// again.
FileResult WriteFileReplacing(const std::string& target,
                              const std::function<bool(std::FILE*)>& write);

// Writes bytes as target, as WriteFileReplacing does.
FileResult WriteBytesReplacing(const std::string& target, const std::string& bytes);

// The name of the temporary file for target (a name without folder) of
// process, numbered number.
std::string TemporaryFileName(const std::string& target, unsigned long process,
                              unsigned long number);
// The process whose temporary file name is, or false when name is not
// shaped like one of ours.
bool TemporaryFileOwner(const std::string& name, unsigned long* process);

// Removes the temporary files of processes that have ended from folder (a
// path ending with its separator, or "" for the working folder), once per
// folder in the life of the process.
void RemoveLeftTemporaryFiles(const std::string& folder);

// Of the platform: whether the process has ended (false where it cannot be
// told), and the names of the regular files in folder (as above).
bool ProcessHasEnded(unsigned long process);
void ForEachFileIn(const std::string& folder, const std::function<void(const std::string&)>& visit);
