// Composition read back pixel for pixel from the saved PNG, in both builds.
#include <gtest/gtest.h>

#include <cstdlib>

#include "combine/composition.h"
#include "combine/sheet_list.h"
#include "support/files.h"
#include "support/image_files.h"

namespace {

// Every pixel names its sheet, column and row, so that a pixel of the
// combined sheet tells where it came from.
std::uint32_t Marked(int sheet, int x, int y) {
  return 0xFF000000u | static_cast<std::uint32_t>(sheet) << 18 |
         static_cast<std::uint32_t>(x) << 9 | static_cast<std::uint32_t>(y);
}

class Composition : public testing::Test {
 protected:
  void Add(const Picture& picture) {
    const std::string path = folder / ("sheet" + std::to_string(list.Count()) + ".png");
    WriteFile(path, PngFile(picture, true));
    list.AddSheetFromFile(path);
  }
  void AddMarked(int sheet, int width, int height) {
    Picture picture{width, height, {}};
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) picture.pixels.push_back(Marked(sheet, x, y));
    }
    Add(picture);
  }

  // The combined sheet at width, saved and read back.
  Picture Combined(int width) {
    const std::unique_ptr<IImage> combined = ComposeSheets(list.Sheets(), width);
    if (!combined) return Picture{};
    EXPECT_EQ(combined->GetName(), "");
    EXPECT_TRUE(combined->Save(folder / "combined.png"));
    return ReadPngFile(ReadFile(folder / "combined.png"));
  }

  TempFolder folder;
  SheetList list;
};

TEST_F(Composition, StacksTheWorkedExampleAtBothWidthsPixelForPixel) {
  struct Band {
    int sheet, width, height;
  };
  const Band bands[] = {{1, 256, 512}, {2, 512, 256}, {3, 128, 128}};
  for (const Band& band : bands) AddMarked(band.sheet, band.width, band.height);

  for (const int width : {256, 128}) {
    const Picture combined = Combined(width);
    ASSERT_EQ(combined.width, width);
    ASSERT_EQ(combined.height, width == 256 ? 1152 : 2176);
    int top = 0;
    int wrong = 0;
    for (const Band& band : bands) {
      for (int strip = 0; strip * width < band.width; ++strip, top += band.height) {
        for (int y = 0; y < band.height; ++y) {
          for (int x = 0; x < width; ++x) {
            const int column = strip * width + x;
            const std::uint32_t got = combined.At(x, top + y);
            // Where no strip falls only transparency is promised, not a colour.
            const bool right =
                column < band.width ? got == Marked(band.sheet, column, y) : got >> 24 == 0;
            if (!right && ++wrong <= 3)
              ADD_FAILURE() << width << ": (" << x << ", " << top + y << ")";
          }
        }
      }
    }
    EXPECT_EQ(top, combined.height);
  }
  // Where each sheet begins, for scrolling to it.
  EXPECT_EQ(ComputeStackHeight(list.Sheets(), 0, 256), 0);
  EXPECT_EQ(ComputeStackHeight(list.Sheets(), 2, 256), 1024);
  EXPECT_EQ(ComputeStackHeight(list.Sheets(), 2, 128), 2048);
}

TEST_F(Composition, CutsPartStripsAndKeepsAlphaAndPaletteTransparency) {
  EXPECT_EQ(ComposeSheets(list.Sheets(), 256), nullptr);
  EXPECT_EQ(ComputeStackHeight(list.Sheets(), 0, 256), 0);
  // One pixel wider than the width: a second strip one pixel wide.
  Add(Picture{257, 3, std::vector<std::uint32_t>(257 * 3, 0xFF445566)});
  // A half-transparent pixel keeps its alpha.
  Add(Picture{1, 1, {0x80FF8000}});
  // Palette entry 0 (magenta) becomes transparent, also where a second
  // entry holds the same colour.
  WriteFile(folder / "indexed.png",
            PngFile(IndexedPicture{2, 1, {0xFFFF00FF, 0xFF00FF00, 0xFFFF00FF}, {1, 2}}, 8));
  list.AddSheetFromFile(folder / "indexed.png");

  EXPECT_EQ(ComputeStackHeight(list.Sheets(), 3, 128), 9 + 1 + 1);
  const Picture combined = Combined(256);
  ASSERT_EQ(combined.height, 8);
  EXPECT_EQ(combined.At(255, 2), 0xFF445566u);
  EXPECT_EQ(combined.At(0, 5), 0xFF445566u);
  EXPECT_EQ(combined.At(1, 5) >> 24, 0u);
  EXPECT_EQ(combined.At(0, 6) >> 24, 0x80u);
  EXPECT_LE(std::abs(static_cast<int>((combined.At(0, 6) >> 8) & 0xFF) - 0x80), 1);
  EXPECT_EQ(combined.At(1, 6) >> 24, 0u);
  EXPECT_EQ(combined.At(0, 7), 0xFF00FF00u);
  EXPECT_EQ(combined.At(1, 7) >> 24, 0u);
}

}  // namespace
