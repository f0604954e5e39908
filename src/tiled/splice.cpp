#include "tiled/splice.h"

#include <algorithm>

void ForEachSplicedPart(std::string_view bytes, std::size_t from, std::size_t to,
                        std::vector<Splice> splices,
                        const std::function<void(std::string_view)>& part) {
  std::sort(splices.begin(), splices.end(),
            [](const Splice& a, const Splice& b) { return a.begin < b.begin; });
  std::size_t at = from;
  for (const Splice& splice : splices) {
    part(bytes.substr(at, splice.begin - at));
    part(splice.text);
    at = splice.end;
  }
  part(bytes.substr(at, to - at));
}

std::string Spliced(std::string_view bytes, std::size_t from, std::size_t to,
                    std::vector<Splice> splices) {
  std::string out;
  out.reserve(to - from);
  ForEachSplicedPart(bytes, from, to, std::move(splices),
                     [&out](std::string_view part) { out.append(part); });
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
