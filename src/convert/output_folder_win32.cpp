#include <windows.h>

#include "convert/output_folder.h"

FileResult CreateOutputFolder(const std::string& path) {
  if (CreateDirectoryA(path.c_str(), nullptr)) return FileResult();
  const DWORD error = GetLastError();
  if (error == ERROR_ALREADY_EXISTS) return FileResult();
  // Windows says "path not found" too for a folder path beyond its limit
  // (MAX_PATH less room for an 8.3 name), where the parent may well exist.
  if (error == ERROR_PATH_NOT_FOUND && path.size() >= MAX_PATH - 12) {
    return FileResultFromWindowsError(ERROR_FILENAME_EXCED_RANGE);
  }
  return FileResultFromWindowsError(error);
}
