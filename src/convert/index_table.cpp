#include "convert/index_table.h"

#include <cstdint>

#include "image/overlap.h"

namespace {

// A field of a CSV line: in double quotes, its own doubled, when it holds a
// comma, a quote or a line break.
std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) {
    quoted += c;
    if (c == '"') quoted += '"';
  }
  return quoted + "\"";
}

// The part of area that lies in rectangle bounds; empty when none does.
RuleLayout::Rect Intersection(const RuleLayout::Rect& area, const RuleLayout::Rect& bounds) {
  const Overlap part = OverlapOf(std::int64_t{area.x} - bounds.x, std::int64_t{area.y} - bounds.y,
                                 area.width, area.height, bounds.width, bounds.height);
  const auto left = static_cast<int>(bounds.x + part.left);
  const auto top = static_cast<int>(bounds.y + part.top);
  if (part.Empty()) return {left, top, 0, 0};
  return {left, top, static_cast<int>(part.right - part.left),
          static_cast<int>(part.bottom - part.top)};
}

}  // namespace

bool WriteIndexTable(std::FILE* file, const RuleLayout& layout, const std::string& baseName,
                     bool cellsAsCut) {
  std::fputs("piece,x,y,width,height,cell,source_x,source_y\n", file);
  for (long long slot = 0; slot < layout.SlotCount() && !std::ferror(file); ++slot) {
    const RuleLayout::Rect area = layout.SlotRect(slot);
    const int cell = layout.CellInSlot(slot);
    const RuleLayout::Rect source = cell >= 0 ? layout.CellRect(cell) : RuleLayout::Rect{};
    // The parts row by row, each up to the edge of the piece it starts in.
    for (int y = area.y; y < area.y + area.height;) {
      int partBottom = area.y + area.height;
      for (int x = area.x; x < area.x + area.width;) {
        const long long piece = layout.PieceAt(x, y);
        if (piece < 0) break;  // the rest of the row is in a remainder strip
        const RuleLayout::Rect pieceArea = layout.PieceRect(piece);
        const RuleLayout::Rect part = Intersection(area, pieceArea);
        std::string line = CsvField(layout.PieceFileName(baseName, piece)) + "," +
                           std::to_string(part.x - pieceArea.x) + "," +
                           std::to_string(part.y - pieceArea.y) + "," + std::to_string(part.width) +
                           "," + std::to_string(part.height) + "," + std::to_string(cell) + ",";
        if (cell >= 0) {
          line += std::to_string(source.x + (cellsAsCut ? part.x - area.x : 0)) + "," +
                  std::to_string(source.y + (cellsAsCut ? part.y - area.y : 0));
        } else {
          line += ",";
        }
        line += "\n";
        std::fputs(line.c_str(), file);
        partBottom = part.y + part.height;
        x = part.x + part.width;
      }
      if (layout.PieceAt(area.x, y) < 0) break;  // below the last row of pieces
      y = partBottom;
    }
  }
  return !std::ferror(file);
}
