// Behaviour of the GDI+ image that only Windows has: Shift-JIS paths, the
// C locale used for them, saving through a temporary file, and painting on a
// device context.
#include "image/gdiplus_image_win32.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/files.h"

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
  auto image = std::make_unique<GdiplusImage>(static_cast<int>(rows[0].size()),
                                              static_cast<int>(rows.size()), PixelFormat32bppARGB,
                                              "made");
  for (std::size_t y = 0; y < rows.size(); ++y)
    for (std::size_t x = 0; x < rows[y].size(); ++x)
      GdipBitmapSetPixel(image->Bitmap(), static_cast<int>(x), static_cast<int>(y), rows[y][x]);
  return image;
}

// Runs the test body inside folder as the working directory.
class WorkingFolder {
 public:
  explicit WorkingFolder(const std::string& folder) {
    GetCurrentDirectoryA(sizeof previous, previous);
    SetCurrentDirectoryA(folder.c_str());
  }
  ~WorkingFolder() { SetCurrentDirectoryA(previous); }

 private:
  char previous[MAX_PATH] = {};
};

// A 24-bit BMP of 2 x 2 pixels: grey where x + y is even, white elsewhere.
constexpr std::uint32_t kGrey = 0xC0C0C0, kWhite = 0xFFFFFF;
void WriteChecker(const std::string& path) {
  std::string bmp = "BM";
  auto put32 = [&bmp](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bmp += static_cast<char>(v >> (8 * i));
  };
  auto put16 = [&bmp](std::uint16_t v) { bmp += {static_cast<char>(v), static_cast<char>(v >> 8)}; };
  const std::uint32_t pixelBytes = 2 * 8;  // two rows of 6 bytes, padded to 8
  put32(54 + pixelBytes), put32(0), put32(54);
  put32(40), put32(2), put32(2), put16(1), put16(24), put32(0), put32(pixelBytes);
  put32(2835), put32(2835), put32(0), put32(0);
  // Rows bottom-up: row 1 is white, grey; row 0 is grey, white.
  for (std::uint32_t left : {kWhite, kGrey}) {
    const std::uint32_t right = left == kGrey ? kWhite : kGrey;
    for (std::uint32_t colour : {left, right})
      bmp += {static_cast<char>(colour), static_cast<char>(colour >> 8), static_cast<char>(colour >> 16)};
    bmp += std::string(2, '\0');
  }
  WriteFile(path, bmp);
}

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
  // "ソ" and "表" end in byte 0x5C; neither may be taken for a separator.
  const std::string folder = temp / "ソース";
  MakeFolder(folder);
  const std::string path = folder + "\\表.png";
  auto original = MakeImage({{0xFFFF0000, 0x80102030}});

  ASSERT_TRUE(original->Save(path));
  EXPECT_EQ(ListFolder(folder), std::vector<std::string>{"表.png"});
  GdiplusImage reloaded(path);
  EXPECT_EQ(reloaded.GetName(), path);
  EXPECT_EQ(PixelOf(reloaded, 0, 0), 0xFFFF0000u);
  EXPECT_EQ(PixelOf(reloaded, 1, 0), 0x80102030u);

  // A name without a folder goes to the working directory.
  {
    WorkingFolder inside(folder);
    EXPECT_TRUE(original->Save("ソ.png"));
  }
  EXPECT_EQ(ListFolder(folder), (std::vector<std::string>{"ソ.png", "表.png"}));

  // Paths were converted under the user's default locale, which stays set.
  const std::string locale = std::setlocale(LC_ALL, nullptr);
  EXPECT_NE(locale, "C");
  EXPECT_EQ(locale, std::setlocale(LC_ALL, ""));
}

TEST(GdiplusImageSave, TargetIsReplacedOnlyByACompleteFile) {
  TempFolder temp;
  auto image = MakeImage({{0xFF00FF00}});
  const std::string target = temp / "sheet.png";

  WriteFile(target, "old contents");
  ASSERT_TRUE(image->Save(target));
  EXPECT_EQ(ReadFile(target).substr(0, 4), "\x89PNG");
  EXPECT_EQ(ListFolder(temp.Path()), std::vector<std::string>{"sheet.png"});

  // A name taken by a folder cannot be replaced: the save fails and the
  // written temporary file is removed again.
  const std::string taken = temp / "taken.png";
  MakeFolder(taken);
  WriteFile(taken + "\\inside.txt", "kept");
  EXPECT_FALSE(image->Save(taken));
  EXPECT_EQ(ReadFile(taken + "\\inside.txt"), "kept");
  EXPECT_EQ(ListFolder(temp.Path()), (std::vector<std::string>{"sheet.png", "taken.png"}));

  EXPECT_FALSE(image->Save(temp / "missing\\sheet.png"));
  EXPECT_FALSE(image->Clip(5, 5, 1, 1, "outside")->Save(temp / "empty.png"));
  EXPECT_EQ(ListFolder(temp.Path()), (std::vector<std::string>{"sheet.png", "taken.png"}));
}

TEST(GdiplusImageLimits, FilesBeyondTheLimitAreInvalidEvenWhenGdiplusDecodesThem) {
  // 16384 x 8193 pixels, one more row than the limit allows; at one bit per
  // pixel GDI+ keeps it in 16 MiB, so the refusal is the layer's own.
  TempFolder temp;
  const std::string path = temp / "tall.png";
  {
    GpBitmap* bitmap = nullptr;
    ASSERT_EQ(GdipCreateBitmapFromScan0(16384, 8193, 0, PixelFormat1bppIndexed, nullptr, &bitmap), Ok);
    GdiplusImage wrapper(bitmap, 0, 0, 16384, 8193, PixelFormat1bppIndexed, "");
    GdipDisposeImage(bitmap);
    ASSERT_EQ(wrapper.GetHeight(), 8193);
    ASSERT_TRUE(wrapper.Save(path));
  }
  try {
    GdiplusImage image(path);
    ADD_FAILURE() << "decoded " << image.GetWidth() << " x " << image.GetHeight();
  } catch (const char* message) {
    EXPECT_STREQ(message, kInvalidFileMessage);
  }
}

TEST(GdiplusImagePaint, OverTheCheckerAndWithoutIt) {
  constexpr std::uint32_t kBackground = 0x123456;
  // Opaque red, transparent, half-transparent blue; transparent twice, opaque green.
  auto image = MakeImage({{0xFFFF0000, 0x00000000, 0x800000FF}, {0x00000000, 0x00000000, 0xFF00FF00}});
  TempFolder temp;
  WorkingFolder inside(temp.Path());

  // No "resource\check.bmp": the image alone, over what was there.
  std::vector<std::uint32_t> bare = PaintOnBitmap(*image, 4, 3, kBackground);
  EXPECT_EQ(bare[0], 0xFF0000u);
  EXPECT_EQ(bare[1], kBackground);
  EXPECT_PRED2(Near, bare[2], 0x091AABu);  // blue half over the background
  EXPECT_EQ(bare[4 + 0], kBackground);
  EXPECT_EQ(bare[4 + 2], 0x00FF00u);

  MakeFolder("resource");
  WriteChecker("resource\\check.bmp");
  std::vector<std::uint32_t> checked = PaintOnBitmap(*image, 4, 3, kBackground);
  EXPECT_EQ(checked[0], 0xFF0000u);
  EXPECT_EQ(checked[1], kWhite);  // tiles start at the device's origin
  EXPECT_PRED2(Near, checked[2], 0x5F5FDFu);  // blue half over grey
  EXPECT_EQ(checked[4 + 0], kWhite);
  EXPECT_EQ(checked[4 + 1], kGrey);
  EXPECT_EQ(checked[4 + 2], 0x00FF00u);
  // Nothing beyond the image's own rectangle is painted.
  for (int x = 0; x < 4; ++x) EXPECT_EQ(checked[8 + x], kBackground) << x;
  EXPECT_EQ(checked[3], kBackground);
  EXPECT_EQ(checked[4 + 3], kBackground);

  // An empty image paints nothing.
  std::vector<std::uint32_t> empty = PaintOnBitmap(*image->Clip(9, 9, 1, 1, ""), 4, 3, kBackground);
  EXPECT_EQ(empty, std::vector<std::uint32_t>(12, kBackground));
}

}  // namespace
