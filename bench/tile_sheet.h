#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "image/buffer_image.h"

// A width x height sheet of cell x cell tiles: gradients, a transparent
// border round each tile and a half-transparent stripe, roughly what map
// tiles hold.
inline std::unique_ptr<BufferImage> TileSheet(int width, int height, int cell) {
  std::vector<std::uint32_t> pixels;
  pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t u = x % cell, v = y % cell;
      const std::uint32_t alpha = (u == 0 || v == 0) ? 0 : (u == v ? 0x80 : 0xFF);
      pixels.push_back(alpha << 24 | ((x / cell * 37) & 0xFF) << 16 | ((y / cell * 53) & 0xFF) << 8 |
                       ((u * 8 + v) & 0xFF));
    }
  }
  return std::make_unique<BufferImage>("sheet", width, height, std::move(pixels),
                                       std::vector<std::uint32_t>());
}
