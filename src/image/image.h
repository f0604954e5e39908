#pragma once

#include <cstdint>
#include <exception>
#include <memory>
#include <string>

#include "common/file_failure.h"
#include "image/paint_target.h"

// Thrown when a file cannot be decoded, or cannot even be opened: then
// Reason() is the system's reason, shown after the text of what().
class InvalidImageError : public std::exception {
 public:
  InvalidImageError() = default;
  explicit InvalidImageError(FileResult reason) : reason(reason) {}
  const char* what() const noexcept override;
  const FileResult& Reason() const { return reason; }

 private:
  FileResult reason;
};

// A raster image. Images the layer makes itself are 32-bit non-premultiplied
// ARGB; an image decoded from a file keeps the file's own format (a palette,
// for instance) until an operation replaces its pixels. Failures of the
// operations are not reported, except by Save's result.
class IImage {
 public:
  virtual ~IImage() = default;

  // The path it was loaded from, the name given to Clip, or empty.
  virtual std::string GetName() const = 0;
  virtual int GetWidth() const = 0;
  virtual int GetHeight() const = 0;

  // Composites the whole of source over this image, its top-left pixel at
  // (x, y); what falls outside this image is clipped away. An image still
  // in a file's palette format cannot be drawn on and stays as it is.
  virtual void Draw(const IImage& source, int x, int y) = 0;

  // Writes the image to path as PNG, whatever the extension. A failed or
  // interrupted save leaves no truncated file under path. Success when
  // written, otherwise why not.
  virtual FileResult Save(const std::string& path) const = 0;

  // A 32-bit ARGB copy of the rectangle, named name. A width or height below
  // 1 means the image's full width or height. A rectangle that does not lie
  // inside the image gives an empty 0 x 0 image.
  virtual std::unique_ptr<IImage> Clip(int x, int y, int width, int height,
                                       const std::string& name) const = 0;

  // A 32-bit ARGB copy under the same name.
  virtual std::unique_ptr<IImage> Clone() const = 0;

  // A new fully transparent 32-bit ARGB image with an empty name; a size
  // below 1 gives an empty image.
  virtual std::unique_ptr<IImage> CreateBlank(int width, int height) const = 0;

  // Makes every pixel of the colour of palette entry 0 (red, green and blue
  // alike) fully transparent. An image without a palette stays as it is.
  virtual void SetTransparentFromPalette() = 0;

  // Makes every pixel of the colour at (x, y) fully transparent; outside the
  // image the colour is opaque black.
  virtual void SetTransparentFromPixel(int x, int y) = 0;

  // Sets every pixel of the rectangle (as far as it lies inside the image)
  // to argb, 0xAARRGGBB, replacing what was there: no blending, so both
  // backends give the same pixels. An image still in a file's palette format
  // stays as it is, as under Draw.
  virtual void FillRect(int x, int y, int width, int height, std::uint32_t argb) = 0;

  // Paints the image at (x, y) of target over the checker texture
  // "resource/check.bmp" (relative to the working directory).
  virtual void PaintTo(PaintTarget target, int x, int y) const = 0;

  // Whether every pixel carries its index in the palette of the file the
  // image came from: so does a decoded palette image, through both
  // transparency operations, and what Clip and Clone make of it; a blank
  // image takes the indices of what is drawn onto it (blank pixels index 0),
  // unless two pixels blend or images of other palettes meet.
  virtual bool HasPaletteIndices() const = 0;
  // Forgets the indices; the pixels stay as they are.
  virtual void DropPaletteIndices() = 0;
  // Writes the image to path as an 8-bit palette PNG: the file's palette
  // entry for entry, in its order and length, each pixel's index, and every
  // entry of a colour made transparent since written as transparent. A
  // failure, writing nothing, without indices; like Save, never a partial
  // file.
  virtual FileResult SaveWithPalette(const std::string& path) const = 0;
};

// The image of the file at path, decoded by the build's imaging library.
// Throws InvalidImageError when the file cannot be opened (with the
// system's reason) or decoded.
std::unique_ptr<IImage> OpenImage(const std::string& path);

// A new fully transparent 32-bit ARGB image of the build's imaging library,
// with an empty name, for pictures drawn from nothing; a size beyond the
// limit gives an empty image.
std::unique_ptr<IImage> CreateBlankImage(int width, int height);
