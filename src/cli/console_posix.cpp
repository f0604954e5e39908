#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

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

bool IsReadableFile(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), R_OK) == 0;
}

bool IsFolder(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}
