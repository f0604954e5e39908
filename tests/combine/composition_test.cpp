// Composition read back pixel for pixel from the saved PNG, in both builds.
#include <gtest/gtest.h>

#include <cstdlib>

#include "combine/composition.h"
#include "combine/sheet_list.h"
#include "support/files.h"
#include "support/image_files.h"

namespace {

// Every pixel of sheet s names its sheet and position, so that a pixel
// found in the combined sheet tells where it came from.
std::uint32_t Marked(int sheet, int x, int y) {
  return 0xFF000000u | static_cast<std::uint32_t>(sheet) << 18 |
         static_cast<std::uint32_t>(x) << 9 | static_cast<std::uint32_t>(y);
}

Picture MarkedSheet(int sheet, int width, int height) {
  Picture picture{width, height, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) picture.pixels.push_back(Marked(sheet, x, y));
  }
  return picture;
}

Picture Filled(int width, int height, std::uint32_t colour) {
  return Picture{width, height,
                 std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, colour)};
}

class Composition : public testing::Test {
 protected:
  // Writes picture as a PNG and adds it to the list.
  void Add(const Picture& picture) {
    const std::string path = folder / ("sheet" + std::to_string(++written) + ".png");
    WriteFile(path, PngFile(picture, true));
    list.AddSheetFromFile(path);
  }

  // The combined sheet at width, saved and read back.
  Picture Combined(int width) {
    const std::unique_ptr<IImage> combined = ComposeSheets(list.Sheets(), width);
    EXPECT_NE(combined, nullptr);
    if (!combined) return Picture{};
    EXPECT_EQ(combined->GetName(), "");
    const std::string path = folder / "combined.png";
    EXPECT_TRUE(combined->Save(path));
    return ReadPngFile(ReadFile(path));
  }

  int Height(int width) {
    return ComputeStackHeight(list.Sheets(), static_cast<int>(list.Sheets().size()), width);
  }

  TempFolder folder;
  SheetList list;
  int written = 0;
};

// Sheet 1 of 256 x 512, sheet 2 of 512 x 256, sheet 3 of 128 x 128.
// expected(x, y) is the source pixel at a point of the combined sheet, or 0.
void ExpectWorkedExample(const Picture& combined, int width) {
  struct Band {
    int sheet, sheetWidth, sheetHeight;
  };
  const Band bands[] = {{1, 256, 512}, {2, 512, 256}, {3, 128, 128}};
  int top = 0;
  int wrong = 0;
  for (const Band& band : bands) {
    for (int strip = 0; strip * width < band.sheetWidth; ++strip) {
      for (int y = 0; y < band.sheetHeight; ++y) {
        for (int x = 0; x < width; ++x) {
          const int sourceX = strip * width + x;
          const std::uint32_t want =
              sourceX < band.sheetWidth ? Marked(band.sheet, sourceX, y) : 0u;
          const std::uint32_t got = combined.At(x, top + y);
          // A transparent pixel's colour is not promised, only its alpha.
          if ((want == 0 ? got >> 24 : got) != want && ++wrong <= 5) {
            ADD_FAILURE() << "width " << width << ", pixel (" << x << ", " << top + y << ")";
          }
        }
      }
      top += band.sheetHeight;
    }
  }
  EXPECT_EQ(top, combined.height);
  EXPECT_EQ(wrong, 0);
}

TEST_F(Composition, StacksTheWorkedExampleAtBothWidthsPixelForPixel) {
  Add(MarkedSheet(1, 256, 512));
  Add(MarkedSheet(2, 512, 256));
  Add(MarkedSheet(3, 128, 128));

  const Picture wide = Combined(256);
  ASSERT_EQ(wide.width, 256);
  ASSERT_EQ(wide.height, 1152);
  ExpectWorkedExample(wide, 256);

  const Picture narrow = Combined(128);
  ASSERT_EQ(narrow.width, 128);
  ASSERT_EQ(narrow.height, 2176);
  ExpectWorkedExample(narrow, 128);

  // Where each sheet begins, for scrolling to it.
  EXPECT_EQ(ComputeStackHeight(list.Sheets(), 0, 256), 0);
  EXPECT_EQ(ComputeStackHeight(list.Sheets(), 2, 256), 1024);
  EXPECT_EQ(ComputeStackHeight(list.Sheets(), 2, 128), 2048);
  EXPECT_EQ(ComputeStackHeight(list.Sheets(), 99, 128), 2176);
}

TEST_F(Composition, StripsCountWholeAndPartColumns) {
  EXPECT_EQ(Height(256), 0);
  EXPECT_EQ(ComposeSheets(list.Sheets(), 256), nullptr);

  // Exactly as wide: one strip; one pixel wider: a second strip one pixel
  // wide, the rest of its rows transparent.
  Add(Filled(256, 4, 0xFF112233));
  EXPECT_EQ(Height(256), 4);
  Add(Filled(257, 3, 0xFF445566));
  EXPECT_EQ(Height(256), 4 + 6);
  const Picture combined = Combined(256);
  ASSERT_EQ(combined.height, 10);
  EXPECT_EQ(combined.At(255, 3), 0xFF112233u);
  EXPECT_EQ(combined.At(255, 6), 0xFF445566u);
  EXPECT_EQ(combined.At(0, 7), 0xFF445566u);
  EXPECT_EQ(combined.At(1, 7) >> 24, 0u);
  EXPECT_EQ(combined.At(255, 9) >> 24, 0u);

  // At 128 the 256-pixel sheet has two strips, the 257-pixel one three.
  EXPECT_EQ(Height(128), 8 + 9);
}

TEST_F(Composition, KeepsAlphaAndKeysPaletteEntryZeroOnLoading) {
  // A 128-wide sheet at width 256: its right half stays transparent; a
  // half-transparent pixel keeps its alpha.
  Picture half = Filled(128, 2, 0xFF0000FF);
  half.pixels[0] = 0x80FF8000;
  Add(half);
  // Palette entry 0 (magenta) becomes transparent, also where another
  // entry holds the same colour.
  const IndexedPicture indexed{2, 1, {0xFFFF00FF, 0xFF00FF00, 0xFFFF00FF}, {1, 2}};
  const std::string path = folder / "indexed.png";
  WriteFile(path, PngFile(indexed, 8));
  list.AddSheetFromFile(path);

  const Picture combined = Combined(256);
  ASSERT_EQ(combined.height, 3);
  EXPECT_EQ(combined.At(0, 0) >> 24, 0x80u);
  EXPECT_LE(std::abs(static_cast<int>((combined.At(0, 0) >> 16) & 0xFF) - 0xFF), 1);
  EXPECT_EQ(combined.At(127, 1), 0xFF0000FFu);
  EXPECT_EQ(combined.At(128, 1) >> 24, 0u);
  EXPECT_EQ(combined.At(0, 2), 0xFF00FF00u);
  EXPECT_EQ(combined.At(1, 2) >> 24, 0u);
}

TEST_F(Composition, ACombinedSheetBeyondTheImageLimitIsEmptyAndCannotBeSaved) {
  // A 1-pixel-wide sheet of 600000 rows fills 256 x 600000 pixels at width
  // 256: more than the image layer makes.
  Add(Filled(1, 1, 0xFF000000));
  Sheets sheets;
  sheets.push_back(list.Sheets().front()->CreateBlank(1, 600000));
  ASSERT_EQ(sheets.front()->GetHeight(), 600000);
  EXPECT_EQ(ComputeStackHeight(sheets, 1, 256), 600000);
  const std::unique_ptr<IImage> combined = ComposeSheets(sheets, 256);
  ASSERT_NE(combined, nullptr);
  EXPECT_EQ(combined->GetWidth(), 0);
  EXPECT_FALSE(combined->Save(folder / "never.png"));
  EXPECT_FALSE(FileExists(folder / "never.png"));
}

}  // namespace
