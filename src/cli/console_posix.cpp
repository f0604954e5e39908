#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "cli/console.h"

bool InputIsTerminal() { return isatty(STDIN_FILENO) == 1; }

bool ErrorIsTerminal() { return isatty(STDERR_FILENO) == 1; }

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
