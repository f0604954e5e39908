#include "image/gdiplus_image_win32.h"

#include <algorithm>
#include <cwchar>
#include <vector>

#include <shlwapi.h>

#include "common/encoding.h"
#include "common/file_replacement.h"
#include "common/wide_win32.h"
#include "image/image_limits.h"
#include "image/overlap.h"
#include "image/wic_indices_win32.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

// Paths are UTF-8 inside; GDI+ takes wide ones. A path that is not UTF-8
// names no file.
bool ToWide(const std::string& path, std::wstring& wide) {
  wide = Wide(path);
  return IsUtf8(path) && (path.empty() || !wide.empty());
}

// GDI+ answers every bitmap with a palette record. The file's own colour
// table has entries, and is not one the decoder made up: the grey ramp of a
// grey JPEG, or the halftone table wine gives a decoded grey PNG. Empty when
// the bitmap has no such table.
std::vector<std::uint32_t> ColourTable(GpBitmap* bitmap) {
  INT size = 0;
  if (GdipGetImagePaletteSize(bitmap, &size) != Ok || size < static_cast<INT>(sizeof(ColorPalette)))
    return {};
  std::vector<ARGB> buffer((size + sizeof(ARGB) - 1) / sizeof(ARGB));
  auto* palette = reinterpret_cast<ColorPalette*>(buffer.data());
  if (GdipGetImagePalette(bitmap, palette, size) != Ok ||
      (palette->Flags & (PaletteFlagsGrayScale | PaletteFlagsHalftone)))
    return {};
  return std::vector<std::uint32_t>(palette->Entries, palette->Entries + palette->Count);
}

bool FindPngEncoder(CLSID& encoder) {
  encoder = CLSID{};
  UINT count = 0, bytes = 0;
  if (GdipGetImageEncodersSize(&count, &bytes) != Ok || bytes == 0) return false;
  std::vector<unsigned char> buffer(bytes);
  auto* codecs = reinterpret_cast<ImageCodecInfo*>(buffer.data());
  if (GdipGetImageEncoders(count, bytes, codecs) != Ok) return false;
  for (UINT i = 0; i < count; ++i) {
    if (codecs[i].MimeType && std::wcscmp(codecs[i].MimeType, L"image/png") == 0) {
      encoder = codecs[i].Clsid;
      return true;
    }
  }
  return false;
}

// The pixels of the rectangle (x, y, width, height) of the bitmap as 32-bit
// ARGB, rows top to bottom; empty on failure.
std::vector<std::uint32_t> ArgbPixels(GpBitmap* bitmap, int x, int y, int width, int height) {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) *
                                    static_cast<std::size_t>(height));
  const GpRect area{x, y, width, height};
  BitmapData data{};
  data.Width = static_cast<UINT>(width);
  data.Height = static_cast<UINT>(height);
  data.Stride = width * 4;
  data.PixelFormat = PixelFormat32bppARGB;
  data.Scan0 = pixels.data();
  if (pixels.empty() ||
      GdipBitmapLockBits(bitmap, &area, ImageLockModeRead | ImageLockModeUserInputBuf,
                         PixelFormat32bppARGB, &data) != Ok) {
    return {};
  }
  GdipBitmapUnlockBits(bitmap, &data);
  return pixels;
}

// Draws source 1:1 onto target with its top-left pixel at (x, y).
GpStatus DrawOnto(GpImage* target, GpImage* source, int x, int y, int width, int height,
                  const GpImageAttributes* attributes) {
  GpGraphics* graphics = nullptr;
  GpStatus status = GdipGetImageGraphicsContext(target, &graphics);
  if (status != Ok) return status;
  status = GdipDrawImageRectRectI(graphics, source, x, y, width, height, 0, 0, width, height,
                                  UnitPixel, attributes, nullptr, nullptr);
  GdipDeleteGraphics(graphics);
  return status;
}

}  // namespace

GdiplusImage::GdiplusImage(const std::string& path) : name(path) {
  std::wstring widePath;
  if (!ToWide(path, widePath) || GdipCreateBitmapFromFileICM(widePath.c_str(), &bitmap) != Ok)
    bitmap = nullptr;
  // The size comes from the file's header: Windows' GDI+ decodes the pixels
  // on first use, so an oversized file is refused before they are allocated
  // (wine's decodes at once and fails on its own when they do not fit).
  // A width of 0 means that nothing was decoded.
  const int width = GetWidth();
  const int height = GetHeight();
  if (!IsAllowedImageSize(width, height)) {
    if (bitmap) GdipDisposeImage(bitmap);
    bitmap = nullptr;
    throw InvalidImageError();
  }
  paletteImage = !ColourTable(bitmap).empty();
  std::vector<std::uint32_t> palette;
  std::vector<std::uint8_t> indices;
  if (paletteImage && ReadIndicesWithWic(widePath, width, height, palette, indices)) {
    const std::vector<std::uint32_t> pixels = ArgbPixels(bitmap, 0, 0, width, height);
    plane =
        IndexPlane::Decoded(std::move(palette), std::move(indices), pixels.data(), pixels.size());
  }
}

GdiplusImage::GdiplusImage(int width, int height, PixelFormat format, const std::string& name)
    : name(name) {
  if (!Check(GdipCreateBitmapFromScan0(width, height, 0, format, nullptr, &bitmap)))
    bitmap = nullptr;
}

GdiplusImage::GdiplusImage(GpBitmap* source, int x, int y, int width, int height,
                           PixelFormat format, const std::string& name)
    : name(name) {
  if (!Check(GdipCloneBitmapAreaI(x, y, width, height, format, source, &bitmap))) bitmap = nullptr;
}

std::unique_ptr<GdiplusImage> GdiplusImage::Empty(const std::string& name) {
  return std::unique_ptr<GdiplusImage>(new GdiplusImage(NoBitmap{}, name));
}

GdiplusImage::~GdiplusImage() {
  if (bitmap) GdipDisposeImage(bitmap);
}

bool GdiplusImage::Check(GpStatus status) const {
  if (status != Ok) lastStatus = status;
  return status == Ok;
}

std::string GdiplusImage::GetName() const { return name; }

int GdiplusImage::GetWidth() const {
  UINT width = 0;
  if (!bitmap || !Check(GdipGetImageWidth(bitmap, &width))) return 0;
  return static_cast<int>(width);
}

int GdiplusImage::GetHeight() const {
  UINT height = 0;
  if (!bitmap || !Check(GdipGetImageHeight(bitmap, &height))) return 0;
  return static_cast<int>(height);
}

void GdiplusImage::Draw(const IImage& source, int x, int y) {
  const auto* other = dynamic_cast<const GdiplusImage*>(&source);
  if (!bitmap || paletteImage || !other || !other->bitmap) return;
  // GDI+ gives no drawing context for an indexed bitmap (a grey JPEG is
  // one); wine's would draw in the nearest palette colours, so it is refused
  // here on every system.
  PixelFormat format = 0;
  if (!Check(GdipGetImagePixelFormat(bitmap, &format)) || IsIndexedPixelFormat(format)) return;
  if (other == this) {
    // GDI+ does not promise to read a bitmap while drawing on it.
    const std::unique_ptr<IImage> copy = Clone();
    Draw(*copy, x, y);
    return;
  }
  const int width = GetWidth(), height = GetHeight();
  const int otherWidth = other->GetWidth(), otherHeight = other->GetHeight();
  const Overlap area = OverlapOf(x, y, otherWidth, otherHeight, width, height);
  if (!area.Empty() && other->plane.Empty()) {
    plane = IndexPlane();
  } else if (!area.Empty() && (!plane.Empty() || blank)) {
    // The indices follow from the pixels where the two meet, before they change.
    const int left = static_cast<int>(area.left), top = static_cast<int>(area.top);
    const int w = static_cast<int>(area.right - area.left);
    const int h = static_cast<int>(area.bottom - area.top);
    const std::vector<std::uint32_t> sourcePixels =
        ArgbPixels(other->bitmap, left - x, top - y, w, h);
    const std::vector<std::uint32_t> pixels = ArgbPixels(bitmap, left, top, w, h);
    if (pixels.empty() || sourcePixels.empty()) {
      plane = IndexPlane();
    } else {
      const auto stride = static_cast<std::size_t>(w);
      plane.Draw(other->plane, {sourcePixels.data(), stride, left - x, top - y}, otherWidth,
                 otherHeight, {pixels.data(), stride, left, top}, width, height, x, y, blank);
    }
  }
  blank = false;
  Check(DrawOnto(bitmap, other->bitmap, x, y, otherWidth, otherHeight, nullptr));
}

FileResult GdiplusImage::Save(const std::string& path) const {
  if (!bitmap) return {FileFailure::kNoSystemReason, 0};
  return SaveBitmap(bitmap, path);
}

// An 8-bit indexed bitmap with the plane's palette and indices, which the
// PNG encoder writes as a palette PNG of that palette.
FileResult GdiplusImage::SaveWithPalette(const std::string& path) const {
  if (!bitmap || plane.Empty()) return {FileFailure::kNoSystemReason, 0};
  const int width = GetWidth(), height = GetHeight();
  const std::vector<std::uint32_t>& entries = plane.Palette();
  std::vector<ARGB> buffer(2 + entries.size());  // Flags, Count, Entries
  auto* palette = reinterpret_cast<ColorPalette*>(buffer.data());
  palette->Count = static_cast<UINT>(entries.size());
  palette->Flags = 0;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    palette->Entries[i] = entries[i];
    if ((entries[i] >> 24) != 255) palette->Flags |= PaletteFlagsHasAlpha;
  }
  GpBitmap* indexed = nullptr;
  if (!Check(
          GdipCreateBitmapFromScan0(width, height, 0, PixelFormat8bppIndexed, nullptr, &indexed)))
    return {FileFailure::kNoSystemReason, 0};
  std::vector<std::uint8_t> indices = plane.Indices();  // rows GDI+ reads on unlocking
  const GpRect area{0, 0, width, height};
  BitmapData data{};
  data.Width = static_cast<UINT>(width);
  data.Height = static_cast<UINT>(height);
  data.Stride = width;
  data.PixelFormat = PixelFormat8bppIndexed;
  data.Scan0 = indices.data();
  const bool prepared =
      Check(GdipSetImagePalette(indexed, palette)) &&
      Check(GdipBitmapLockBits(indexed, &area, ImageLockModeWrite | ImageLockModeUserInputBuf,
                               PixelFormat8bppIndexed, &data)) &&
      Check(GdipBitmapUnlockBits(indexed, &data));
  const FileResult written =
      prepared ? SaveBitmap(indexed, path) : FileResult{FileFailure::kNoSystemReason, 0};
  GdipDisposeImage(indexed);
  return written;
}

FileResult GdiplusImage::SaveBitmap(GpBitmap* image, const std::string& path) const {
  const FileResult notMade{FileFailure::kNoSystemReason, 0};
  CLSID encoder;
  if (!FindPngEncoder(encoder)) return notMade;

  // The PNG goes to a new file beside the target and then takes its name, so
  // that a failed save leaves the target as it was, never half written.
  FileReplacement replacement(path);
  if (!replacement.Created()) return replacement.Creation();
  std::wstring wideTemporary;
  if (!ToWide(replacement.TemporaryPath(), wideTemporary)) return notMade;
  // The hidden file is opened as it is: saving to its name would make it
  // anew, which Windows refuses for a hidden file.
  IStream* stream = nullptr;
  const HRESULT opened = SHCreateStreamOnFileEx(wideTemporary.c_str(), STGM_WRITE,
                                                FILE_ATTRIBUTE_HIDDEN, FALSE, nullptr, &stream);
  if (FAILED(opened)) {
    return HRESULT_FACILITY(opened) == FACILITY_WIN32
               ? FileResultFromWindowsError(HRESULT_CODE(opened))
               : notMade;
  }
  const GpStatus status = GdipSaveImageToStream(image, stream, &encoder, nullptr);
  const DWORD error = GetLastError();
  stream->Release();
  if (!Check(status)) return status == Win32Error ? FileResultFromWindowsError(error) : notMade;
  return replacement.Commit();
}

std::unique_ptr<IImage> GdiplusImage::Clip(int x, int y, int width, int height,
                                           const std::string& name) const {
  const long long fullWidth = GetWidth();
  const long long fullHeight = GetHeight();
  if (width < 1) width = static_cast<int>(fullWidth);
  if (height < 1) height = static_cast<int>(fullHeight);
  const bool inside = bitmap && width > 0 && height > 0 && x >= 0 && y >= 0 &&
                      x + static_cast<long long>(width) <= fullWidth &&
                      y + static_cast<long long>(height) <= fullHeight;
  if (!inside) return Empty(name);
  auto clip =
      std::make_unique<GdiplusImage>(bitmap, x, y, width, height, PixelFormat32bppARGB, name);
  clip->plane = plane.Clip(static_cast<int>(fullWidth), x, y, width, height);
  return clip;
}

std::unique_ptr<IImage> GdiplusImage::Clone() const { return Clip(0, 0, 0, 0, name); }

std::unique_ptr<IImage> GdiplusImage::CreateBlank(int width, int height) const {
  if (!IsAllowedImageSize(width, height)) return Empty(std::string());
  auto image = std::make_unique<GdiplusImage>(width, height, PixelFormat32bppARGB, std::string());
  image->blank = true;
  return image;
}

// The pixels are written through a lock of the rectangle rather than a
// brush, so that the colour lands exactly, alpha included, with no blending.
void GdiplusImage::FillRect(int x, int y, int width, int height, std::uint32_t argb) {
  if (!bitmap || paletteImage) return;
  PixelFormat format = 0;
  if (!Check(GdipGetImagePixelFormat(bitmap, &format)) || IsIndexedPixelFormat(format)) return;
  const Overlap inside = OverlapOf(x, y, width, height, GetWidth(), GetHeight());
  if (inside.Empty()) return;
  const GpRect area(static_cast<INT>(inside.left), static_cast<INT>(inside.top),
                    static_cast<INT>(inside.right - inside.left),
                    static_cast<INT>(inside.bottom - inside.top));
  BitmapData data{};
  if (!Check(GdipBitmapLockBits(bitmap, &area, ImageLockModeWrite, PixelFormat32bppARGB, &data)))
    return;
  for (UINT row = 0; row < data.Height; ++row) {
    auto* line = reinterpret_cast<ARGB*>(static_cast<BYTE*>(data.Scan0) +
                                         static_cast<std::ptrdiff_t>(row) * data.Stride);
    std::fill(line, line + data.Width, static_cast<ARGB>(argb));
  }
  Check(GdipBitmapUnlockBits(bitmap, &data));
}

void GdiplusImage::SetTransparentFromPalette() {
  if (!bitmap || !paletteImage) return;
  const std::vector<std::uint32_t> table = ColourTable(bitmap);
  if (!table.empty()) ClearColour(table[0]);
}

void GdiplusImage::SetTransparentFromPixel(int x, int y) {
  if (!bitmap) return;
  ARGB key = 0xFF000000;
  if (x < 0 || y < 0 || x >= GetWidth() || y >= GetHeight() ||
      !Check(GdipBitmapGetPixel(bitmap, x, y, &key)))
    key = 0xFF000000;
  ClearColour(key);
}

void GdiplusImage::ClearColour(ARGB key) {
  const int width = GetWidth();
  const int height = GetHeight();
  GpImageAttributes* attributes = nullptr;
  if (!Check(GdipCreateImageAttributes(&attributes))) return;
  GpBitmap* surface = nullptr;
  const bool drawn =
      Check(GdipSetImageAttributesColorKeys(attributes, ColorAdjustTypeBitmap, TRUE, key, key)) &&
      Check(GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, &surface)) &&
      Check(DrawOnto(surface, bitmap, 0, 0, width, height, attributes));
  GdipDisposeImageAttributes(attributes);
  if (!drawn) {
    if (surface) GdipDisposeImage(surface);
    return;
  }
  // The surface is already the 32-bit ARGB result; it becomes the bitmap.
  GdipDisposeImage(bitmap);
  bitmap = surface;
  paletteImage = false;
  plane.Key(key);
}

void GdiplusImage::PaintTo(PaintTarget target, int x, int y) const {
  if (!bitmap) return;
  const int width = GetWidth();
  const int height = GetHeight();
  GpGraphics* graphics = nullptr;
  if (!Check(GdipCreateFromHDC(target, &graphics))) return;

  // The checker is read on every paint; without it the image is painted bare.
  GpImage* checker = nullptr;
  if (GdipLoadImageFromFile(L"resource\\check.bmp", &checker) == Ok) {
    GpTexture* brush = nullptr;
    if (Check(GdipCreateTexture(checker, WrapModeTile, &brush))) {
      Check(GdipFillRectangleI(graphics, brush, x, y, width, height));
      GdipDeleteBrush(brush);
    }
    GdipDisposeImage(checker);
  }
  Check(GdipDrawImageRectRectI(graphics, bitmap, x, y, width, height, 0, 0, width, height,
                               UnitPixel, nullptr, nullptr, nullptr));
  GdipDeleteGraphics(graphics);
}
