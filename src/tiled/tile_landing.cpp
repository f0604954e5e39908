#include "tiled/tile_landing.h"

#include <algorithm>
#include <cstdint>

namespace {

// The side of a square of the grid that parts are filed under, in pixels.
constexpr int kBucket = 32;

long long BucketKey(long long column, long long row) { return column << 32 | row; }

// The area of the part of a line's source rectangle inside the tile.
std::int64_t SharedArea(const IndexTableLine& line, int x, int y, int width, int height) {
  const std::int64_t left = std::max(line.sourceX, x);
  const std::int64_t top = std::max(line.sourceY, y);
  const std::int64_t right = std::min<std::int64_t>(std::int64_t{line.sourceX} + line.width,
                                                    std::int64_t{x} + width);
  const std::int64_t bottom = std::min<std::int64_t>(std::int64_t{line.sourceY} + line.height,
                                                     std::int64_t{y} + height);
  return left < right && top < bottom ? (right - left) * (bottom - top) : 0;
}

}  // namespace

TileLandings::TileLandings(const std::vector<IndexTable>& tables) {
  for (std::size_t table = 0; table < tables.size(); ++table) {
    for (const IndexTableLine& line : tables[table].lines) {
      if (line.width <= 0 || line.height <= 0) continue;
      parts.push_back({table, &line});
      for (long long row = line.sourceY / kBucket;
           row <= (std::int64_t{line.sourceY} + line.height - 1) / kBucket; ++row) {
        for (long long column = line.sourceX / kBucket;
             column <= (std::int64_t{line.sourceX} + line.width - 1) / kBucket; ++column) {
          buckets[BucketKey(column, row)].push_back(parts.size() - 1);
        }
      }
    }
  }
}

std::vector<std::size_t> TileLandings::PartsNear(int x, int y, int width, int height) const {
  std::vector<std::size_t> near;
  for (long long row = y / kBucket; row <= (std::int64_t{y} + height - 1) / kBucket; ++row) {
    for (long long column = x / kBucket; column <= (std::int64_t{x} + width - 1) / kBucket;
         ++column) {
      const auto found = buckets.find(BucketKey(column, row));
      if (found != buckets.end()) near.insert(near.end(), found->second.begin(), found->second.end());
    }
  }
  std::sort(near.begin(), near.end());
  near.erase(std::unique(near.begin(), near.end()), near.end());
  return near;
}

std::optional<TileLanding> TileLandings::Find(int x, int y, int width, int height,
                                              NotLanded& why) const {
  const std::vector<std::size_t> near = PartsNear(x, y, width, height);
  const std::int64_t area = std::int64_t{width} * height;
  bool anyPlaced = false;
  // Each part that holds the tile's top-left pixel proposes a move; the
  // tile landed where the parts of that same move cover all of it.
  for (const std::size_t candidate : near) {
    const Part& start = parts[candidate];
    const IndexTableLine& line = *start.line;
    if (SharedArea(line, x, y, width, height) > 0) anyPlaced = true;
    if (SharedArea(line, x, y, 1, 1) == 0) continue;
    const int dx = line.x - line.sourceX;
    const int dy = line.y - line.sourceY;
    std::int64_t covered = 0;
    for (const std::size_t other : near) {
      const Part& part = parts[other];
      if (part.table == start.table && part.line->piece == line.piece &&
          part.line->x - part.line->sourceX == dx && part.line->y - part.line->sourceY == dy) {
        covered += SharedArea(*part.line, x, y, width, height);
      }
    }
    if (covered == area) {
      return TileLanding{start.table, line.piece, x + dx, y + dy,
                         x - line.sourceX, y - line.sourceY, line.width, line.height};
    }
  }
  why = anyPlaced ? NotLanded::kSplit : NotLanded::kDropped;
  return std::nullopt;
}
