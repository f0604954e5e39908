#include <cstring>
#include <vector>

// stb_image decodes the pixels; only its BMP reader is compiled in, and it
// rejects sides beyond our limit itself.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_BMP
#define STBI_NO_FAILURE_STRINGS
#define STBI_MAX_DIMENSIONS (1 << 20)
#include <stb/stb_image.h>

#include "image/file_decoders.h"

static_assert(STBI_MAX_DIMENSIONS == kMaxImageSide, "stb_image must share the image size limit");

namespace {

struct StbFree {
  void operator()(stbi_uc* pixels) const { stbi_image_free(pixels); }
};

unsigned U16(const unsigned char* at) { return at[0] | at[1] << 8; }
std::uint32_t U32(const unsigned char* at) {
  return at[0] | at[1] << 8 | at[2] << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

// The colour table of a BMP of 1, 4 or 8 bits per pixel, read from the file
// itself, entry 0 first; empty for deeper BMPs. stb_image expands the
// pixels but does not hand back the table.
std::vector<std::uint32_t> ReadColourTable(std::FILE* file) {
  unsigned char head[14 + 40] = {};
  const std::size_t got = std::fread(head, 1, sizeof head, file);
  if (got < 14 + 12) throw InvalidImageError();
  const std::uint32_t header_size = U32(head + 14);
  const bool core = header_size == 12;  // the oldest header: 16-bit sizes, 3-byte entries
  if (!core && (header_size < 40 || got < sizeof head)) throw InvalidImageError();
  const unsigned bits = U16(head + (core ? 24 : 28));
  if (bits > 8) return {};
  if (bits != 1 && bits != 4 && bits != 8) throw InvalidImageError();

  std::uint32_t count = std::uint32_t{1} << bits;
  const std::uint32_t used = core ? 0 : U32(head + 46);
  if (used != 0 && used < count) count = used;
  const std::size_t entry_size = core ? 3 : 4;
  std::vector<unsigned char> table(count * entry_size);
  if (std::fseek(file, static_cast<long>(14 + header_size), SEEK_SET) != 0 ||
      std::fread(table.data(), 1, table.size(), file) != table.size()) {
    throw InvalidImageError();
  }
  std::vector<std::uint32_t> palette;
  for (std::uint32_t i = 0; i < count; ++i) {
    const unsigned char* entry = table.data() + i * entry_size;  // blue, green, red
    palette.push_back(Argb(255, entry[2], entry[1], entry[0]));
  }
  return palette;
}

// Whether the file is long enough for the pixels its header declares:
// uncompressed rows padded to 4 bytes, from the data offset on. The reader
// would otherwise fill a truncated file's missing rows one by one, which
// for a header claiming a large image takes minutes.
bool HoldsItsPixels(std::FILE* file) {
  unsigned char head[14 + 40] = {};
  if (std::fseek(file, 0, SEEK_SET) != 0) return false;
  const std::size_t got = std::fread(head, 1, sizeof head, file);
  if (got < 14 + 12 || std::fseek(file, 0, SEEK_END) != 0) return false;
  const long size = std::ftell(file);
  const std::uint32_t header_size = U32(head + 14);
  const bool core = header_size == 12;
  if (!core && got < sizeof head) return false;
  const std::int64_t width = core ? U16(head + 18) : static_cast<std::int32_t>(U32(head + 18));
  const std::int64_t height = core ? U16(head + 20) : static_cast<std::int32_t>(U32(head + 22));
  const unsigned bits = U16(head + (core ? 24 : 28));
  const std::uint32_t compression = core ? 0 : U32(head + 30);
  if (compression != 0 && compression != 3) return false;  // run-length files are not read
  if (width <= 0 || height == 0 || bits == 0) return false;
  const std::int64_t row = (width * bits + 31) / 32 * 4;
  const std::int64_t rows = height < 0 ? -height : height;
  return size >= 0 && U32(head + 10) + row * rows <= size;
}

// The colour-table indices of an uncompressed BMP of 1, 4 or 8 bits per
// pixel, rows top to bottom; empty for any other BMP. stb_image decodes the
// colours; the image keeps these indices only where they show the same
// colours (see IndexPlane), so an odd file costs the indices, never pixels.
std::vector<std::uint8_t> ReadIndices(std::FILE* file, int width, int height) {
  unsigned char head[14 + 40] = {};
  if (std::fseek(file, 0, SEEK_SET) != 0 || std::fread(head, 1, sizeof head, file) != sizeof head)
    return {};
  const bool core = U32(head + 14) == 12;
  const unsigned bits = U16(head + (core ? 24 : 28));
  const std::uint32_t compression = core ? 0 : U32(head + 30);
  if ((bits != 1 && bits != 4 && bits != 8) || compression != 0) return {};
  const bool top_down = !core && static_cast<std::int32_t>(U32(head + 22)) < 0;
  const std::size_t stride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
  const auto w = static_cast<std::size_t>(width), h = static_cast<std::size_t>(height);
  std::vector<unsigned char> row(stride);
  std::vector<std::uint8_t> indices(w * h);
  if (std::fseek(file, static_cast<long>(U32(head + 10)), SEEK_SET) != 0) return {};
  for (std::size_t stored = 0; stored < h; ++stored) {
    if (std::fread(row.data(), 1, stride, file) != stride) return {};
    const std::size_t y = top_down ? stored : h - 1 - stored;
    UnpackIndexRow(row.data(), bits, w, indices.data() + y * w);
  }
  return indices;
}

}  // namespace

std::unique_ptr<BufferImage> DecodeBmp(std::FILE* file, const std::string& name) {
  std::vector<std::uint32_t> palette = ReadColourTable(file);
  if (std::fseek(file, 0, SEEK_SET) != 0) throw InvalidImageError();

  int width = 0, height = 0, channels = 0;
  if (!stbi_info_from_file(file, &width, &height, &channels) ||
      !IsAllowedImageSize(width, height) || !HoldsItsPixels(file) ||
      std::fseek(file, 0, SEEK_SET) != 0) {
    throw InvalidImageError();
  }
  std::unique_ptr<stbi_uc, StbFree> rgba(stbi_load_from_file(file, &width, &height, &channels, 4));
  if (!rgba || !IsAllowedImageSize(width, height)) throw InvalidImageError();

  const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  std::vector<std::uint32_t> pixels(count);
  const stbi_uc* in = rgba.get();
  for (std::size_t i = 0; i < count; ++i, in += 4) pixels[i] = Argb(in[3], in[0], in[1], in[2]);
  rgba.reset();
  std::vector<std::uint8_t> indices;
  if (!palette.empty()) indices = ReadIndices(file, width, height);
  return std::make_unique<BufferImage>(name, width, height, std::move(pixels), std::move(palette),
                                       std::move(indices));
}
