#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "support/image_files.h"

// Whether every pixel of the rectangle has colour; names the first that has not.
inline ::testing::AssertionResult Filled(const Picture& picture, int x0, int y0, int width,
                                         int height, std::uint32_t colour) {
  for (int y = y0; y < y0 + height; ++y) {
    for (int x = x0; x < x0 + width; ++x) {
      if (picture.At(x, y) != colour) {
        return ::testing::AssertionFailure() << "pixel " << x << "," << y << " is " << std::hex
                                             << picture.At(x, y) << ", not " << colour;
      }
    }
  }
  return ::testing::AssertionSuccess();
}
