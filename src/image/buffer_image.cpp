#include "image/buffer_image.h"

#include <algorithm>
#include <new>
#include <utility>

#include "image/overlap.h"

namespace {

// The checker texture behind painted images, relative to the working folder.
constexpr char kCheckerPath[] = "resource/check.bmp";

}  // namespace

std::uint32_t CompositeOver(std::uint32_t source, std::uint32_t destination) {
  const std::uint32_t sa = source >> 24;
  if (sa == 255) return source;
  if (sa == 0) return destination;
  const std::uint32_t da = destination >> 24;
  if (da == 0) return source;
  // Weights scaled by 255: the source counts sa, the destination what the
  // source lets through of it, da * (1 - sa).
  const std::uint32_t ws = sa * 255;
  const std::uint32_t wd = da * (255 - sa);
  const std::uint32_t total = ws + wd;
  auto channel = [&](int shift) {
    const std::uint32_t sc = (source >> shift) & 0xFF;
    const std::uint32_t dc = (destination >> shift) & 0xFF;
    return ((sc * ws + dc * wd + total / 2) / total) << shift;
  };
  const std::uint32_t alpha = (total + 127) / 255;
  return alpha << 24 | channel(16) | channel(8) | channel(0);
}

BufferImage::BufferImage(std::string name, int width, int height) : name(std::move(name)) {
  if (!IsAllowedImageSize(width, height)) return;
  try {
    pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
  } catch (const std::bad_alloc&) {
    return;  // like a bitmap the library could not allocate: an empty image
  }
  this->width = width;
  this->height = height;
  blank = true;
}

BufferImage::BufferImage(std::string name, int width, int height, std::vector<std::uint32_t> pixels,
                         std::vector<std::uint32_t> palette, std::vector<std::uint8_t> indices)
    : name(std::move(name)),
      width(width),
      height(height),
      pixels(std::move(pixels)),
      palette(std::move(palette)) {
  if (this->pixels.size() != static_cast<std::size_t>(std::max(width, 0)) *
                                 static_cast<std::size_t>(std::max(height, 0))) {
    *this = BufferImage();
    return;
  }
  if (!indices.empty()) {
    plane = IndexPlane::Decoded(this->palette, std::move(indices), this->pixels.data(),
                                this->pixels.size());
  }
}

void BufferImage::Draw(const IImage& source, int x, int y) {
  if (IsPaletteImage()) return;  // as in GDI+, an indexed bitmap has no drawing context
  const auto* from = dynamic_cast<const BufferImage*>(&source);
  if (from == nullptr) return;
  const Overlap area = OverlapOf(x, y, from->width, from->height, width, height);
  if (area.Empty()) return;
  std::vector<std::uint32_t> own_copy;
  const std::uint32_t* from_pixels = from->pixels.data();
  IndexPlane own_plane;
  const IndexPlane* from_plane = &from->plane;
  if (from == this) {
    own_copy = pixels;
    from_pixels = own_copy.data();
    own_plane = plane;
    from_plane = &own_plane;
  }
  // The indices follow from the pixels before they change.
  plane.Draw(*from_plane, {from_pixels, static_cast<std::size_t>(from->width), 0, 0}, from->width,
             from->height, {pixels.data(), static_cast<std::size_t>(width), 0, 0}, width, height, x,
             y, blank);
  blank = false;
  const auto count = static_cast<std::size_t>(area.right - area.left);
  for (std::int64_t row = area.top; row < area.bottom; ++row) {
    const std::uint32_t* in =
        from_pixels + static_cast<std::size_t>(row - y) * static_cast<std::size_t>(from->width) +
        static_cast<std::size_t>(area.left - x);
    std::uint32_t* out = pixels.data() +
                         static_cast<std::size_t>(row) * static_cast<std::size_t>(width) +
                         static_cast<std::size_t>(area.left);
    for (std::size_t i = 0; i < count; ++i) out[i] = CompositeOver(in[i], out[i]);
  }
}

std::unique_ptr<IImage> BufferImage::Clip(int x, int y, int clip_width, int clip_height,
                                          const std::string& clip_name) const {
  // The defaults are the full size, measured from the edge, not what is left of x or y.
  if (clip_width < 1) clip_width = width;
  if (clip_height < 1) clip_height = height;
  if (x < 0 || y < 0 || std::int64_t{x} + clip_width > width ||
      std::int64_t{y} + clip_height > height) {
    return std::make_unique<BufferImage>(clip_name, 0, 0);
  }
  // Copied row by row into reserved room: a blank buffer first would be
  // written twice.
  const std::size_t stride = static_cast<std::size_t>(width);
  const std::size_t count = static_cast<std::size_t>(clip_width);
  std::vector<std::uint32_t> copied;
  try {
    copied.reserve(count * static_cast<std::size_t>(clip_height));
  } catch (const std::bad_alloc&) {
    return std::make_unique<BufferImage>(clip_name, 0, 0);  // as a bitmap not allocated
  }
  for (std::size_t row = 0; row < static_cast<std::size_t>(clip_height); ++row) {
    const std::uint32_t* from =
        pixels.data() + (static_cast<std::size_t>(y) + row) * stride + static_cast<std::size_t>(x);
    copied.insert(copied.end(), from, from + count);
  }
  auto clip = std::make_unique<BufferImage>(clip_name, clip_width, clip_height, std::move(copied),
                                            std::vector<std::uint32_t>());
  clip->plane = plane.Clip(width, x, y, clip->width, clip->height);
  clip->blank = false;
  return clip;
}

std::unique_ptr<IImage> BufferImage::Clone() const { return Clip(0, 0, width, height, name); }

std::unique_ptr<IImage> BufferImage::CreateBlank(int blank_width, int blank_height) const {
  return std::make_unique<BufferImage>(std::string(), blank_width, blank_height);
}

void BufferImage::FillRect(int x, int y, int fill_width, int fill_height, std::uint32_t argb) {
  if (IsPaletteImage()) return;  // as Draw: an indexed bitmap is not drawn on
  const Overlap area = OverlapOf(x, y, fill_width, fill_height, width, height);
  if (area.Empty()) return;
  for (std::int64_t row = area.top; row < area.bottom; ++row) {
    const auto start = pixels.begin() + row * width;
    std::fill(start + area.left, start + area.right, argb);
  }
}

void BufferImage::SetTransparentFromPalette() {
  if (IsPaletteImage()) KeyOut(palette[0]);
}

void BufferImage::SetTransparentFromPixel(int x, int y) {
  const bool inside = x >= 0 && y >= 0 && x < width && y < height;
  KeyOut(inside ? pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                         static_cast<std::size_t>(x)]
                : 0xFF000000u);
}

void BufferImage::KeyOut(std::uint32_t key) {
  // Redrawing onto a transparent surface with the key left out: keyed
  // pixels stay 0x00000000, fully transparent ones add nothing, every other
  // pixel arrives as it was.
  const std::uint32_t rgb = key & 0x00FFFFFFu;
  for (std::uint32_t& pixel : pixels) {
    if ((pixel & 0x00FFFFFFu) == rgb || (pixel >> 24) == 0) pixel = 0;
  }
  plane.Key(key);
  palette.clear();
  palette.shrink_to_fit();
}

void BufferImage::PaintTo(PaintTarget target, int x, int y) const {
  if (target == nullptr || target->pixels == nullptr || target->width < 1 || target->height < 1)
    return;
  const Overlap area = OverlapOf(x, y, width, height, target->width, target->height);
  if (area.Empty()) return;

  // Loaded on every call, as the texture may change beside the program.
  std::unique_ptr<IImage> loaded;
  try {
    loaded = OpenImage(kCheckerPath);
  } catch (const InvalidImageError&) {
    // No texture: the background stays as it is.
  }
  const auto* checker = dynamic_cast<const BufferImage*>(loaded.get());
  if (checker != nullptr && checker->pixels.empty()) checker = nullptr;

  const auto surface_width = static_cast<std::size_t>(target->width);
  for (std::int64_t row = area.top; row < area.bottom; ++row) {
    std::uint32_t* out = target->pixels + static_cast<std::size_t>(row) * surface_width;
    const std::uint32_t* in =
        pixels.data() + static_cast<std::size_t>(row - y) * static_cast<std::size_t>(width);
    const std::uint32_t* tile_row =
        checker ? checker->pixels.data() + static_cast<std::size_t>(row % checker->height) *
                                               static_cast<std::size_t>(checker->width)
                : nullptr;
    for (std::int64_t column = area.left; column < area.right; ++column) {
      std::uint32_t& pixel = out[column];
      if (tile_row) pixel = CompositeOver(tile_row[column % checker->width], pixel);
      pixel = CompositeOver(in[column - x], pixel);
    }
  }
}
