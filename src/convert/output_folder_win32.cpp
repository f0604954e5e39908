#include <windows.h>

#include "common/wide_win32.h"
#include "convert/output_folder.h"

FolderResult CreateOutputFolder(const std::string& path) {
  if (CreateDirectoryW(Wide(path).c_str(), nullptr)) return FolderResult::kReady;
  switch (GetLastError()) {
    case ERROR_ALREADY_EXISTS:
      return FolderResult::kReady;
    case ERROR_PATH_NOT_FOUND:
      return FolderResult::kMissingParent;
    default:
      return FolderResult::kFailed;
  }
}
