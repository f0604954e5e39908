#include <spng.h>

#include <vector>

#include "image/file_decoders.h"

namespace {

struct ContextFree {
  void operator()(spng_ctx* context) const { spng_ctx_free(context); }
};

// Ancillary chunks are held in memory; a file may not make them huge.
constexpr std::size_t kMaxChunkBytes = std::size_t{16} << 20;
constexpr std::size_t kMaxChunkCacheBytes = std::size_t{64} << 20;

void Check(int status) {
  if (status != 0) throw InvalidImageError();
}

// A palette PNG: its indices as the file holds them (rows packed at depths
// below 8), each pixel the colour of its entry with the alpha of tRNS. An
// index beyond the palette shows opaque black, as libspng's own expansion
// does, and leaves the image without indices.
std::unique_ptr<BufferImage> DecodeIndexed(spng_ctx* png, const spng_ihdr& header,
                                           const std::string& name) {
  spng_plte entries{};
  Check(spng_get_plte(png, &entries));
  spng_trns transparency{};
  if (spng_get_trns(png, &transparency) != 0) transparency.n_type3_entries = 0;
  std::vector<std::uint32_t> palette;
  for (std::uint32_t i = 0; i < entries.n_entries && i < 256; ++i) {
    const unsigned alpha = i < transparency.n_type3_entries ? transparency.type3_alpha[i] : 255;
    palette.push_back(
        Argb(alpha, entries.entries[i].red, entries.entries[i].green, entries.entries[i].blue));
  }
  if (palette.empty()) throw InvalidImageError();

  const std::size_t width = header.width, height = header.height;
  const unsigned depth = header.bit_depth;
  const std::size_t stride = (width * depth + 7) / 8;
  std::size_t bytes = 0;
  Check(spng_decoded_image_size(png, SPNG_FMT_PNG, &bytes));
  if (bytes != stride * height) throw InvalidImageError();
  std::vector<std::uint8_t> packed(bytes);
  Check(spng_decode_image(png, packed.data(), bytes, SPNG_FMT_PNG, 0));

  std::vector<std::uint8_t> indices(width * height);
  for (std::size_t y = 0; y < height; ++y)
    UnpackIndexRow(packed.data() + y * stride, depth, width, indices.data() + y * width);
  packed = std::vector<std::uint8_t>();  // before the pixels take four times as much
  std::vector<std::uint32_t> pixels(width * height);
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    pixels[i] = indices[i] < palette.size() ? palette[indices[i]] : 0xFF000000u;
  }
  return std::make_unique<BufferImage>(name, static_cast<int>(width), static_cast<int>(height),
                                       std::move(pixels), std::move(palette), std::move(indices));
}

}  // namespace

std::unique_ptr<BufferImage> DecodePng(std::FILE* file, const std::string& name) {
  std::unique_ptr<spng_ctx, ContextFree> context(spng_ctx_new(0));
  if (!context) throw InvalidImageError();
  spng_ctx* png = context.get();
  Check(spng_set_image_limits(png, kMaxImageSide, kMaxImageSide));
  Check(spng_set_chunk_limits(png, kMaxChunkBytes, kMaxChunkCacheBytes));
  Check(spng_set_png_file(png, file));

  spng_ihdr header{};
  Check(spng_get_ihdr(png, &header));
  if (!IsAllowedImageSize(header.width, header.height)) throw InvalidImageError();
  if (header.color_type == SPNG_COLOR_TYPE_INDEXED) return DecodeIndexed(png, header, name);

  const std::size_t count = std::size_t{header.width} * header.height;
  std::size_t bytes = 0;
  Check(spng_decoded_image_size(png, SPNG_FMT_RGBA8, &bytes));
  if (bytes != count * 4) throw InvalidImageError();

  // Decoded as RGBA bytes into the pixel buffer itself, then turned into
  // ARGB words in place.
  std::vector<std::uint32_t> pixels(count);
  Check(spng_decode_image(png, pixels.data(), bytes, SPNG_FMT_RGBA8, SPNG_DECODE_TRNS));
  const auto* rgba = reinterpret_cast<const unsigned char*>(pixels.data());
  for (std::size_t i = 0; i < count; ++i, rgba += 4) {
    const std::uint32_t pixel = Argb(rgba[3], rgba[0], rgba[1], rgba[2]);
    pixels[i] = pixel;
  }
  return std::make_unique<BufferImage>(name, static_cast<int>(header.width),
                                       static_cast<int>(header.height), std::move(pixels),
                                       std::vector<std::uint32_t>());
}
