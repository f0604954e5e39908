#include "common/file_io.h"

#include <cerrno>

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  return static_cast<bool>(ReadFileBytes(path, bytes));
}

FileResult ReadFileBytes(const std::string& path, std::string& bytes) {
  bytes.clear();
  errno = 0;
  std::FILE* file = OpenFile(path, "rb");
  if (file == nullptr) return FileResultFromErrno(errno, FileAccess::kRead);
  // Room for all of it at once: a large file is not copied as it grows.
  const FileStamp stamp = StampOf(path);
  if (stamp.exists && stamp.size < (std::uint64_t{1} << 32)) {
    bytes.reserve(static_cast<std::size_t>(stamp.size));
  }
  char buffer[65536];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
  const int error = std::ferror(file) ? (errno != 0 ? errno : EIO) : 0;
  std::fclose(file);
  return error == 0 ? FileResult() : FileResultFromErrno(error, FileAccess::kRead);
}
