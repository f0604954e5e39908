// The autotile layouts and the quarter choice, checked against the layouts
// as game makers' tools define them, written out here by hand.
#include <gtest/gtest.h>

#include <set>

#include "convert/autotile_masks.h"
#include "ruletools/autotile_rules.h"

namespace {

// The 3 x 3 minimal template of 47 tiles, row by row; -1 the blank tile.
// clang-format off
const int kBlob47[4][12] = {
    {16, 20, 84, 80, 213,  92, 116,  87, 28, 125, 124, 112},
    {17, 21, 85, 81,  29, 127, 253, 113, 31, 119,  -1, 245},
    { 1,  5, 69, 65,  23, 223, 247, 209, 95, 255, 221, 241},
    { 0,  4, 68, 64, 117,  71, 197,  93,  7, 199, 215, 193},
};
// clang-format on

TEST(AutotileLayouts, TheTablesHoldTheTemplatesVariants) {
  const AutotileTable& blob = AutotileTableOf(AutotileLayout::kBlob47);
  ASSERT_EQ(blob.columns, 12);
  ASSERT_EQ(blob.rows, 4);
  std::set<int> masks;
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 12; ++column) {
      EXPECT_EQ(blob.MaskAt(column, row), kBlob47[row][column]) << column << "," << row;
      if (kBlob47[row][column] >= 0) masks.insert(kBlob47[row][column]);
    }
  }
  // 47 distinct masks, each a valid one, and no valid mask left out.
  EXPECT_EQ(masks.size(), 47u);
  for (int mask = 0; mask < 256; ++mask) {
    EXPECT_EQ(IsVariantMask(mask), masks.count(mask) == 1) << mask;
  }

  // wang16: tile (e % 4, e / 4) has the sides e (N 1, E 2, S 4, W 8).
  const AutotileTable& wang = AutotileTableOf(AutotileLayout::kWang16);
  ASSERT_EQ(wang.columns, 4);
  ASSERT_EQ(wang.rows, 4);
  const int sides[4] = {kNorth, kEast, kSouth, kWest};
  for (int e = 0; e < 16; ++e) {
    int mask = 0;
    for (int bit = 0; bit < 4; ++bit) mask |= e & (1 << bit) ? sides[bit] : 0;
    EXPECT_EQ(wang.MaskAt(e % 4, e / 4), mask) << e;
  }
}

// The quarters of a block2x3 (qx, qy) that a variant takes, by the kind of
// each corner: h and v and d interior, h and v inner corner, v vertical
// side, h horizontal side, neither outer corner.
TEST(AutotileLayouts, EachCornerTakesTheBlocksQuarterOfItsKind) {
  struct Case {
    const char* what;
    int mask;
    QuarterPlace topLeft, topRight, bottomLeft, bottomRight;
  };
  const Case cases[] = {
      {"alone: outer corners", 0, {0, 2}, {3, 2}, {0, 5}, {3, 5}},
      {"surrounded: interior", 255, {2, 4}, {1, 4}, {2, 3}, {1, 3}},
      {"four sides, no corner: inner corners",
       kNorth | kEast | kSouth | kWest,
       {2, 0},
       {3, 0},
       {2, 1},
       {3, 1}},
      {"north only: vertical sides above, outer corners below",
       kNorth,
       {0, 4},
       {3, 4},
       {0, 5},
       {3, 5}},
      {"east and west: horizontal sides", kEast | kWest, {2, 2}, {1, 2}, {2, 5}, {1, 5}},
      {"all but north-west: one inner corner", 255 & ~kNorthWest, {2, 0}, {1, 4}, {2, 3}, {1, 3}},
      {"south, east and south-east: the island's top left",
       kSouth | kEast | kSouthEast,
       {0, 2},
       {1, 2},
       {0, 3},
       {1, 3}},
      {"north, west, north-west and east: top a side, bottom open",
       kNorth | kWest | kNorthWest | kEast,
       {2, 4},
       {3, 0},
       {2, 5},
       {1, 5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const QuarterPlace expected[] = {c.topLeft, c.topRight, c.bottomLeft, c.bottomRight};
    for (int corner = 0; corner < 4; ++corner) {
      const std::optional<QuarterPlace> place =
          SourceQuarter(AutotileLayout::kBlock2x3, c.mask, kCorners[corner]);
      ASSERT_TRUE(place) << "corner " << corner;
      EXPECT_EQ(place->column, expected[corner].column) << "corner " << corner;
      EXPECT_EQ(place->row, expected[corner].row) << "corner " << corner;
    }
  }
}

TEST(AutotileRules, ASheetSuggestsItsLayoutTileSizeAndBlocks) {
  struct Case {
    int width, height;
    bool suggested;
    AutotileLayout from;
    int tile, columns, rows;
  };
  const Case cases[] = {
      {64, 96, true, AutotileLayout::kBlock2x3, 32, 1, 1},
      {96, 144, true, AutotileLayout::kBlock2x3, 48, 1, 1},
      {512, 384, true, AutotileLayout::kBlock2x3, 32, 8, 4},
      {768, 576, true, AutotileLayout::kBlock2x3, 48, 8, 4},
      {32, 48, true, AutotileLayout::kBlock2x3, 16, 1, 1},
      {384, 128, true, AutotileLayout::kBlob47, 32, 1, 1},
      // Fewer blocks than block2x3 of 32 makes (9 x 2, 18 x 4).
      {576, 192, true, AutotileLayout::kBlob47, 48, 1, 1},
      {1152, 384, true, AutotileLayout::kBlob47, 48, 2, 2},
      {100, 100, false, {}, 0, 0, 0},
      {16, 16, false, {}, 0, 0, 0},
  };
  for (const Case& c : cases) {
    const std::optional<AutotileRequest> request = SuggestAutotile({c.width, c.height});
    ASSERT_EQ(request.has_value(), c.suggested) << c.width << " x " << c.height;
    if (!request) continue;
    EXPECT_EQ(request->from, c.from);
    EXPECT_TRUE(HasAutotileRule(request->from, request->to));
    EXPECT_EQ(request->tile, c.tile);
    EXPECT_EQ(request->blocks.columns, c.columns);
    EXPECT_EQ(request->blocks.rows, c.rows);
  }
}

}  // namespace
