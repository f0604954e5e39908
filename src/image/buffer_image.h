#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "image/image.h"
#include "image/image_limits.h"
#include "image/index_plane.h"

// The image of the native build: 32-bit non-premultiplied ARGB pixels in
// memory (0xAARRGGBB, rows top to bottom, no padding), and for an image
// decoded from a palette file its palette. Such an image stays a palette
// image, which cannot be drawn on, until an operation replaces its pixels;
// its palette indices (IndexPlane) last beyond that.
class BufferImage final : public IImage {
 public:
  // An empty 0 x 0 image.
  BufferImage() = default;
  // A fully transparent width x height image; empty when the size is not
  // allowed (see IsAllowedImageSize).
  BufferImage(std::string name, int width, int height);
  // Pixels of a decoded file; pixels holds width x height entries, palette is
  // empty for a file without one. indices, one per pixel, are the pixels'
  // entries in palette when the decoder could read them (see IndexPlane).
  BufferImage(std::string name, int width, int height, std::vector<std::uint32_t> pixels,
              std::vector<std::uint32_t> palette, std::vector<std::uint8_t> indices = {});

  std::string GetName() const override { return name; }
  int GetWidth() const override { return width; }
  int GetHeight() const override { return height; }
  void Draw(const IImage& source, int x, int y) override;
  FileResult Save(const std::string& path) const override;
  std::unique_ptr<IImage> Clip(int x, int y, int width, int height,
                               const std::string& name) const override;
  std::unique_ptr<IImage> Clone() const override;
  std::unique_ptr<IImage> CreateBlank(int width, int height) const override;
  void FillRect(int x, int y, int width, int height, std::uint32_t argb) override;
  void SetTransparentFromPalette() override;
  void SetTransparentFromPixel(int x, int y) override;
  void PaintTo(PaintTarget target, int x, int y) const override;
  bool HasPaletteIndices() const override { return !plane.Empty(); }
  void DropPaletteIndices() override { plane = IndexPlane(); }
  FileResult SaveWithPalette(const std::string& path) const override;

  const std::vector<std::uint32_t>& Pixels() const { return pixels; }
  // The palette of a palette image, empty otherwise.
  const std::vector<std::uint32_t>& Palette() const { return palette; }
  bool IsPaletteImage() const { return !palette.empty(); }
  const IndexPlane& Plane() const { return plane; }

 private:
  // Every pixel whose red, green and blue equal key's becomes 0x00000000,
  // as does every fully transparent one; the image is ARGB afterwards.
  void KeyOut(std::uint32_t key);

  std::string name;
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  std::vector<std::uint32_t> palette;
  IndexPlane plane;
  // Made blank and not drawn on since: every pixel 0x00000000.
  bool blank = false;
};

// Composites one non-premultiplied ARGB pixel over another ("source over").
// A transparent destination takes the source exactly, an opaque source
// replaces the destination, a transparent source leaves it.
std::uint32_t CompositeOver(std::uint32_t source, std::uint32_t destination);
