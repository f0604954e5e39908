#include <spng.h>

#include <cstdio>

#include "common/file_replacement.h"
#include "image/buffer_image.h"
#include "image/png_encoder_posix.h"

namespace {

// An 8-bit palette PNG: PLTE with the plane's palette entry for entry, tRNS
// with the alpha of the entries up to the last one that is not opaque.
bool EncodeIndexed(std::FILE* file, int width, int height, const IndexPlane& plane) {
  const PngEncoder encoder = NewPngEncoder(file, width, height, SPNG_COLOR_TYPE_INDEXED);
  if (!encoder) return false;
  spng_ctx* png = encoder.get();
  const std::vector<std::uint32_t>& palette = plane.Palette();
  spng_plte entries{};
  spng_trns transparency{};
  entries.n_entries = static_cast<std::uint32_t>(palette.size());
  for (std::size_t i = 0; i < palette.size(); ++i) {
    entries.entries[i].red = static_cast<std::uint8_t>(palette[i] >> 16);
    entries.entries[i].green = static_cast<std::uint8_t>(palette[i] >> 8);
    entries.entries[i].blue = static_cast<std::uint8_t>(palette[i]);
    transparency.type3_alpha[i] = static_cast<std::uint8_t>(palette[i] >> 24);
    if ((palette[i] >> 24) != 255) transparency.n_type3_entries = static_cast<std::uint32_t>(i + 1);
  }
  const std::vector<std::uint8_t>& indices = plane.Indices();
  return spng_set_plte(png, &entries) == 0 &&
         (transparency.n_type3_entries == 0 || spng_set_trns(png, &transparency) == 0) &&
         spng_encode_image(png, indices.data(), indices.size(), SPNG_FMT_PNG,
                           SPNG_ENCODE_FINALIZE) == 0;
}

}  // namespace

FileResult BufferImage::SaveWithPalette(const std::string& path) const {
  if (plane.Empty()) return {FileFailure::kNoSystemReason, 0};
  return WriteFileReplacing(
      path, [this](std::FILE* file) { return EncodeIndexed(file, width, height, plane); });
}
