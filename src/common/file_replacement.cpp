#include "common/file_replacement.h"

#include <cerrno>
#include <cstdio>
#include <mutex>
#include <new>
#include <set>

#include "common/file_io.h"

namespace {

constexpr char kTemporaryEnd[] = ".tmp";

bool AllDigits(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// The reason of a failed write of a stream, from errno.
FileResult WriteFailure() {
  const FileResult result = FileResultFromErrno(errno, FileAccess::kWrite);
  return result ? FileResult{FileFailure::kSystemError, 0} : result;
}

}  // namespace

std::string TemporaryFileName(const std::string& target, unsigned long process,
                              unsigned long number) {
  return "." + target + "." + std::to_string(process) + "-" + std::to_string(number) +
         kTemporaryEnd;
}

bool TemporaryFileOwner(const std::string& name, unsigned long* process) {
  const std::size_t endLength = sizeof kTemporaryEnd - 1;
  if (name.size() <= endLength + 1 || name[0] != '.' ||
      name.compare(name.size() - endLength, endLength, kTemporaryEnd) != 0) {
    return false;
  }
  const std::string stem = name.substr(0, name.size() - endLength);
  const auto dot = stem.rfind('.');
  if (dot == std::string::npos || dot < 2) return false;  // a target name of one byte at least
  const std::string numbers = stem.substr(dot + 1);
  const auto dash = numbers.find('-');
  if (dash == std::string::npos || !AllDigits(numbers.substr(0, dash)) ||
      !AllDigits(numbers.substr(dash + 1)) || dash > 9) {
    return false;
  }
  *process = std::stoul(numbers.substr(0, dash));
  return true;
}

void RemoveLeftTemporaryFiles(const std::string& folder) {
  static std::mutex mutex;
  static std::set<std::string> cleared;
  {
    const std::lock_guard<std::mutex> lock(mutex);
    if (!cleared.insert(folder).second) return;
  }
  ForEachFileIn(folder, [&](const std::string& name) {
    unsigned long process = 0;
    if (TemporaryFileOwner(name, &process) && ProcessHasEnded(process)) {
      RemoveFile(folder + name);
    }
  });
}

FileResult WriteFileReplacing(const std::string& target,
                              const std::function<bool(std::FILE*)>& write) {
  FileReplacement replacement(target);
  if (!replacement.Created()) return replacement.Creation();
  // "r+": the file is there and empty, and on Windows a hidden file cannot
  // be opened to be made anew.
  std::FILE* file = OpenFile(replacement.TemporaryPath(), "r+b");
  if (file == nullptr) return FileResultFromErrno(errno, FileAccess::kWrite);
  FileResult result;
  errno = 0;
  bool written = false;
  try {
    written = write(file);
  } catch (const std::bad_alloc&) {
    // memory ran out while the content was made: nothing replaces the target
  }
  // A failed write of the stream is the system's; any other is the content's.
  if (!written) {
    result = std::ferror(file) ? WriteFailure() : FileResult{FileFailure::kNoSystemReason, 0};
  }
  if (std::fflush(file) != 0 && result) result = WriteFailure();
  if (std::fclose(file) != 0 && result) result = WriteFailure();
  return result ? replacement.Commit() : result;
}

FileResult WriteBytesReplacing(const std::string& target, const std::string& bytes) {
  return WriteFileReplacing(target, [&bytes](std::FILE* file) {
    return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  });
}
