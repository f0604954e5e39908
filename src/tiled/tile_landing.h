#pragma once

#include <cstddef>
#include <optional>
#include <unordered_map>
#include <vector>

#include "tiled/index_tables.h"

// Where a tile of the source sheet landed: all its pixels together, in
// their order, at one place of one piece.
struct TileLanding {
  std::size_t table = 0;
  std::size_t piece = 0;  // in that table's pieces
  int x = 0;              // the tile's top-left pixel in the piece
  int y = 0;
  // The slot that holds it: the tile's offset in it, and its size.
  int slotX = 0;
  int slotY = 0;
  int slotWidth = 0;
  int slotHeight = 0;
};

enum class NotLanded {
  kDropped,  // no pixel of it was placed
  kSplit,    // placed in parts that lie apart, or only in part
};

// Finds landings in index tables, the earlier tables first.
class TileLandings {
 public:
  explicit TileLandings(const std::vector<IndexTable>& tables);

  // The landing of the tile at x, y of width x height in the source.
  std::optional<TileLanding> Find(int x, int y, int width, int height, NotLanded& why) const;

 private:
  struct Part {
    std::size_t table;
    const IndexTableLine* line;
  };
  // The parts whose source rectangles overlap a square of the bucket grid.
  std::vector<std::size_t> PartsNear(int x, int y, int width, int height) const;

  std::vector<Part> parts;
  std::unordered_map<long long, std::vector<std::size_t>> buckets;
};
