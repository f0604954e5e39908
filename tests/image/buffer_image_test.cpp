// The native image beyond the shared contract: painting on an ARGB surface,
// the size limit, and files that are damaged on purpose.

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>

#include "image/buffer_image.h"
#include "image/open_failure.h"
#include "support/files.h"
#include "support/image_files.h"

namespace {

std::unique_ptr<BufferImage> Make(const Picture& picture) {
  return std::make_unique<BufferImage>("", picture.width, picture.height, picture.pixels,
                                       std::vector<std::uint32_t>());
}

void PutLe32(std::string& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
}

// Runs in a fresh working folder, where PaintTo looks for its texture.
class PaintToTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(folder.Path().c_str()), 0);
  }
  void TearDown() override { ASSERT_EQ(chdir(previous), 0); }

  TempFolder folder;
  char previous[PATH_MAX] = {};
};

TEST_F(PaintToTest, PaintsTheImageOverTheCheckerTiledFromTheSurfaceOrigin) {
  const std::uint32_t tiles[] = {0xFF111111, 0xFF222222, 0xFF333333, 0xFF444444};
  MakeFolder("resource");
  WriteFile("resource/check.bmp", BmpFile(Picture{2, 2, {std::begin(tiles), std::end(tiles)}}));
  const Picture picture{
      3, 2, {0xFFFF0000, 0x00000000, 0x800000FF, 0x00FFFFFF, 0xFF00FF00, 0x40FFFFFF}};
  const auto image = Make(picture);

  std::vector<std::uint32_t> pixels(6 * 4, 0xFF123456);
  ArgbSurface surface{pixels.data(), 6, 4};
  image->PaintTo(&surface, 3, 1);  // the right column falls outside
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 6; ++x) {
      const bool inside = x >= 3 && y >= 1 && y < 3;
      const std::uint32_t expected =
          inside ? CompositeOver(picture.At(x - 3, y - 1), tiles[(y % 2) * 2 + x % 2]) : 0xFF123456;
      EXPECT_EQ(pixels[y * 6 + x], expected) << x << ", " << y;
    }
  }
}

TEST_F(PaintToTest, WithoutTheCheckerTheImageGoesOverTheSurfaceAsItIs) {
  const Picture picture{2, 1, {0x80FF0000, 0xFF00FF00}};
  std::vector<std::uint32_t> pixels(4, 0xFF0000FF);
  ArgbSurface surface{pixels.data(), 2, 2};
  Make(picture)->PaintTo(&surface, -1, 1);
  EXPECT_EQ(pixels, (std::vector<std::uint32_t>{0xFF0000FF, 0xFF0000FF, 0xFF00FF00, 0xFF0000FF}));
  Make(picture)->PaintTo(&surface, 0, 0);
  EXPECT_EQ(pixels[0], CompositeOver(0x80FF0000, 0xFF0000FF));
  // Nothing to paint, or nothing to paint on.
  BufferImage().PaintTo(&surface, 0, 0);
  Make(picture)->PaintTo(nullptr, 0, 0);
  Make(picture)->PaintTo(&surface, INT_MAX, INT_MIN);
}

TEST(BufferImageTest, CompositingRoundsTheStraightAlphaBlend) {
  EXPECT_EQ(CompositeOver(0x80FF0000, 0xFF0000FF), 0xFF80007Fu);
  EXPECT_EQ(CompositeOver(0x80FF0000, 0x800000FF),
            0xC0AA0055u);  // 0.5 + 0.25 alpha, red weighs twice
  EXPECT_EQ(CompositeOver(0x01FFFFFF, 0x00000000), 0x01FFFFFFu);
  EXPECT_EQ(CompositeOver(0x00FFFFFF, 0x7F102030), 0x7F102030u);
}

TEST(BufferImageTest, DecodedPalettesLastUntilThePixelsAreReplaced) {
  TempFolder folder;
  const IndexedPicture picture{
      2, 1, {0xFFFF8000, 0xFF0000FF}, {1, 1}};  // entry 0 unused by the pixels
  WriteFile(folder / "a.bmp", BmpFile(picture, 8));
  WriteFile(folder / "a.tiff", TiffFile(picture));
  WriteFile(folder / "a.png", PngFile(picture, 1));
  WriteFile(folder / "a.gif", GifFile(picture));
  for (const char* name : {"a.bmp", "a.tiff", "a.png", "a.gif"}) {
    SCOPED_TRACE(name);
    const auto opened = OpenImage(folder / name);
    auto& image = dynamic_cast<BufferImage&>(*opened);
    ASSERT_TRUE(image.IsPaletteImage());
    EXPECT_EQ(image.Palette()[0], 0xFFFF8000u);
    EXPECT_FALSE(dynamic_cast<BufferImage&>(*image.Clone()).IsPaletteImage());
    image.SetTransparentFromPixel(-1, -1);
    EXPECT_FALSE(image.IsPaletteImage());
    EXPECT_EQ(image.Pixels(), (std::vector<std::uint32_t>{0xFF0000FF, 0xFF0000FF}));
  }
}

TEST(BufferImageTest, SizeLimitAdmitsLongSheetsAndTurnsAwayHugeHeaders) {
  TempFolder folder;
  const auto blank = BufferImage().CreateBlank(256, 100000);
  ASSERT_EQ(blank->GetHeight(), 100000);
  blank->Draw(*Make(Picture{1, 1, {0xFF00FF00}}), 255, 99999);
  ASSERT_TRUE(blank->Save(folder / "long.png"));
  const auto sheet = OpenImage(folder / "long.png");
  EXPECT_EQ(sheet->GetWidth(), 256);
  EXPECT_EQ(sheet->GetHeight(), 100000);
  EXPECT_EQ(dynamic_cast<BufferImage&>(*sheet).Pixels().back(), 0xFF00FF00u);

  for (const auto& size :
       {std::pair<int, int>{100000, 100000}, {kMaxImageSide + 1, 1}, {1 << 20, 129}}) {
    EXPECT_EQ(BufferImage().CreateBlank(size.first, size.second)->GetWidth(), 0);
  }

  // Headers that claim more than the limit, in every format: refused
  // before any pixel buffer is made (the sanitizer build would abort on
  // an allocation of that size).
  const Picture small{8, 8, std::vector<std::uint32_t>(64, 0xFF808080)};
  std::string bmp = BmpFile(small);
  PutLe32(bmp, 18, 100000);
  PutLe32(bmp, 22, 100000);
  std::string gif =
      GifFile(IndexedPicture{8, 8, {0xFF000000, 0xFFFFFFFF}, std::vector<std::uint8_t>(64, 1)});
  gif[6] = gif[7] = gif[8] = gif[9] = '\xFF';  // 65535 x 65535
  std::string tiff = TiffFile(small);
  PutLe32(tiff, 18, 100000);  // the values of the first two entries: width and height
  PutLe32(tiff, 30, 100000);
  std::string jpeg = JpegFile(small);
  const std::size_t frame = jpeg.find("\xFF\xC0");
  ASSERT_NE(frame, std::string::npos);
  jpeg.replace(frame + 5, 4, "\xFF\xFF\xFF\xFF");  // 65535 x 65535
  for (const auto& file : {std::pair<std::string, std::string>{"huge.bmp", bmp},
                           {"huge.gif", gif},
                           {"huge.tiff", tiff},
                           {"huge.jpg", jpeg}}) {
    WriteFile(folder / file.first, file.second);
    EXPECT_EQ(OpenFailure(folder / file.first), Text(Message::kInvalidFile)) << file.first;
  }
}

// Every prefix of a valid file, and the file with each byte in turn
// inverted, either opens or is refused with the message: no crash, no
// leak, no read beyond a buffer (the sanitizer build checks).
TEST(BufferImageTest, DamagedFilesOpenOrAreRefusedCleanly) {
  TempFolder folder;
  IndexedPicture picture{9, 5, {0xFFFF00FF, 0x80FF0000, 0xFF00FF00, 0xFF0000FF}, {}};
  for (int i = 0; i < 45; ++i) picture.indices.push_back(static_cast<std::uint8_t>(i * 7 % 4));
  const Picture colour = picture.Expanded();
  const std::string files[] = {
      PngFile(picture, 2), PngFile(colour, true),
      BmpFile(picture, 4), BmpFile(colour),
      GifFile(picture, 1), TiffFile(picture),
      TiffFile(colour),    JpegFile(Picture{16, 8, std::vector<std::uint32_t>(128, 0xFF406080)})};
  const std::string path = folder / "damaged";
  for (const std::string& file : files) {
    auto check = [&](const std::string& bytes) {
      WriteFile(path, bytes);
      const std::string failure = OpenFailure(path);
      EXPECT_TRUE(failure.empty() || failure == Text(Message::kInvalidFile));
    };
    WriteFile(path, file);
    ASSERT_EQ(OpenFailure(path), "");
    for (std::size_t length = 0; length < file.size(); ++length) check(file.substr(0, length));
    for (std::size_t at = 0; at < file.size(); ++at) {
      std::string bytes = file;
      bytes[at] = static_cast<char>(~bytes[at]);
      check(bytes);
    }
  }
}

}  // namespace
