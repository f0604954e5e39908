#include "common/file_io.h"

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  std::FILE* file = OpenFile(path, "rb");
  if (file == nullptr) return false;
  bytes.clear();
  char buffer[65536];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
  const bool read = std::ferror(file) == 0;
  std::fclose(file);
  return read;
}
