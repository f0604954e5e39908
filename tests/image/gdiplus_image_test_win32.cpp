// Behaviour of the GDI+ image that only Windows has: Shift-JIS paths and the
// C locale used for them, the size limit over what GDI+ decodes, and
// painting on a device context.
#include "image/gdiplus_image_win32.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/wide_win32.h"
#include "support/files.h"
#include "support/image_files.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

ARGB PixelOf(const GdiplusImage& image, int x, int y) {
  ARGB colour = 0;
  EXPECT_EQ(GdipBitmapGetPixel(image.Bitmap(), x, y, &colour), Ok);
  return colour;
}

// A 32-bit ARGB image with the given rows of pixels.
std::unique_ptr<GdiplusImage> MakeImage(const std::vector<std::vector<ARGB>>& rows) {
  auto image =
      std::make_unique<GdiplusImage>(static_cast<int>(rows[0].size()),
                                     static_cast<int>(rows.size()), PixelFormat32bppARGB, "made");
  for (std::size_t y = 0; y < rows.size(); ++y)
    for (std::size_t x = 0; x < rows[y].size(); ++x)
      GdipBitmapSetPixel(image->Bitmap(), static_cast<int>(x), static_cast<int>(y), rows[y][x]);
  return image;
}

// Runs the test body inside folder as the working directory.
class WorkingFolder {
 public:
  explicit WorkingFolder(const std::string& folder) {
    GetCurrentDirectoryW(MAX_PATH, previous);
    SetCurrentDirectoryW(Wide(folder).c_str());
  }
  ~WorkingFolder() { SetCurrentDirectoryW(previous); }

 private:
  wchar_t previous[MAX_PATH] = {};
};

// 2 x 2 tiles: grey where x + y is even, white elsewhere.
constexpr std::uint32_t kGrey = 0xC0C0C0, kWhite = 0xFFFFFF;
const Picture kChecker{
    2, 2, {0xFF000000 | kGrey, 0xFF000000 | kWhite, 0xFF000000 | kWhite, 0xFF000000 | kGrey}};

// What PaintTo leaves on a width x height 32-bit DIB section first filled
// with background: 0x00RRGGBB per pixel, rows top-down.
std::vector<std::uint32_t> PaintOnBitmap(const IImage& image, int width, int height,
                                         std::uint32_t background) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  HDC dc = CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(dc, dib);
  auto* pixels = static_cast<std::uint32_t*>(bits);
  std::fill(pixels, pixels + width * height, background);
  image.PaintTo(dc, 0, 0);
  GdiFlush();
  std::vector<std::uint32_t> painted(pixels, pixels + width * height);
  for (auto& pixel : painted) pixel &= 0xFFFFFF;
  SelectObject(dc, previous);
  DeleteObject(dib);
  DeleteDC(dc);
  return painted;
}

// Channel by channel within one step, for blends of partly transparent pixels.
bool Near(std::uint32_t a, std::uint32_t b) {
  for (int shift = 0; shift < 32; shift += 8) {
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 1)
      return false;
  }
  return true;
}

TEST(GdiplusImagePaths, ShiftJisNamesWhoseTrailByteIsABackslash) {
  TempFolder temp;
  // "ソ" and "表" end in byte 0x5C; neither may be taken for a separator,
  // or the temporary file of a save lands in a folder that does not exist.
  const std::string folder = temp / "ソース";
  MakeFolder(folder);
  const std::string path = folder + "\\表.png";
  auto original = MakeImage({{0xFFFF0000, 0x80102030}});

  ASSERT_TRUE(original->Save(path));
  GdiplusImage reloaded(path);
  EXPECT_EQ(reloaded.GetName(), path);
  EXPECT_EQ(PixelOf(reloaded, 1, 0), 0x80102030u);
  {
    WorkingFolder inside(folder);  // a name without a folder: the working one
    EXPECT_TRUE(original->Save("ソ.png"));
  }
  EXPECT_EQ(ListFolder(folder), (std::vector<std::string>{"ソ.png", "表.png"}));
}

TEST(GdiplusImageLimits, FilesBeyondTheLimitAreInvalidEvenWhenGdiplusDecodesThem) {
  // 16384 x 8193 pixels, one more row than the limit allows; at one bit per
  // pixel GDI+ keeps it in 16 MiB, so the refusal is the layer's own.
  TempFolder temp;
  const std::string path = temp / "tall.png";
  {
    GpBitmap* bitmap = nullptr;
    ASSERT_EQ(GdipCreateBitmapFromScan0(16384, 8193, 0, PixelFormat1bppIndexed, nullptr, &bitmap),
              Ok);
    GdiplusImage wrapper(bitmap, 0, 0, 16384, 8193, PixelFormat1bppIndexed, "");
    GdipDisposeImage(bitmap);
    ASSERT_EQ(wrapper.GetHeight(), 8193);
    ASSERT_TRUE(wrapper.Save(path));
  }
  try {
    GdiplusImage image(path);
    ADD_FAILURE() << "decoded " << image.GetWidth() << " x " << image.GetHeight();
  } catch (const InvalidImageError&) {
  }
}

TEST(GdiplusImagePaint, OverTheCheckerAndWithoutIt) {
  constexpr std::uint32_t kBack = 0x123456;
  // Opaque red, clear, half-transparent blue; clear, clear, opaque green.
  auto image =
      MakeImage({{0xFFFF0000, 0x00000000, 0x800000FF}, {0x00000000, 0x00000000, 0xFF00FF00}});
  TempFolder temp;
  WorkingFolder inside(temp.Path());
  auto expect = [](const std::vector<std::uint32_t>& painted,
                   const std::vector<std::uint32_t>& expected) {
    for (std::size_t i = 0; i < expected.size(); ++i)
      EXPECT_PRED2(Near, painted[i], expected[i]) << i;
  };

  // Without "resource\check.bmp" the image alone, over what was there.
  expect(PaintOnBitmap(*image, 4, 3, kBack), {0xFF0000, kBack, 0x091AAB, kBack,  //
                                              kBack, kBack, 0x00FF00, kBack,     //
                                              kBack, kBack, kBack, kBack});
  // Over the checker, its tiles starting at the device's origin; nothing
  // beyond the image's own rectangle is painted.
  MakeFolder("resource");
  WriteFile("resource\\check.bmp", BmpFile(kChecker));
  expect(PaintOnBitmap(*image, 4, 3, kBack), {0xFF0000, kWhite, 0x5F5FDF, kBack,  //
                                              kWhite, kGrey, 0x00FF00, kBack,     //
                                              kBack, kBack, kBack, kBack});
  expect(PaintOnBitmap(*image->Clip(9, 9, 1, 1, ""), 4, 3, kBack),
         std::vector<std::uint32_t>(12, kBack));
}

}  // namespace
