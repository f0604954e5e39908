#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

#include "cli/console.h"

bool InputIsTerminal() { return isatty(STDIN_FILENO) == 1; }

bool ErrorIsTerminal() { return isatty(STDERR_FILENO) == 1; }

std::string AbsolutePath(const std::string& path) {
  if (char* resolved = realpath(path.c_str(), nullptr)) {
    std::string absolute = resolved;
    free(resolved);
    return absolute;
  }
  if (!path.empty() && path[0] == '/') return path;
  // A file that is not there stays unresolved; opening it will say so.
  std::unique_ptr<char, decltype(&free)> folder(getcwd(nullptr, 0), &free);
  if (!folder) return path;
  const std::string base = folder.get();
  return base.back() == '/' ? base + path : base + "/" + path;
}

FileResult ReadableFile(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return FileResultFromErrno(errno, FileAccess::kRead);
  if (!S_ISREG(info.st_mode)) return {FileFailure::kFileMissing, 0};
  if (access(path.c_str(), R_OK) != 0) return FileResultFromErrno(errno, FileAccess::kRead);
  return FileResult();
}

bool IsFolder(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}
