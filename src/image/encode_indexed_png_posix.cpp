#include <spng.h>

#include <memory>

#include "image/buffer_image.h"
#include "common/file_replacement.h"

namespace {

struct ContextFree {
  void operator()(spng_ctx* context) const { spng_ctx_free(context); }
};

// An 8-bit palette PNG: PLTE with the plane's palette entry for entry, tRNS
// with the alpha of the entries up to the last one that is not opaque.
bool EncodeIndexed(std::FILE* file, int width, int height, const IndexPlane& plane) {
  std::unique_ptr<spng_ctx, ContextFree> context(spng_ctx_new(SPNG_CTX_ENCODER));
  if (!context) return false;
  spng_ctx* png = context.get();
  spng_ihdr header{};
  header.width = static_cast<std::uint32_t>(width);
  header.height = static_cast<std::uint32_t>(height);
  header.bit_depth = 8;
  header.color_type = SPNG_COLOR_TYPE_INDEXED;

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
  return spng_set_png_file(png, file) == 0 && spng_set_ihdr(png, &header) == 0 &&
         spng_set_plte(png, &entries) == 0 &&
         (transparency.n_type3_entries == 0 || spng_set_trns(png, &transparency) == 0) &&
         spng_encode_image(png, indices.data(), indices.size(), SPNG_FMT_PNG,
                           SPNG_ENCODE_FINALIZE) == 0;
}

}  // namespace

bool BufferImage::SaveWithPalette(const std::string& path) const {
  if (plane.Empty()) return false;
  return WriteFileReplacing(
      path, [this](std::FILE* file) { return EncodeIndexed(file, width, height, plane); });
}
