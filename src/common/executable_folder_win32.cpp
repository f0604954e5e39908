#include <windows.h>

#include <vector>

#include "common/executable_folder.h"
#include "common/path.h"
#include "common/wide_win32.h"

std::string ExecutableFolder() {
  // Room for the longest path the system has (a long-path-aware process).
  std::vector<wchar_t> name(32768, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size() - 1));
  if (length == 0) return std::string();
  return FolderPart(Utf8(std::wstring(name.data(), length))) + kPathSeparator;
}
