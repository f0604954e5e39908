#include "common/path.h"

#include "common/text.h"

#ifdef _WIN32
const char kPathSeparator = '\\';
#else
const char kPathSeparator = '/';
#endif

std::string::size_type LastSeparator(const std::string& path) {
  std::string::size_type last = std::string::npos;
  for (std::string::size_type i = 0; i < path.size(); i += CharLength(path.data(), path.size(), i)) {
    if (path[i] == kPathSeparator) last = i;
  }
  return last;
}

std::string FilePart(const std::string& path) {
  const auto at = LastSeparator(path);
  return at == std::string::npos ? path : path.substr(at + 1);
}

std::string FolderPart(const std::string& path) {
  const auto at = LastSeparator(path);
  return at == std::string::npos ? std::string() : path.substr(0, at);
}

std::string BaseName(const std::string& path) {
  const std::string file = FilePart(path);
  const auto dot = file.rfind('.');
  return dot == std::string::npos ? file : file.substr(0, dot);
}
