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
  // Why the file could not be made, or not renamed, in the system's words.
  const std::string& Failure() const { return failure; }

 private:
  std::string target;
  std::string temporary;
  bool committed = false;
  std::string failure;
};

// Writes target through write, which fills the stream (opened in binary
// mode) and says whether all went well (running out of memory counts as
// not); the file is complete and closed before the rename. True when target
// holds all of it; otherwise target is as it was. The data is not forced to
// the disk first: that wait cost a quarter of a batch's time, and what a
// crash of the system could cost is output that the next run writes again.
// failure, when given, receives why target was not written, in the system's
// words.
bool WriteFileReplacing(const std::string& target, const std::function<bool(std::FILE*)>& write,
                        std::string* failure = nullptr);
