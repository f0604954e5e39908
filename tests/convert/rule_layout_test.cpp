// What a rule does to an image of one size, as the pipeline and the rule
// tools read it.
#include <gtest/gtest.h>

#include "convert/image_processor.h"
#include "convert/rule_layout.h"
#include "support/rule_file.h"

namespace {

struct LayoutCase {
  const char* keys;
  RuleLayout::Size image;
  RuleLayout::Rect clip;
  RuleLayout::Size cell;
  RuleLayout::Grid slots;
  std::vector<int> slotCells;
  RuleLayout::Size piece;
};

TEST(RuleLayout, ClipGridSlotsAndPieces) {
  const LayoutCase cases[] = {
      // Four cells reversed onto one row.
      {"SrcDiv=2,2\nNewSize=128,32\nReplace=3,2,1,0",
       {64, 64},
       {0, 0, 64, 64},
       {32, 32},
       {4, 1},
       {3, 2, 1, 0},
       {128, 32}},
      // 100 pixels in 3 columns: the last pixel column is in no cell.
      {"SrcDiv=3,1\nReplace=2,-1,7,-5",
       {100, 10},
       {0, 0, 100, 10},
       {33, 10},
       {3, 1},
       {2, -1, -1},
       {100, 10}},
      // A Clip side below 1 is the image's whole side; the canvas has a strip.
      {"Clip=0,10,0,32\nSrcDiv=1,1\nReplace=0,0\nNewSize=70,32",
       {64, 64},
       {0, 10, 64, 32},
       {64, 32},
       {1, 1},
       {0},
       {70, 32}},
      {"Clip=0,0,20,20\nSrcDiv=2,2\nReplace=0,1,2,3,0\nNewSize=30,30\nFileDiv=2,1",
       {64, 64},
       {0, 0, 20, 20},
       {10, 10},
       {3, 3},
       {0, 1, 2, 3, 0},
       {15, 30}},
      // A Clip outside the image, a grid finer than the image, no Replace.
      {"Clip=60,0,10,10\nReplace=0", {64, 64}, {60, 0, 0, 0}, {0, 0}, {0, 0}, {}, {0, 0}},
      {"SrcDiv=100,1\nReplace=0", {64, 64}, {0, 0, 64, 64}, {0, 0}, {0, 0}, {}, {64, 64}},
      {"SrcDiv=2,2", {64, 64}, {0, 0, 64, 64}, {32, 32}, {0, 0}, {}, {64, 64}},
  };
  const TempFolder folder;
  for (const LayoutCase& c : cases) {
    UseRuleFile(folder, std::string("[R]\n") + c.keys + "\n");
    const RuleLayout layout = LayoutOf(ImageProcessor("R"), c.image);
    SCOPED_TRACE(c.keys);
    EXPECT_EQ(
        std::vector<int>({layout.clip.x, layout.clip.y, layout.clip.width, layout.clip.height}),
        std::vector<int>({c.clip.x, c.clip.y, c.clip.width, c.clip.height}));
    EXPECT_EQ(layout.cell.width, c.cell.width);
    EXPECT_EQ(layout.cell.height, c.cell.height);
    EXPECT_EQ(layout.slots.columns, c.slots.columns);
    EXPECT_EQ(layout.slots.rows, c.slots.rows);
    EXPECT_EQ(layout.slotCells, c.slotCells);
    EXPECT_EQ(layout.piece.width, c.piece.width);
    EXPECT_EQ(layout.piece.height, c.piece.height);
  }
}

TEST(RuleLayout, PiecesAreNumberedWhenThereAreSeveral) {
  const TempFolder folder;
  UseRuleFile(folder, "[One]\nNameFoot=_b\n[Twelve]\nFileDiv=3,4\nNameFoot=_b\n");
  EXPECT_EQ(LayoutOf(ImageProcessor("One"), {64, 64}).PieceFileName("forest", 0),
            "[V]forest_b.png");
  const RuleLayout twelve = LayoutOf(ImageProcessor("Twelve"), {96, 128});
  EXPECT_EQ(twelve.PieceFileName("forest", 0), "[V]forest_b00.png");
  EXPECT_EQ(twelve.PieceFileName("forest", 11), "[V]forest_b11.png");
  const RuleLayout::Rect last = twelve.PieceRect(11);
  EXPECT_EQ(std::vector<int>({last.x, last.y, last.width, last.height}),
            std::vector<int>({64, 96, 32, 32}));
}

}  // namespace
