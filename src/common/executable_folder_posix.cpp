#include <limits.h>
#include <unistd.h>

#include <vector>

#include "common/executable_folder.h"
#include "common/path.h"

std::string ExecutableFolder() {
  std::vector<char> name(PATH_MAX + 1, '\0');
  const ssize_t length = readlink("/proc/self/exe", name.data(), name.size() - 1);
  if (length <= 0) return std::string();
  return FolderPart(std::string(name.data(), static_cast<std::size_t>(length))) + kPathSeparator;
}
