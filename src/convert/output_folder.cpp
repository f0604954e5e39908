#include "convert/output_folder.h"

#include "common/path.h"

std::string OutputFolderOf(const std::string& sourceName) {
  return FolderPart(sourceName) + kPathSeparator + BaseName(sourceName);
}
