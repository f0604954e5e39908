#include <windows.h>

#include "common/executable_folder.h"
#include "common/path.h"

std::string ExecutableFolder() {
  char name[5120] = {};
  const DWORD length = GetModuleFileNameA(nullptr, name, sizeof name - 1);
  if (length == 0) return std::string();
  return FolderPart(std::string(name, length)) + kPathSeparator;
}
