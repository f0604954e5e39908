#include <windows.h>

#include <vector>

#include "cli/console.h"
#include "common/wide_win32.h"

namespace {

// A console, not a file, pipe or the NUL device (which _isatty calls a
// terminal too).
bool IsConsole(DWORD handleId) {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(handleId), &mode) != 0;
}

}  // namespace

bool InputIsTerminal() { return IsConsole(STD_INPUT_HANDLE); }

bool ErrorIsTerminal() { return IsConsole(STD_ERROR_HANDLE); }

std::string AbsolutePath(const std::string& path) {
  const std::wstring wide = Wide(path);
  const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::vector<wchar_t> buffer(size + 1, L'\0');
  const DWORD length =
      GetFullPathNameW(wide.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
  return length == 0 || length >= buffer.size() ? path : Utf8(std::wstring(buffer.data(), length));
}

FileResult ReadableFile(const std::string& path) {
  const HANDLE file =
      CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return FileResultFromWindowsError(GetLastError());
  const bool regular = GetFileType(file) == FILE_TYPE_DISK;
  CloseHandle(file);
  if (regular && !(GetFileAttributesW(Wide(path).c_str()) & FILE_ATTRIBUTE_DIRECTORY))
    return FileResult();
  return {FileFailure::kFileMissing, 0};
}

bool IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
