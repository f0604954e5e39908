#include "image/index_plane.h"

#include <algorithm>

#include "image/overlap.h"

namespace {

// What a viewer shows: a fully transparent pixel is one colour.
std::uint32_t Shown(std::uint32_t pixel) { return pixel >> 24 ? pixel : 0; }

}  // namespace

void UnpackIndexRow(const std::uint8_t* packed, unsigned bits, std::size_t width,
                    std::uint8_t* indices) {
  const unsigned mask = (1u << bits) - 1;
  for (std::size_t x = 0; x < width; ++x) {
    const std::size_t bit = x * bits;
    indices[x] = static_cast<std::uint8_t>((packed[bit / 8] >> (8 - bits - bit % 8)) & mask);
  }
}

IndexPlane IndexPlane::Decoded(std::vector<std::uint32_t> palette,
                               std::vector<std::uint8_t> indices, const std::uint32_t* pixels,
                               std::size_t count) {
  IndexPlane plane;
  if (palette.empty() || palette.size() > 256 || indices.size() != count) return plane;
  for (std::size_t i = 0; i < count; ++i) {
    if (indices[i] >= palette.size() || Shown(pixels[i]) != Shown(palette[indices[i]]))
      return plane;
  }
  plane.palette = std::move(palette);
  plane.indices = std::move(indices);
  return plane;
}

void IndexPlane::Key(std::uint32_t key) {
  for (std::uint32_t& entry : palette) {
    if ((entry & 0x00FFFFFFu) == (key & 0x00FFFFFFu)) entry &= 0x00FFFFFFu;
  }
}

IndexPlane IndexPlane::Clip(int width, int x, int y, int w, int h) const {
  IndexPlane clip;
  if (Empty() || w < 1 || h < 1) return clip;
  clip.palette = palette;
  clip.indices.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
  for (int row = 0; row < h; ++row) {
    const auto from =
        indices.begin() + static_cast<std::ptrdiff_t>((static_cast<std::size_t>(y) + row) *
                                                          static_cast<std::size_t>(width) +
                                                      static_cast<std::size_t>(x));
    std::copy(
        from, from + w,
        clip.indices.begin() + static_cast<std::ptrdiff_t>(row) * static_cast<std::ptrdiff_t>(w));
  }
  return clip;
}

void IndexPlane::Draw(const IndexPlane& source, PixelRows source_pixels, int source_width,
                      int source_height, PixelRows pixels, int width, int height, int x, int y,
                      bool blank) {
  const Overlap area = OverlapOf(x, y, source_width, source_height, width, height);
  if (area.Empty()) return;  // nothing drawn, nothing changes
  const bool takes = !source.Empty() && (Empty() ? blank : palette == source.palette);
  if (!takes) {
    *this = IndexPlane();
    return;
  }
  if (Empty()) {
    palette = source.palette;
    indices.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
  }
  for (std::int64_t row = area.top; row < area.bottom; ++row) {
    for (std::int64_t column = area.left; column < area.right; ++column) {
      const std::uint32_t source_alpha = source_pixels.At(column - x, row - y) >> 24;
      // A source pixel arrives unblended over a transparent pixel or when
      // opaque; a transparent one leaves the pixel below as it was.
      if ((pixels.At(column, row) >> 24) == 0 || source_alpha == 255) {
        indices[static_cast<std::size_t>(row * width + column)] =
            source.indices[static_cast<std::size_t>((row - y) * source_width + (column - x))];
      } else if (source_alpha != 0) {
        *this = IndexPlane();
        return;
      }
    }
  }
}
