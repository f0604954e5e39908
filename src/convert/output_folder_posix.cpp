#include <errno.h>
#include <sys/stat.h>

#include "convert/output_folder.h"

FileResult CreateOutputFolder(const std::string& path) {
  if (mkdir(path.c_str(), 0777) == 0 || errno == EEXIST) return FileResult();
  return FileResultFromErrno(errno, FileAccess::kWrite);
}
