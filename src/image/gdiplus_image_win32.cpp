#include "image/gdiplus_image_win32.h"

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <cwchar>
#include <vector>

#include "common/file_replacement.h"
#include "image/image_limits.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

// Paths are Shift-JIS; GDI+ takes wide ones. The C runtime converts with the
// user's default locale, set for the whole process on first use.
bool ToWide(const std::string& narrow, std::wstring& wide) {
  static const bool localeSet = std::setlocale(LC_ALL, "") != nullptr;
  (void)localeSet;
  const std::size_t length = std::mbstowcs(nullptr, narrow.c_str(), 0);
  if (length == static_cast<std::size_t>(-1)) return false;
  wide.assign(length + 1, L'\0');
  std::mbstowcs(&wide[0], narrow.c_str(), length + 1);
  wide.resize(length);
  return true;
}

// GDI+ answers every bitmap with a palette record. The file's own colour
// table has entries, and is not one the decoder made up: the grey ramp of a
// grey JPEG, or the halftone table wine gives a decoded grey PNG.
bool HasColourTable(GpBitmap* bitmap, ARGB* entry0) {
  INT size = 0;
  if (GdipGetImagePaletteSize(bitmap, &size) != Ok || size < static_cast<INT>(sizeof(ColorPalette)))
    return false;
  std::vector<ARGB> buffer((size + sizeof(ARGB) - 1) / sizeof(ARGB));
  auto* palette = reinterpret_cast<ColorPalette*>(buffer.data());
  if (GdipGetImagePalette(bitmap, palette, size) != Ok || palette->Count == 0 ||
      (palette->Flags & (PaletteFlagsGrayScale | PaletteFlagsHalftone)))
    return false;
  if (entry0) *entry0 = palette->Entries[0];
  return true;
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
    throw kInvalidFileMessage;
  }
  paletteImage = HasColourTable(bitmap, nullptr);
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
  Check(DrawOnto(bitmap, other->bitmap, x, y, other->GetWidth(), other->GetHeight(), nullptr));
}

bool GdiplusImage::Save(const std::string& path) const {
  if (!bitmap) return false;
  CLSID encoder;
  if (!FindPngEncoder(encoder)) return false;

  // The PNG goes to a new file beside the target and then takes its name, so
  // that a failed save leaves the target as it was, never half written.
  FileReplacement replacement(path);
  std::wstring wideTemporary;
  return replacement.Created() && ToWide(replacement.TemporaryPath(), wideTemporary) &&
         Check(GdipSaveImageToFile(bitmap, wideTemporary.c_str(), &encoder, nullptr)) &&
         replacement.Commit();
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
  return std::make_unique<GdiplusImage>(bitmap, x, y, width, height, PixelFormat32bppARGB, name);
}

std::unique_ptr<IImage> GdiplusImage::Clone() const { return Clip(0, 0, 0, 0, name); }

std::unique_ptr<IImage> GdiplusImage::CreateBlank(int width, int height) const {
  if (!IsAllowedImageSize(width, height)) return Empty(std::string());
  return std::make_unique<GdiplusImage>(width, height, PixelFormat32bppARGB, std::string());
}

// The pixels are written through a lock of the rectangle rather than a
// brush, so that the colour lands exactly, alpha included, with no blending.
void GdiplusImage::FillRect(int x, int y, int width, int height, std::uint32_t argb) {
  if (!bitmap || paletteImage) return;
  PixelFormat format = 0;
  if (!Check(GdipGetImagePixelFormat(bitmap, &format)) || IsIndexedPixelFormat(format)) return;
  const long long left = std::max<long long>(x, 0);
  const long long top = std::max<long long>(y, 0);
  const long long right = std::min<long long>(static_cast<long long>(x) + width, GetWidth());
  const long long bottom = std::min<long long>(static_cast<long long>(y) + height, GetHeight());
  if (left >= right || top >= bottom) return;
  const GpRect area(static_cast<INT>(left), static_cast<INT>(top), static_cast<INT>(right - left),
                    static_cast<INT>(bottom - top));
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
  ARGB key = 0;
  if (bitmap && paletteImage && HasColourTable(bitmap, &key)) ClearColour(key);
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
