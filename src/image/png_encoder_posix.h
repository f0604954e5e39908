#pragma once

#include <spng.h>

#include <cstdint>
#include <cstdio>
#include <memory>

struct PngEncoderFree {
  void operator()(spng_ctx* context) const { spng_ctx_free(context); }
};
using PngEncoder = std::unique_ptr<spng_ctx, PngEncoderFree>;

// A libspng encoder that writes a width x height PNG of 8-bit colourType
// into file, set up as every PNG the program writes; null when libspng
// refuses. What remains is the palette, if any, and the image data.
PngEncoder NewPngEncoder(std::FILE* file, int width, int height, std::uint8_t colourType);
