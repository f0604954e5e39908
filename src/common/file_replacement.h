#pragma once

#include <cstdio>
#include <functional>
#include <string>

// Files that are never seen half written: the content goes to a new file
// beside the target (in its folder, so that the rename stays on one file
// system) and takes the target's name only once it is complete.

// A new empty file beside target, removed again when the object goes
// unless Commit gave it the target's name.
class FileReplacement {
 public:
  explicit FileReplacement(const std::string& target);
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  // False when no file could be made beside the target.
  bool Created() const { return !temporary.empty(); }
  const std::string& TemporaryPath() const { return temporary; }
  // Renames the file over the target; true when it has the target's name.
  bool Commit();

 private:
  std::string target;
  std::string temporary;
  bool committed = false;
};

// Flushes file and asks the system to put its data on the disk; true when
// both succeeded.
bool FlushToDisk(std::FILE* file);

// Writes target through write, which fills the stream (opened in binary
// mode) and says whether all went well (running out of memory counts as
// not); the data is on the disk before the
// rename. True when target holds all of it; otherwise target is as it was.
bool WriteFileReplacing(const std::string& target, const std::function<bool(std::FILE*)>& write);
