// What every image backend must do, checked through IImage and OpenImage
// alone: the same cases run natively and under wine. Pixels are read back
// by saving as PNG.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

#include "common/path.h"
#include "image/image.h"
#include "image/open_failure.h"
#include "support/files.h"
#include "support/image_files.h"

namespace {

constexpr std::uint32_t kMagenta = 0xFFFF00FF;
constexpr std::uint32_t kBlack = 0xFF000000;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kGreen = 0xFF00FF00;
constexpr std::uint32_t kBlue = 0xFF0000FF;

// 12 x 8 in four colours of a palette whose entry 0 is magenta.
IndexedPicture Sheet(std::vector<std::uint32_t> palette = {kMagenta, kRed, kGreen, kBlue}) {
  IndexedPicture picture{12, 8, std::move(palette), {}};
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x)
      picture.indices.push_back(static_cast<std::uint8_t>((x / 3 + y) % 4));
  }
  return picture;
}

// A picture of whole 8 x 8 blocks of one colour each, as JPEG keeps them.
Picture Blocks(std::vector<std::uint32_t> colours) {
  Picture picture{16, 16, {}};
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) picture.pixels.push_back(colours[(y / 8) * 2 + x / 8]);
  }
  return picture;
}

Picture Filled(int width, int height, std::uint32_t colour) {
  return Picture{width, height,
                 std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, colour)};
}

// Every fully transparent pixel counts as 0x00000000: its colour is not
// part of what the backends promise.
std::uint32_t Visible(std::uint32_t pixel) { return pixel >> 24 ? pixel : 0; }

bool Near(std::uint32_t a, std::uint32_t b, int tolerance) {
  for (int shift = 0; shift < 32; shift += 8) {
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) >
        tolerance) {
      return false;
    }
  }
  return true;
}

::testing::AssertionResult SamePixels(const Picture& actual, const Picture& expected,
                                      int tolerance = 0) {
  if (actual.width != expected.width || actual.height != expected.height) {
    return ::testing::AssertionFailure()
           << "size " << actual.width << "x" << actual.height << ", expected " << expected.width
           << "x" << expected.height;
  }
  for (int y = 0; y < actual.height; ++y) {
    for (int x = 0; x < actual.width; ++x) {
      if (!Near(Visible(actual.At(x, y)), Visible(expected.At(x, y)), tolerance)) {
        return ::testing::AssertionFailure()
               << std::hex << "pixel (" << std::dec << x << ", " << y << ") is " << std::hex
               << actual.At(x, y) << ", expected " << expected.At(x, y);
      }
    }
  }
  return ::testing::AssertionSuccess();
}

// Source over, in real numbers: what both backends approximate.
std::uint32_t Over(std::uint32_t source, std::uint32_t destination) {
  const double sa = (source >> 24) / 255.0, da = (destination >> 24) / 255.0;
  const double a = sa + da * (1 - sa);
  if (a == 0) return 0;
  std::uint32_t result = static_cast<std::uint32_t>(std::lround(a * 255)) << 24;
  for (int shift = 0; shift < 24; shift += 8) {
    const double sc = (source >> shift) & 0xFF, dc = (destination >> shift) & 0xFF;
    result |= static_cast<std::uint32_t>(std::lround((sc * sa + dc * da * (1 - sa)) / a)) << shift;
  }
  return result;
}

class ImageContractTest : public ::testing::Test {
 protected:
  std::unique_ptr<IImage> Open(const std::string& name, const std::string& bytes) {
    WriteFile(folder / name, bytes);
    return OpenImage(folder / name);
  }

  // The image's pixels, read back from a PNG it saves.
  Picture PixelsOf(const IImage& image) {
    const std::string path = folder / "readback.png";
    if (!image.Save(path)) {
      ADD_FAILURE() << "could not save " << image.GetName();
      return {};
    }
    return ReadPngFile(ReadFile(path));
  }

  TempFolder folder;
};

TEST_F(ImageContractTest, EveryOfferedFormatOpensWithItsPixels) {
  const Picture colour = Sheet().Expanded();
  const Picture grey_blocks = Blocks({0xFF000000, 0xFF808080, 0xFFFFFFFF, 0xFF3A3A3A});
  const Picture colour_blocks = Blocks({kRed, 0xFF20A040, 0xFF4060C0, 0xFFF0E0D0});
  Picture translucent = colour;
  for (std::size_t i = 0; i < translucent.pixels.size(); i += 5) translucent.pixels[i] = 0x80336699;
  translucent.pixels[1] = 0;

  struct Case {
    std::string name, bytes;
    Picture expected;
    int tolerance;
  };
  const std::vector<Case> cases = {
      {"24bit.bmp", BmpFile(colour), colour, 0},
      {"rgb.png", PngFile(colour, false), colour, 0},
      {"rgba.png", PngFile(translucent, true), translucent, 0},
      {"rgb.tiff", TiffFile(colour), colour, 0},
      {"palette.gif", GifFile(Sheet()), colour, 0},
      {"grey.jpg", JpegFile(grey_blocks), grey_blocks, 0},
      {"colour.jpeg", JpegFile(colour_blocks), colour_blocks, 3},
      // The content decides the format, not the extension.
      {"png-named.bmp", PngFile(colour, false), colour, 0},
      {"bmp-named.jpg", BmpFile(colour), colour, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<IImage> image = Open(c.name, c.bytes);
    EXPECT_EQ(image->GetName(), folder / c.name);
    EXPECT_EQ(image->GetWidth(), c.expected.width);
    EXPECT_EQ(image->GetHeight(), c.expected.height);
    EXPECT_TRUE(SamePixels(PixelsOf(*image), c.expected, c.tolerance));
  }
}

// Each palette format keeps its palette: entry 0 keys its pixels, also
// those of another entry of the same colour.
TEST_F(ImageContractTest, PaletteFilesKeepEntryZeroForKeying) {
  const IndexedPicture two = Sheet({kMagenta, kBlue});
  IndexedPicture two_by_two = two;
  for (auto& index : two_by_two.indices) index &= 1;
  std::vector<std::uint32_t> wide_palette(256, kGreen);
  wide_palette[0] = kMagenta;
  wide_palette[1] = kRed;
  wide_palette[2] = kMagenta;    // the same colour again
  wide_palette[3] = 0x80FF00FF;  // again, half transparent: alpha is not compared
  wide_palette[200] = kBlue;
  IndexedPicture wide = Sheet(wide_palette);
  for (std::size_t i = 0; i < wide.indices.size(); i += 7) wide.indices[i] = 200;
  constexpr std::uint32_t kOrange = 0xFFFF8000;  // not the same with red and blue swapped
  const IndexedPicture sixteen =
      Sheet({kOrange, kRed, kOrange, kBlue, kWhite, kBlack, kGreen, kGreen, kGreen, kGreen, kGreen,
             kGreen, kGreen, kGreen, kGreen, kGreen});

  struct Case {
    std::string name, bytes;
    IndexedPicture picture;
  };
  const std::vector<Case> cases = {
      {"1bit.bmp", BmpFile(two_by_two, 1), two_by_two},
      {"4bit.bmp", BmpFile(sixteen, 4), sixteen},
      {"8bit.bmp", BmpFile(wide, 8), wide},
      {"1bit.png", PngFile(two_by_two, 1), two_by_two},
      {"2bit.png", PngFile(Sheet(), 2), Sheet()},
      {"4bit.png", PngFile(sixteen, 4), sixteen},
      {"8bit.png", PngFile(wide, 8), wide},
      {"palette.gif", GifFile(sixteen), sixteen},
      {"palette.tiff", TiffFile(sixteen), sixteen},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<IImage> image = Open(c.name, c.bytes);
    Picture expected = c.picture.Expanded();
    if (c.name.find(".png") == std::string::npos) {
      for (auto& pixel : expected.pixels) pixel |= 0xFF000000;  // only PNG palettes carry alpha
    }
    EXPECT_TRUE(SamePixels(PixelsOf(*image), expected));
    image->SetTransparentFromPalette();
    const std::uint32_t key = c.picture.palette[0] & 0xFFFFFF;
    for (auto& pixel : expected.pixels) pixel = (pixel & 0xFFFFFF) == key ? 0 : pixel;
    EXPECT_TRUE(SamePixels(PixelsOf(*image), expected));
  }
}

TEST_F(ImageContractTest, GifTransparentIndexGivesTransparentPixels) {
  const IndexedPicture sheet = Sheet();
  std::unique_ptr<IImage> image = Open("transparent.gif", GifFile(sheet, 2));
  Picture expected = sheet.Expanded();
  for (auto& pixel : expected.pixels) pixel = pixel == kGreen ? 0 : pixel;
  EXPECT_TRUE(SamePixels(PixelsOf(*image), expected));
}

TEST_F(ImageContractTest, ClipSizesBelowOneMeanTheFullSizeFromTheEdge) {
  std::unique_ptr<IImage> image = Open("sheet.png", PngFile(Sheet().Expanded(), true));
  const Picture all = PixelsOf(*image);

  std::unique_ptr<IImage> full = image->Clip(0, 0, 0, 0, "全体");
  EXPECT_EQ(full->GetName(), "全体");
  EXPECT_TRUE(SamePixels(PixelsOf(*full), all));

  std::unique_ptr<IImage> rows = image->Clip(0, 0, -5, 6, "rows");
  Picture top = all;
  top.height = 6;
  top.pixels.resize(12 * 6);
  EXPECT_TRUE(SamePixels(PixelsOf(*rows), top));

  std::unique_ptr<IImage> part = image->Clip(4, 2, 5, 3, "part");
  Picture inner{5, 3, {}};
  for (int y = 2; y < 5; ++y) {
    for (int x = 4; x < 9; ++x) inner.pixels.push_back(all.At(x, y));
  }
  EXPECT_TRUE(SamePixels(PixelsOf(*part), inner));

  // Rectangles reaching outside, a defaulted size after a positive offset
  // among them, give an empty image.
  const int outside[][4] = {{1, 0, 0, 0}, {0, 1, 12, 0}, {-1, 0, 4, 4},      {0, -1, 4, 4},
                            {9, 0, 4, 4}, {0, 6, 4, 4},  {INT_MAX, 0, 4, 4}, {4, 4, INT_MAX, 1}};
  for (const auto& r : outside) {
    std::unique_ptr<IImage> clip = image->Clip(r[0], r[1], r[2], r[3], "outside");
    EXPECT_EQ(clip->GetWidth(), 0) << r[0] << "," << r[1] << "," << r[2] << "," << r[3];
    EXPECT_EQ(clip->GetHeight(), 0) << r[0] << "," << r[1] << "," << r[2] << "," << r[3];
  }
}

TEST_F(ImageContractTest, CloneOfAPaletteImageIsADrawableCopyUnderTheSameName) {
  std::unique_ptr<IImage> image = Open("palette.gif", GifFile(Sheet()));
  std::unique_ptr<IImage> copy = image->Clone();
  EXPECT_EQ(copy->GetName(), image->GetName());
  EXPECT_TRUE(SamePixels(PixelsOf(*copy), Sheet().Expanded()));

  // A palette image cannot be drawn on; its copy can.
  std::unique_ptr<IImage> white = Open("white.png", PngFile(Filled(2, 2, kWhite), false));
  image->Draw(*white, 0, 0);
  copy->Draw(*white, 0, 0);
  EXPECT_TRUE(SamePixels(PixelsOf(*image), Sheet().Expanded()));
  EXPECT_EQ(PixelsOf(*copy).At(1, 1), kWhite);
}

TEST_F(ImageContractTest, CreateBlankMakesTransparentUnnamedImages) {
  std::unique_ptr<IImage> any = Open("sheet.bmp", BmpFile(Sheet().Expanded()));
  std::unique_ptr<IImage> blank = any->CreateBlank(64, 32);
  EXPECT_EQ(blank->GetName(), "");
  EXPECT_TRUE(SamePixels(PixelsOf(*blank), Filled(64, 32, 0)));
  for (const auto& size : {std::pair<int, int>{0, 5}, {5, 0}, {-1, -1}}) {
    std::unique_ptr<IImage> empty = blank->CreateBlank(size.first, size.second);
    EXPECT_EQ(empty->GetWidth(), 0);
    EXPECT_EQ(empty->GetHeight(), 0);
    EXPECT_FALSE(empty->Save(folder / "empty.png"));  // nothing to write
  }
  EXPECT_FALSE(FileExists(folder / "empty.png"));
}

TEST_F(ImageContractTest, FillRectSetsExactlyThePixelsInsideTheImage) {
  std::unique_ptr<IImage> image = CreateBlankImage(6, 4);
  EXPECT_EQ(image->GetName(), "");
  Picture expected = Filled(6, 4, 0);
  auto fill = [&](int x, int y, int width, int height, std::uint32_t argb) {
    image->FillRect(x, y, width, height, argb);
    for (long long row = std::max(y, 0); row < std::min(y + 0LL + height, 4LL); ++row) {
      for (long long column = std::max(x, 0); column < std::min(x + 0LL + width, 6LL); ++column)
        expected.pixels[static_cast<std::size_t>(row * 6 + column)] = argb;
    }
  };
  fill(0, 0, 6, 4, kRed);
  fill(-2, -1, 3, 3, kBlue);             // over the top-left corner
  fill(4, 2, 10, 10, 0x80102030);        // half transparent: replaced, not blended
  fill(2, 1, 1, 1, 0x00FFFFFF);          // fully transparent
  fill(3, 0, 0, 4, kGreen);              // no width: nothing
  fill(3, 0, 2, -1, kGreen);             // nor a negative height
  fill(INT_MAX, INT_MAX, 5, 5, kGreen);  // far outside
  fill(INT_MIN, 3, INT_MAX, 1, kGreen);  // never reaches the image
  const Picture actual = PixelsOf(*image);
  ASSERT_EQ(actual.pixels.size(), expected.pixels.size());
  for (std::size_t i = 0; i < actual.pixels.size(); ++i) {
    // The colour of a fully transparent pixel is not promised.
    if (expected.pixels[i] >> 24 == 0) {
      EXPECT_EQ(actual.pixels[i] >> 24, 0u) << i;
    } else {
      EXPECT_EQ(actual.pixels[i], expected.pixels[i]) << i;
    }
  }

  // An image still in its file's palette format is not drawn on, a copy is.
  std::unique_ptr<IImage> palette = Open("sheet.png", PngFile(Sheet(), 8));
  palette->FillRect(0, 0, 2, 2, kWhite);
  EXPECT_TRUE(SamePixels(PixelsOf(*palette), Sheet().Expanded()));
  std::unique_ptr<IImage> copy = palette->Clone();
  copy->FillRect(0, 0, 2, 2, kWhite);
  EXPECT_EQ(PixelsOf(*copy).At(1, 1), kWhite);

  // Beyond the size limit there is no image to fill.
  std::unique_ptr<IImage> tooLarge = CreateBlankImage(1 << 20, 1 << 10);
  EXPECT_EQ(tooLarge->GetWidth(), 0);
  tooLarge->FillRect(0, 0, 10, 10, kRed);
}

TEST_F(ImageContractTest, SetTransparentFromPaletteLeavesImagesWithoutPaletteAlone) {
  const Picture magenta = Sheet().Expanded();  // magenta pixels, but no palette
  const Picture grey = Blocks({0xFF000000, 0xFF808080, 0xFFFFFFFF, 0xFF3A3A3A});
  for (const auto& file : {std::pair<std::string, std::string>{"rgb.png", PngFile(magenta, false)},
                           {"rgb.bmp", BmpFile(magenta)},
                           {"grey.jpg", JpegFile(grey)}}) {
    SCOPED_TRACE(file.first);
    std::unique_ptr<IImage> image = Open(file.first, file.second);
    const Picture before = PixelsOf(*image);
    image->SetTransparentFromPalette();
    EXPECT_TRUE(SamePixels(PixelsOf(*image), before));
  }
}

TEST_F(ImageContractTest, SetTransparentFromPixelKeysItsColourWhateverTheAlpha) {
  Picture picture = Sheet().Expanded();
  picture.pixels[0] = kBlack;
  picture.pixels[1] = 0x40000000;  // black, mostly transparent
  picture.pixels[2] = 0x80FF0000;  // red, half transparent
  std::unique_ptr<IImage> image = Open("keys.png", PngFile(picture, true));
  auto keyed = [](Picture p, std::uint32_t colour) {
    for (auto& pixel : p.pixels) pixel = (pixel & 0xFFFFFF) == (colour & 0xFFFFFF) ? 0 : pixel;
    return p;
  };

  image->SetTransparentFromPixel(-1, 3);  // outside: opaque black
  picture = keyed(picture, kBlack);
  EXPECT_TRUE(SamePixels(PixelsOf(*image), picture));
  image->SetTransparentFromPixel(2, 0);  // a second key on top of the first
  picture = keyed(picture, kRed);
  EXPECT_TRUE(SamePixels(PixelsOf(*image), picture));
  image->SetTransparentFromPixel(image->GetWidth(), 0);
  EXPECT_TRUE(SamePixels(PixelsOf(*image), picture));
}

TEST_F(ImageContractTest, DrawCompositesTheSourceOverTheDestination) {
  // Opaque, clear and half-transparent pixels of the source meet an opaque,
  // a clear and a half-transparent destination.
  const std::uint32_t sources[] = {kRed, 0x00000000, 0x80336699, 0x40FFFFFF};
  const std::uint32_t destinations[] = {kBlue, 0x00000000, 0x8000FF00};
  Picture source{4, 1, {std::begin(sources), std::end(sources)}};
  Picture destination{4, 3, {}};
  for (std::uint32_t d : destinations) destination.pixels.insert(destination.pixels.end(), 4, d);
  std::unique_ptr<IImage> image = Open("destination.png", PngFile(destination, true));
  std::unique_ptr<IImage> top = Open("source.png", PngFile(source, true));
  for (int y = 0; y < 3; ++y) image->Draw(*top, 0, y);

  const Picture result = PixelsOf(*image);
  ASSERT_EQ(result.pixels.size(), 12u);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) {
      const std::uint32_t s = sources[x], d = destinations[y];
      // Clear and opaque sources give exact results; partly transparent
      // ones may round either way.
      const bool blend = (s >> 24) != 0 && (s >> 24) != 255;
      EXPECT_TRUE(Near(Visible(result.At(x, y)), Visible(Over(s, d)), blend ? 1 : 0))
          << std::hex << "source " << s << " over " << d << " gave " << result.At(x, y);
    }
  }
}

TEST_F(ImageContractTest, DrawClipsTheSourceToTheDestination) {
  const Picture source = Sheet().Expanded();  // 12 x 8, opaque
  std::unique_ptr<IImage> top = Open("source.png", PngFile(source, false));
  std::unique_ptr<IImage> image = top->CreateBlank(10, 6);
  image->Draw(*top, -7, 2);  // its right part at the left edge
  image->Draw(*top, 8, -5);  // its bottom-left corner at the top right
  image->Draw(*top, 10, 0);  // wholly outside
  image->Draw(*top, 0, -8);
  Picture expected = Filled(10, 6, 0);
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 10; ++x) {
      if (x < 5 && y >= 2) expected.pixels[y * 10 + x] = source.At(x + 7, y - 2);
      if (x >= 8 && y < 3) expected.pixels[y * 10 + x] = source.At(x - 8, y + 5);
    }
  }
  EXPECT_TRUE(SamePixels(PixelsOf(*image), expected));
}

TEST_F(ImageContractTest, SaveWritesPngWhateverTheExtensionAndNeverAPartialFile) {
  const Picture picture = Sheet().Expanded();
  std::unique_ptr<IImage> image = Open("sheet.gif", GifFile(Sheet()));
  const std::string bmp = folder / "out.bmp";
  WriteFile(bmp, "an older file");
  ASSERT_TRUE(image->Save(bmp));
  const std::string written = ReadFile(bmp);
  EXPECT_EQ(written.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
  EXPECT_TRUE(SamePixels(ReadPngFile(written), picture));

  // Into a folder that does not exist, or onto a folder: nothing written,
  // nothing left behind.
  const std::vector<std::string> before = ListFolder(folder.Path());
  EXPECT_FALSE(image->Save(folder / "absent" + "/x.png"));
  MakeFolder(folder / "taken.png");
  EXPECT_FALSE(image->Save(folder / "taken.png"));
  EXPECT_TRUE(FolderExists(folder / "taken.png"));
  std::vector<std::string> after = ListFolder(folder.Path());
  after.erase(std::find(after.begin(), after.end(), "taken.png"));
  EXPECT_EQ(after, before);
}

TEST_F(ImageContractTest, FilesThatAreNoImagesAreInvalid) {
  const std::string png = PngFile(Sheet().Expanded(), false);
  std::string huge = png.substr(0, 8);
  std::string header("\0\x01\x86\xA0\0\x01\x86\xA0\x08\x06\0\0\0", 13);  // 100000 x 100000, RGBA
  huge += PngChunk("IHDR", header) + png.substr(8 + 25);

  WriteFile(folder / "text.png", "これは画像ではありません\n");
  WriteFile(folder / "empty.png", "");
  WriteFile(folder / "truncated.png", png.substr(0, png.size() / 2));
  WriteFile(folder / "huge.png", huge);
  MakeFolder(folder / "folder.png");
  for (const char* name : {"text.png", "empty.png", "truncated.png", "huge.png", "folder.png"}) {
    EXPECT_EQ(OpenFailure(folder / name), Text(Message::kInvalidFile)) << name;
  }
  // A file that is not there is no invalid file alone: the reason says why.
  EXPECT_EQ(OpenFailure(folder / "absent.png"),
            std::string(Text(Message::kInvalidFile)) + "（ファイルがありません）");
  EXPECT_EQ(OpenFailure(folder / ("text.png" + std::string(1, kPathSeparator) + "absent.png")),
            std::string(Text(Message::kInvalidFile)) + "（フォルダがありません）");
}

// Palette keeping, through the operations a conversion makes: cells cut
// from a keyed palette sheet and drawn in another order onto a larger blank
// canvas keep their source indices, also of two entries of one colour, and
// the canvas is written with the file's palette, entry for entry.
TEST_F(ImageContractTest, SaveWithPaletteKeepsTheFilesPaletteAndIndices) {
  // Entry 0 and entry 2 share magenta; red appears twice as well.
  const std::vector<std::uint32_t> colours = {kMagenta, kRed, kMagenta, kBlue, kGreen, kRed};
  IndexedPicture sheet{4, 2, colours, {0, 1, 2, 3, 2, 5, 4, 0}};
  const auto padded = [&](std::size_t length) {
    std::vector<std::uint32_t> palette = colours;
    palette.resize(length, kBlack);  // the writers fill their tables with black
    return palette;
  };
  IndexedPicture translucent = sheet;
  translucent.palette[4] = 0x80336699;  // kept by PNG alone

  struct Case {
    std::string name, bytes;
    IndexedPicture source;
    std::vector<std::uint32_t> palette;  // as the file holds it
  };
  const std::vector<Case> cases = {
      {"8bit.png", PngFile(translucent, 8), translucent, translucent.palette},
      {"4bit.png", PngFile(sheet, 4), sheet, colours},
      {"palette.gif", GifFile(sheet), sheet, padded(8)},
      {"8bit.bmp", BmpFile(sheet, 8), sheet, padded(256)},
      {"4bit.bmp", BmpFile(sheet, 4), sheet, padded(16)},
      {"palette.tiff", TiffFile(sheet), sheet, padded(256)},
  };
  // How the run settles transparency: palette entry 0, a picked pixel (red
  // at (1, 0)), or none.
  enum class Keying { kPalette, kPixel, kNone };
  for (const Case& c : cases) {
    for (const Keying keying : {Keying::kPalette, Keying::kPixel, Keying::kNone}) {
      SCOPED_TRACE(c.name + " keying " + std::to_string(static_cast<int>(keying)));
      std::unique_ptr<IImage> image = Open(c.name, c.bytes);
      ASSERT_TRUE(image->HasPaletteIndices());
      std::vector<std::uint32_t> palette = c.palette;
      std::uint32_t key = 0;
      if (keying == Keying::kPalette) {
        image->SetTransparentFromPalette();
        key = kMagenta;
      } else if (keying == Keying::kPixel) {
        image = image->Clone();  // the picker keys a copy
        image->SetTransparentFromPixel(1, 0);
        key = kRed;
      }
      for (auto& entry : palette) {
        if (keying != Keying::kNone && (entry & 0xFFFFFF) == (key & 0xFFFFFF)) entry &= 0xFFFFFF;
      }

      // Right cell to the left, left cell to the right, a blank column between.
      std::unique_ptr<IImage> left = image->Clip(0, 0, 2, 2, "");
      std::unique_ptr<IImage> right = image->Clip(2, 0, 2, 2, "");
      std::unique_ptr<IImage> canvas = image->CreateBlank(5, 3);
      canvas->Draw(*right, 0, 0);
      canvas->Draw(*left, 3, 0);
      ASSERT_TRUE(canvas->HasPaletteIndices());
      const std::string path = folder / "kept.png";
      ASSERT_TRUE(canvas->SaveWithPalette(path));

      const std::string written = ReadFile(path);
      EXPECT_EQ(written.substr(24, 2), std::string("\x08\x03", 2));  // 8 bits, palette
      const IndexedPicture kept = ReadIndexedPngFile(written);
      EXPECT_EQ(kept.palette, palette);
      EXPECT_EQ(kept.indices,
                (std::vector<std::uint8_t>{2, 3, 0, 0, 1, 4, 0, 0, 2, 5, 0, 0, 0, 0, 0}));
      // What a viewer shows is what the 32-bit file shows, but for blank
      // pixels: index 0, which shows entry 0.
      Picture shown = PixelsOf(*canvas);
      for (std::size_t i = 0; i < shown.pixels.size(); ++i) {
        if (shown.pixels[i] == 0 && kept.indices[i] == 0) shown.pixels[i] = palette[0];
      }
      EXPECT_TRUE(SamePixels(kept.Expanded(), shown));
    }
  }
}

// Indices last only while they say what the pixels show.
TEST_F(ImageContractTest, PaletteIndicesGoWhenTheyNoLongerHold) {
  const IndexedPicture sheet = Sheet();
  std::unique_ptr<IImage> palette = Open("sheet.gif", GifFile(sheet));
  std::unique_ptr<IImage> other =
      Open("other.gif", GifFile(Sheet({kRed, kMagenta, kGreen, kBlue})));
  std::unique_ptr<IImage> colour = Open("colour.png", PngFile(sheet.Expanded(), false));
  // Entry 2 half transparent: drawn over the sheet itself it blends.
  std::unique_ptr<IImage> translucent =
      Open("translucent.png", PngFile(Sheet({kMagenta, kRed, 0x80336699, kBlue}), 8));
  EXPECT_FALSE(colour->HasPaletteIndices());

  struct Case {
    std::string what;
    const IImage* first;
    const IImage* second;  // drawn at (offset, 0) after first at (0, 0)
    int offset;
    bool kept;
  };
  const std::vector<Case> cases = {
      {"one palette twice, side by side", palette.get(), palette.get(), 12, true},
      {"opaque over the same palette", palette.get(), palette.get(), 5, true},
      {"half transparent over the same palette", translucent.get(), translucent.get(), 5, false},
      {"truecolour onto a blank image", colour.get(), nullptr, 0, false},
      {"truecolour over indices", palette.get(), colour.get(), 0, false},
      {"another palette over indices", palette.get(), other.get(), 0, false},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(c.what);
    std::unique_ptr<IImage> canvas = palette->CreateBlank(24, 8);
    canvas->Draw(*c.first, 0, 0);
    if (c.second) canvas->Draw(*c.second, c.offset, 0);
    EXPECT_EQ(canvas->HasPaletteIndices(), c.kept);
    const std::string path = folder / ("kept" + std::to_string(i) + ".png");
    EXPECT_EQ(static_cast<bool>(canvas->SaveWithPalette(path)), c.kept);
    EXPECT_EQ(FileExists(path), c.kept);
  }

  // Drawing onto an image that was not blank gives no indices; dropping
  // them keeps the pixels.
  std::unique_ptr<IImage> drawn = palette->CreateBlank(12, 8);
  drawn->Draw(*colour, 0, 0);
  drawn->Draw(*palette, 0, 0);
  EXPECT_FALSE(drawn->HasPaletteIndices());
  std::unique_ptr<IImage> copy = palette->Clone();
  copy->DropPaletteIndices();
  EXPECT_FALSE(copy->HasPaletteIndices());
  EXPECT_TRUE(SamePixels(PixelsOf(*copy), sheet.Expanded()));
}

TEST_F(ImageContractTest, JapaneseFileNamesOpenAndSave) {
  std::unique_ptr<IImage> image = Open("地図チップ表.png", PngFile(Sheet().Expanded(), true));
  EXPECT_EQ(image->GetName(), folder / "地図チップ表.png");
  const std::string target = folder / "出力ソ.png";
  ASSERT_TRUE(image->Save(target));
  EXPECT_TRUE(SamePixels(ReadPngFile(ReadFile(target)), Sheet().Expanded()));
  EXPECT_EQ(OpenImage(target)->GetWidth(), 12);
}

}  // namespace
