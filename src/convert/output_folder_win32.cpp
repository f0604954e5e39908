#include <windows.h>

#include "common/wide_win32.h"
#include "convert/output_folder.h"

FileResult CreateOutputFolder(const std::string& path) {
  const std::wstring wide = Wide(path);
  if (CreateDirectoryW(wide.c_str(), nullptr)) return FileResult();
  const DWORD error = GetLastError();
  if (error == ERROR_ALREADY_EXISTS) return FileResult();
  // Windows says "path not found" too for a folder path beyond its limit
  // (MAX_PATH less room for an 8.3 name), where the parent may well exist,
  // and wine "file not found" for a name longer than the disk allows.
  const bool notFound = error == ERROR_PATH_NOT_FOUND || error == ERROR_FILE_NOT_FOUND;
  if (notFound && wide.size() >= MAX_PATH - 12) {
    return FileResultFromWindowsError(ERROR_FILENAME_EXCED_RANGE);
  }
  return FileResultFromWindowsError(error);
}
