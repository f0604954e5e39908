#pragma once

#include <cstdint>

// The largest image either build makes or decodes: each side at most
// kMaxImageSide pixels and at most kMaxImagePixels pixels in all (512 MiB of
// ARGB). The limit on the total admits long combined sheets (256 x 524288)
// and turns away headers that only claim a size (100000 x 100000). A file
// beyond it is an invalid file, checked from its header before a 32-bit
// copy of its pixels is made; a blank image asked beyond it is empty.
inline constexpr int kMaxImageSide = 1 << 20;
#ifdef VOMARIN_FUZZ_PIXEL_LIMIT
// The fuzz build keeps its inputs quick: decoding half a gigabyte of pixels
// tells a fuzzer nothing about the decoder.
inline constexpr std::int64_t kMaxImagePixels = VOMARIN_FUZZ_PIXEL_LIMIT;
#else
inline constexpr std::int64_t kMaxImagePixels = std::int64_t{1} << 27;
#endif

// True when a width x height image is within the limit (both sides at least 1).
inline bool IsAllowedImageSize(std::int64_t width, std::int64_t height) {
  return width >= 1 && height >= 1 && width <= kMaxImageSide && height <= kMaxImageSide &&
         width * height <= kMaxImagePixels;
}
