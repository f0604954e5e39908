#include "tiled/tiled_paths.h"

#include <vector>

#include "common/path.h"

namespace {

bool IsSeparator(char c) { return c == '/' || c == kPathSeparator; }

// "C:" at the start of a path, or "/": where an absolute path begins.
std::string RootOf(const std::string& path) {
  if (path.size() >= 2 && path[1] == ':') {
    return path.size() >= 3 && IsSeparator(path[2]) ? path.substr(0, 3) : path.substr(0, 2);
  }
  if (!path.empty() && IsSeparator(path[0])) {
    return path.size() >= 2 && IsSeparator(path[1]) ? path.substr(0, 2) : path.substr(0, 1);
  }
  return std::string();
}

// The names of path after its root, with "." and ".." resolved.
std::vector<std::string> NamesOf(const std::string& path, std::size_t from) {
  std::vector<std::string> names;
  std::string name;
  const auto take = [&] {
    if (name == "..") {
      if (!names.empty() && names.back() != "..") {
        names.pop_back();
      } else {
        names.push_back(name);
      }
    } else if (!name.empty() && name != ".") {
      names.push_back(name);
    }
    name.clear();
  };
  for (std::size_t i = from; i < path.size(); ++i) {
    if (IsSeparator(path[i])) {
      take();
    } else {
      name += path[i];
    }
  }
  take();
  return names;
}

std::string Joined(const std::string& root, const std::vector<std::string>& names, char separator) {
  std::string path = root;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) path += separator;
    path += names[i];
  }
  return path;
}

}  // namespace

std::string ResolveReference(const std::string& folder, const std::string& reference) {
  const std::string path =
      RootOf(reference).empty() ? folder + kPathSeparator + reference : reference;
  std::string root = RootOf(path);
  for (char& c : root) {
    if (c == '/') c = kPathSeparator;
  }
  return Joined(root, NamesOf(path, RootOf(path).size()), kPathSeparator);
}

std::string ReferenceTo(const std::string& folder, const std::string& target) {
  const std::string from = ResolveReference(folder, ".");
  const std::string to = ResolveReference(folder, target);
  if (RootOf(from) != RootOf(to)) return to;
  const std::vector<std::string> fromNames = NamesOf(from, RootOf(from).size());
  const std::vector<std::string> toNames = NamesOf(to, RootOf(to).size());
  std::size_t shared = 0;
  while (shared < fromNames.size() && shared < toNames.size() &&
         fromNames[shared] == toNames[shared]) {
    ++shared;
  }
  std::vector<std::string> names(fromNames.size() - shared, "..");
  names.insert(names.end(), toNames.begin() + static_cast<long>(shared), toNames.end());
  return Joined(std::string(), names, '/');
}
