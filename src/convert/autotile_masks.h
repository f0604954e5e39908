#pragma once

#include <optional>
#include <vector>

#include "convert/autotile_layout.h"

// Which variant of a terrain each tile of an autotile layout is, and which
// quarter-tile a variant shows at each corner. A variant is named by its
// mask: the neighbours that are the same terrain, one bit each.
inline constexpr int kNorth = 1;
inline constexpr int kNorthEast = 2;
inline constexpr int kEast = 4;
inline constexpr int kSouthEast = 8;
inline constexpr int kSouth = 16;
inline constexpr int kSouthWest = 32;
inline constexpr int kWest = 64;
inline constexpr int kNorthWest = 128;

// True for the 47 masks that name a variant: a corner bit only where both
// sides beside it are set (a corner neighbour matters only then).
bool IsVariantMask(int mask);

// The four quarters of a tile, in reading order.
enum class Corner { kTopLeft, kTopRight, kBottomLeft, kBottomRight };
inline constexpr Corner kCorners[] = {Corner::kTopLeft, Corner::kTopRight, Corner::kBottomLeft,
                                      Corner::kBottomRight};

// What a variant's quarter at one corner shows, from the side beside it
// horizontally (h: W or E), the side vertically (v: N or S) and the corner
// between them (d).
enum class QuarterKind {
  kOuterCorner,     // neither side
  kHorizontalSide,  // h, not v: the terrain goes on sideways, open above or below
  kVerticalSide,    // v, not h
  kInnerCorner,     // h and v, not d
  kInterior,        // h, v and d
};

// The quarter that the variant of mask shows at corner.
QuarterKind QuarterOf(int mask, Corner corner);

// A layout's tiles: how many across and down, and for each tile, row by
// row, the mask of the variant drawn there, or kNoVariant.
struct AutotileTable {
  static constexpr int kNoVariant = -1;
  int columns;
  int rows;
  std::vector<int> masks;
  // A tile that only shows the terrain to a tool's user and whose quarters
  // no variant takes (the block's top-left), or kNoVariant. A rule into the
  // layout draws the variant of its mask there all the same.
  int previewTile;

  // The mask of the tile at column, row, or kNoVariant.
  int MaskAt(int column, int row) const {
    return masks[static_cast<std::size_t>(row * columns + column)];
  }
};

// The table of layout:
// - block2x3, 2 x 3 tiles: the preview (drawn as mask 0 where a rule makes
//   the block), the inner corners (85), then a 2 x 2 island (28, 112 over
//   7, 193), whose quarters are the outer corners, the sides and the
//   interior;
// - blob47, 12 x 4 tiles: the 47 variants in the order of the 3 x 3
//   minimal template of map editors, one tile blank;
// - wang16, 4 x 4 tiles: tile e holds the variant of the sides e (N 1, E 2,
//   S 4, W 8).
const AutotileTable& AutotileTableOf(AutotileLayout layout);

// Where a quarter lies in a sheet of a layout, in quarters (half tiles)
// from the top left.
struct QuarterPlace {
  int column;
  int row;
};

// The quarter of a sheet of layout from that a rule takes for the corner of
// the variant of mask: that corner of the variant's own tile where from has
// one, else of the first tile (in reading order, the preview left out)
// whose quarter there is of the same kind. Nothing when from has none.
std::optional<QuarterPlace> SourceQuarter(AutotileLayout from, int mask, Corner corner);
