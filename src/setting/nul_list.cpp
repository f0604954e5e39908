#include "setting/nul_list.h"

#include <cstring>

std::vector<std::string> SplitNulList(const std::vector<char>& buffer) {
  std::vector<std::string> strings;
  const char* item = buffer.data();
  const char* const end = buffer.data() + buffer.size();
  while (item < end && *item != '\0') {
    strings.emplace_back(item, strnlen(item, static_cast<std::size_t>(end - item)));
    item += strings.back().size() + 1;
  }
  return strings;
}
