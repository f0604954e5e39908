#include <spng.h>

#include <cstdio>
#include <string>
#include <vector>

#include "common/file_replacement.h"
#include "image/buffer_image.h"
#include "image/png_encoder_posix.h"

namespace {

bool Encode(std::FILE* file, int width, int height, const std::vector<std::uint32_t>& pixels) {
  const PngEncoder encoder = NewPngEncoder(file, width, height, SPNG_COLOR_TYPE_TRUECOLOR_ALPHA);
  if (!encoder) return false;
  spng_ctx* png = encoder.get();
  if (spng_encode_image(png, nullptr, 0, SPNG_FMT_PNG,
                        SPNG_ENCODE_PROGRESSIVE | SPNG_ENCODE_FINALIZE) != 0) {
    return false;
  }
  // Row by row, so a large sheet needs no second full-size buffer.
  std::vector<unsigned char> row(static_cast<std::size_t>(width) * 4);
  const std::uint32_t* in = pixels.data();
  for (int y = 0; y < height; ++y) {
    unsigned char* out = row.data();
    for (int x = 0; x < width; ++x, ++in, out += 4) {
      out[0] = static_cast<unsigned char>(*in >> 16);
      out[1] = static_cast<unsigned char>(*in >> 8);
      out[2] = static_cast<unsigned char>(*in);
      out[3] = static_cast<unsigned char>(*in >> 24);
    }
    const int status = spng_encode_row(png, row.data(), row.size());
    if (status != 0 && !(status == SPNG_EOI && y == height - 1)) return false;
  }
  return true;
}

}  // namespace

// Written beside path and renamed over it only when complete, so path never
// holds a partial PNG.
FileResult BufferImage::Save(const std::string& path) const {
  if (pixels.empty()) return {FileFailure::kNoSystemReason, 0};
  return WriteFileReplacing(
      path, [this](std::FILE* file) { return Encode(file, width, height, pixels); });
}
