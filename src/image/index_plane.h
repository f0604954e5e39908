#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The indices of a row of width pixels packed at bits (1, 2, 4 or 8) per
// pixel, the leftmost in the highest bits of a byte, as palette PNG, BMP,
// TIFF and WIC rows hold them, into indices.
void UnpackIndexRow(const std::uint8_t* packed, unsigned bits, std::size_t width,
                    std::uint8_t* indices);

// Each pixel's index in the palette of the file an image came from, kept
// beside the image's colours (a colour cannot tell two entries of the same
// colour apart), so that the image can be written as a palette image again
// with the same palette and indices. Both image backends keep one.
//
// A plane holds for every pixel: the pixel shows the colour of its entry
// (fully transparent counts as one colour), except blank pixels of a canvas,
// which take index 0 whatever entry 0 shows.
class IndexPlane {
 public:
  // ARGB pixels of a part of an image: the image's pixel (column, row) is
  // pixels[(row - top) * stride + column - left].
  struct PixelRows {
    const std::uint32_t* pixels;
    std::size_t stride;
    int left;
    int top;
    std::uint32_t At(std::int64_t column, std::int64_t row) const {
      return pixels[static_cast<std::size_t>(row - top) * stride +
                    static_cast<std::size_t>(column - left)];
    }
  };

  // No plane.
  IndexPlane() = default;

  // The plane of a decoded palette image of count pixels (ARGB), or no plane
  // when an index lies beyond the palette or a pixel does not show the colour
  // of its entry.
  static IndexPlane Decoded(std::vector<std::uint32_t> palette, std::vector<std::uint8_t> indices,
                            const std::uint32_t* pixels, std::size_t count);

  bool Empty() const { return indices.empty(); }
  // The palette, 0xAARRGGBB per entry, alpha as the run has keyed it.
  const std::vector<std::uint32_t>& Palette() const { return palette; }
  // One index per pixel, rows top to bottom.
  const std::vector<std::uint8_t>& Indices() const { return indices; }

  // Entries of key's red, green and blue become fully transparent, as the
  // pixels of that colour do.
  void Key(std::uint32_t key);

  // The plane of the rectangle (x, y, w, h) of an image width pixels wide;
  // the rectangle lies inside.
  IndexPlane Clip(int width, int x, int y, int w, int h) const;

  // Follows a Draw of source (source_width x source_height) at (x, y) onto
  // an image width x height. source_pixels and pixels (before the draw)
  // need to hold only the part where the two overlap (OverlapOf). A blank
  // image (every pixel untouched) takes the source's plane, blank pixels
  // index 0. The plane is lost when a pixel comes out as a blend of the two,
  // or the source brings no indices of the same palette into an image that
  // has them.
  void Draw(const IndexPlane& source, PixelRows source_pixels, int source_width, int source_height,
            PixelRows pixels, int width, int height, int x, int y, bool blank);

 private:
  std::vector<std::uint32_t> palette;
  std::vector<std::uint8_t> indices;
};
