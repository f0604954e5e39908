#include "common/file_replacement.h"

bool WriteFileReplacing(const std::string& target, const std::function<bool(std::FILE*)>& write) {
  FileReplacement replacement(target);
  if (!replacement.Created()) return false;
  std::FILE* file = std::fopen(replacement.TemporaryPath().c_str(), "wb");
  if (file == nullptr) return false;
  bool written = write(file);
  written = FlushToDisk(file) && written;
  written = std::fclose(file) == 0 && written;
  return written && replacement.Commit();
}
