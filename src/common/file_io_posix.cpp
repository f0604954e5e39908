#include <stdlib.h>
#include <unistd.h>

#include <memory>

#include "common/file_io.h"

std::FILE* OpenFile(const std::string& path, const char* mode) {
  return std::fopen(path.c_str(), mode);
}

bool RemoveFile(const std::string& path) { return std::remove(path.c_str()) == 0; }

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
