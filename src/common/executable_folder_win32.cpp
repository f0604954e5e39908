#include "common/executable_folder_win32.h"

#include <windows.h>

#include <vector>

#include "common/path.h"

std::string ExecutableFolder() {
  // Long paths need more than MAX_PATH; grow until the name fits.
  std::vector<char> name(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0) return std::string();
    if (length < name.size()) return FolderPart(std::string(name.data(), length)) + kPathSeparator;
    name.resize(name.size() * 2);
  }
}
