#include "convert/autotile_masks.h"

namespace {

constexpr int kNone = AutotileTable::kNoVariant;

// The neighbours that decide a corner's quarter.
struct CornerBits {
  int horizontal;
  int vertical;
  int diagonal;
};

CornerBits BitsOf(Corner corner) {
  switch (corner) {
    case Corner::kTopLeft:
      return {kWest, kNorth, kNorthWest};
    case Corner::kTopRight:
      return {kEast, kNorth, kNorthEast};
    case Corner::kBottomLeft:
      return {kWest, kSouth, kSouthWest};
    case Corner::kBottomRight:
      return {kEast, kSouth, kSouthEast};
  }
  return {};
}

// The blob mask of the sides e of wang16: N 1, E 2, S 4, W 8.
int SidesMask(int sides) {
  return (sides & 1 ? kNorth : 0) | (sides & 2 ? kEast : 0) | (sides & 4 ? kSouth : 0) |
         (sides & 8 ? kWest : 0);
}

AutotileTable Wang16() {
  AutotileTable table{4, 4, {}, kNone};
  for (int sides = 0; sides < 16; ++sides) table.masks.push_back(SidesMask(sides));
  return table;
}

}  // namespace

bool IsVariantMask(int mask) {
  if (mask < 0 || mask > 255) return false;
  for (const Corner corner : kCorners) {
    const CornerBits bits = BitsOf(corner);
    if ((mask & bits.diagonal) && !((mask & bits.horizontal) && (mask & bits.vertical)))
      return false;
  }
  return true;
}

QuarterKind QuarterOf(int mask, Corner corner) {
  const CornerBits bits = BitsOf(corner);
  const bool h = mask & bits.horizontal;
  const bool v = mask & bits.vertical;
  if (h && v) return mask & bits.diagonal ? QuarterKind::kInterior : QuarterKind::kInnerCorner;
  if (v) return QuarterKind::kVerticalSide;
  if (h) return QuarterKind::kHorizontalSide;
  return QuarterKind::kOuterCorner;
}

const AutotileTable& AutotileTableOf(AutotileLayout layout) {
  static const AutotileTable block2x3{2, 3, {0, 85, 28, 112, 7, 193}, 0};
  // clang-format off
  static const AutotileTable blob47{12, 4, {
       16,  20,  84,  80, 213,  92, 116,  87,  28, 125,   124, 112,
       17,  21,  85,  81,  29, 127, 253, 113,  31, 119, kNone, 245,
        1,   5,  69,  65,  23, 223, 247, 209,  95, 255,   221, 241,
        0,   4,  68,  64, 117,  71, 197,  93,   7, 199,   215, 193,
  }, kNone};
  // clang-format on
  static const AutotileTable wang16 = Wang16();
  switch (layout) {
    case AutotileLayout::kBlock2x3:
      return block2x3;
    case AutotileLayout::kBlob47:
      return blob47;
    case AutotileLayout::kWang16:
      return wang16;
  }
  return blob47;
}

std::optional<QuarterPlace> SourceQuarter(AutotileLayout from, int mask, Corner corner) {
  const AutotileTable& table = AutotileTableOf(from);
  const auto place = [&](int tile) {
    const int right = corner == Corner::kTopRight || corner == Corner::kBottomRight;
    const int lower = corner == Corner::kBottomLeft || corner == Corner::kBottomRight;
    return QuarterPlace{tile % table.columns * 2 + right, tile / table.columns * 2 + lower};
  };
  const int tiles = static_cast<int>(table.masks.size());
  for (int tile = 0; tile < tiles; ++tile) {
    if (tile != table.previewTile && table.masks[tile] == mask) return place(tile);
  }
  const QuarterKind kind = QuarterOf(mask, corner);
  for (int tile = 0; tile < tiles; ++tile) {
    const int shown = table.masks[tile];
    if (tile != table.previewTile && shown != kNone && QuarterOf(shown, corner) == kind)
      return place(tile);
  }
  return std::nullopt;
}
