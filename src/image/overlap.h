#pragma once

#include <algorithm>
#include <cstdint>

// Rows and columns where a w x h rectangle at (x, y) overlaps a bound_w x
// bound_h one at the origin; empty when left >= right or top >= bottom.
// 64-bit, so no offset a caller passes can overflow.
struct Overlap {
  std::int64_t left, top, right, bottom;
  bool Empty() const { return left >= right || top >= bottom; }
};

inline Overlap OverlapOf(std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h,
                         std::int64_t bound_w, std::int64_t bound_h) {
  return {std::max<std::int64_t>(x, 0), std::max<std::int64_t>(y, 0),
          std::min<std::int64_t>(x + w, bound_w), std::min<std::int64_t>(y + h, bound_h)};
}
