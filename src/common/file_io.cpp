#include "common/file_io.h"

#include <cerrno>

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  return static_cast<bool>(ReadFileBytes(path, bytes));
}

long long FileSizeOf(const std::string& path) {
  std::FILE* file = OpenFile(path, "rb");
  if (file == nullptr) return -1;
  const long size = std::fseek(file, 0, SEEK_END) == 0 ? std::ftell(file) : -1;
  std::fclose(file);
  return size;
}

FileResult ReadFileBytes(const std::string& path, std::string& bytes) {
  bytes.clear();
  errno = 0;
  std::FILE* file = OpenFile(path, "rb");
  if (file == nullptr) return FileResultFromErrno(errno, FileAccess::kRead);
  // Room for all of it at once: a large file is not copied as it grows.
  const long long size = FileSizeOf(path);
  if (size > 0 && size < (1LL << 32)) bytes.reserve(static_cast<std::size_t>(size));
  char buffer[65536];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
  const int error = std::ferror(file) ? (errno != 0 ? errno : EIO) : 0;
  std::fclose(file);
  return error == 0 ? FileResult() : FileResultFromErrno(error, FileAccess::kRead);
}
