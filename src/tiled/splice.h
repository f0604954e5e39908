#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// New bytes in place of a range of old ones.
struct Splice {
  std::size_t begin = 0;
  std::size_t end = 0;
  std::string text;
};

// bytes[from, to) with the splices (ranges inside it, in any order, none
// overlapping) made: in parts handed to part in order, or as one text.
void ForEachSplicedPart(std::string_view bytes, std::size_t from, std::size_t to,
                        std::vector<Splice> splices,
                        const std::function<void(std::string_view)>& part);
std::string Spliced(std::string_view bytes, std::size_t from, std::size_t to,
                    std::vector<Splice> splices);

// The range to take out with an element, begin to end: back to the line end
// before it where only blanks stand between, so that no empty line stays.
std::size_t LineStartBefore(std::string_view bytes, std::size_t begin);
