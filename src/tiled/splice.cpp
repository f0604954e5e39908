#include "tiled/splice.h"

#include <algorithm>

std::string Spliced(std::string_view bytes, std::size_t from, std::size_t to,
                    std::vector<Splice> splices) {
  std::sort(splices.begin(), splices.end(),
            [](const Splice& a, const Splice& b) { return a.begin < b.begin; });
  std::string out;
  out.reserve(to - from);
  std::size_t at = from;
  for (const Splice& splice : splices) {
    out.append(bytes.substr(at, splice.begin - at));
    out += splice.text;
    at = splice.end;
  }
  out.append(bytes.substr(at, to - at));
  return out;
}

std::size_t LineStartBefore(std::string_view bytes, std::size_t begin) {
  std::size_t at = begin;
  while (at > 0 && (bytes[at - 1] == ' ' || bytes[at - 1] == '\t')) --at;
  if (at > 0 && bytes[at - 1] == '\n') {
    --at;
    if (at > 0 && bytes[at - 1] == '\r') --at;
    return at;
  }
  return begin;
}
