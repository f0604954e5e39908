#include <errno.h>
#include <sys/stat.h>

#include "convert/output_folder.h"

FolderResult CreateOutputFolder(const std::string& path) {
  if (mkdir(path.c_str(), 0777) == 0) return FolderResult::kReady;
  switch (errno) {
    case EEXIST:
      return FolderResult::kReady;
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG:
      return FolderResult::kMissingParent;
    default:
      return FolderResult::kFailed;
  }
}
