#include <spng.h>

#include <cstdio>
#include <new>
#include <string>
#include <vector>

#include "common/file_replacement.h"
#include "image/buffer_image.h"

namespace {

struct ContextFree {
  void operator()(spng_ctx* context) const { spng_ctx_free(context); }
};

// One below zlib's default: on unfiltered tile art it costs a third less
// time for files a quarter larger, still smaller than filtered ones at the
// default (bench/compare).
constexpr int kCompressionLevel = 5;
// No row filter. Tile art is runs of the same few colours, which deflate
// finds as repeats of whole pixels; a filter turns them into differences
// that repeat less. Unfiltered rows came out a fifth smaller than libspng's
// choice among all five filters, in half the time (bench/compare).
constexpr int kFilterChoice = SPNG_DISABLE_FILTERING;

bool Encode(std::FILE* file, int width, int height, const std::vector<std::uint32_t>& pixels) {
  std::unique_ptr<spng_ctx, ContextFree> context(spng_ctx_new(SPNG_CTX_ENCODER));
  if (!context) return false;
  spng_ctx* png = context.get();
  spng_ihdr header{};
  header.width = static_cast<std::uint32_t>(width);
  header.height = static_cast<std::uint32_t>(height);
  header.bit_depth = 8;
  header.color_type = SPNG_COLOR_TYPE_TRUECOLOR_ALPHA;
  if (spng_set_png_file(png, file) != 0 || spng_set_ihdr(png, &header) != 0 ||
      spng_set_option(png, SPNG_IMG_COMPRESSION_LEVEL, kCompressionLevel) != 0 ||
      spng_set_option(png, SPNG_FILTER_CHOICE, kFilterChoice) != 0 ||
      spng_encode_image(png, nullptr, 0, SPNG_FMT_PNG,
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
bool BufferImage::Save(const std::string& path) const {
  if (pixels.empty()) return false;
  return WriteFileReplacing(
      path, [this](std::FILE* file) { return Encode(file, width, height, pixels); });
}
