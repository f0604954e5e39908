#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Small image files that the tests write themselves, in every format the
// open dialog offers, and a PNG reader to read saved pixels back. Portable:
// the same code writes the files for both builds.

// Pixels 0xAARRGGBB, not premultiplied, rows top to bottom.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// A palette picture: one palette index per pixel, rows top to bottom.
struct IndexedPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> palette;  // 0xAARRGGBB
  std::vector<std::uint8_t> indices;

  // The picture with every index replaced by its palette entry.
  Picture Expanded() const;
};

// BMP with a colour table of 2^bits entries (bits 1, 4 or 8); alpha ignored.
std::string BmpFile(const IndexedPicture& picture, int bits);
// 24-bit BMP; alpha ignored.
std::string BmpFile(const Picture& picture);
// PNG with a palette of bit depth bits (1, 2, 4 or 8); palette alpha other
// than 255 goes into a tRNS chunk.
std::string PngFile(const IndexedPicture& picture, int bits);
// 8-bit RGBA PNG, or RGB when alpha is false (alpha then ignored).
std::string PngFile(const Picture& picture, bool alpha);
// GIF89a of one frame with a global colour table; a transparent index of 0
// or more goes into a graphic control extension.
std::string GifFile(const IndexedPicture& picture, int transparent_index = -1);
// Uncompressed TIFF, 8-bit palette or 8-bit RGB (alpha ignored).
std::string TiffFile(const IndexedPicture& picture);
std::string TiffFile(const Picture& picture);
// Baseline JPEG for pictures whose 8 x 8 blocks are each of one colour:
// such blocks need no frequencies beyond the first, so greys come back
// exactly and colours within the rounding of YCbCr. Alpha ignored.
std::string JpegFile(const Picture& picture);

// One PNG chunk: length, type, data and CRC.
std::string PngChunk(const std::string& type, const std::string& data);

// The pixels of a non-interlaced PNG of bit depth 8 (any colour type) or a
// palette PNG of any depth, as both image backends write them. Throws
// std::runtime_error on anything else.
Picture ReadPngFile(const std::string& bytes);

// The palette (tRNS alpha included) and indices of a palette PNG of any
// depth. Another colour type throws std::runtime_error, or with any_type
// gives an empty palette.
IndexedPicture ReadIndexedPngFile(const std::string& bytes, bool any_type = false);
