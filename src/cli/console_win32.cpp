#include <windows.h>

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
