#include <sys/stat.h>

#include "common/file_io.h"

std::FILE* OpenFile(const std::string& path, const char* mode) {
  return std::fopen(path.c_str(), mode);
}

bool RemoveFile(const std::string& path) { return std::remove(path.c_str()) == 0; }

FileStamp StampOf(const std::string& path) {
  struct stat status {};
  FileStamp stamp;
  if (stat(path.c_str(), &status) != 0) return stamp;
  stamp.exists = true;
  stamp.size = static_cast<std::uint64_t>(status.st_size);
  stamp.modified = static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1000000000 +
                   status.st_mtim.tv_nsec;
  stamp.identity = static_cast<std::uint64_t>(status.st_ino);
  return stamp;
}
