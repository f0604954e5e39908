#include "common/file_replacement.h"

#include <new>

#include "common/file_io.h"

bool WriteFileReplacing(const std::string& target, const std::function<bool(std::FILE*)>& write) {
  FileReplacement replacement(target);
  if (!replacement.Created()) return false;
  std::FILE* file = OpenFile(replacement.TemporaryPath(), "wb");
  if (file == nullptr) return false;
  bool written = false;
  try {
    written = write(file);
  } catch (const std::bad_alloc&) {
    // memory ran out while the content was made: nothing replaces the target
  }
  written = std::fflush(file) == 0 && written;
  written = std::fclose(file) == 0 && written;
  return written && replacement.Commit();
}
