#pragma once

// GDI+ needs the Windows and COM types declared first.
// clang-format off
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
// clang-format on

#include <memory>
#include <string>
#include <utility>

#include "image/image.h"
#include "image/index_plane.h"

// An image held in one GDI+ bitmap (flat API). GDI+ must be started
// (GdiplusStartup) before the first image is made and shut down after the
// last one is gone.
//
// A bitmap that cannot be made leaves the image empty: 0 x 0, no bitmap,
// and every operation on it does nothing.
class GdiplusImage final : public IImage {
 public:
  // Decodes the file at path (UTF-8). Throws InvalidImageError when
  // nothing can be decoded or the image is larger than the layer's limit.
  explicit GdiplusImage(const std::string& path);
  // A new bitmap of the library's own, every pixel 0x00000000.
  GdiplusImage(int width, int height, Gdiplus::PixelFormat format, const std::string& name);
  // A copy of the rectangle of source, converted to format.
  GdiplusImage(Gdiplus::GpBitmap* source, int x, int y, int width, int height,
               Gdiplus::PixelFormat format, const std::string& name);
  ~GdiplusImage() override;
  // An empty image named name.
  static std::unique_ptr<GdiplusImage> Empty(const std::string& name);

  GdiplusImage(const GdiplusImage&) = delete;
  GdiplusImage& operator=(const GdiplusImage&) = delete;

  std::string GetName() const override;
  int GetWidth() const override;
  int GetHeight() const override;
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

  // The bitmap, still owned by the image; null for an empty image.
  Gdiplus::GpBitmap* Bitmap() const { return bitmap; }

 private:
  struct NoBitmap {};
  GdiplusImage(NoBitmap, std::string name) : name(std::move(name)) {}

  // Replaces the bitmap by a 32-bit ARGB copy in which every pixel whose
  // red, green and blue equal key's is 0x00000000.
  void ClearColour(Gdiplus::ARGB key);
  // Records status when it is a failure; true when it is Ok.
  bool Check(Gdiplus::GpStatus status) const;
  // Writes bitmap (this image's or one made from it) to path as PNG.
  FileResult SaveBitmap(Gdiplus::GpBitmap* bitmap, const std::string& path) const;

  std::string name;
  Gdiplus::GpBitmap* bitmap = nullptr;
  // Decoded from a file with a colour table and not redrawn since: GDI+
  // cannot draw onto such a bitmap, and its palette entry 0 is the
  // transparent colour of palette keying.
  bool paletteImage = false;
  // The pixels' indices in the file's palette, beside the bitmap: GDI+ keeps
  // none once a bitmap is redrawn or converted.
  IndexPlane plane;
  // Made blank and not drawn on since.
  bool blank = false;
  // The last failed GDI+ call on this image, for a debugger's eyes only.
  mutable Gdiplus::GpStatus lastStatus = Gdiplus::Ok;
};
