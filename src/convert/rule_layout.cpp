#include "convert/rule_layout.h"

#include <algorithm>
#include <cstdint>

#include "image/image_limits.h"

namespace {

// The image layer's Clip: a side below 1 is the image's full side, and a
// rectangle that does not lie inside the image gives nothing.
RuleLayout::Rect ClipInside(RuleLayout::Rect clip, RuleLayout::Size image) {
  if (clip.width < 1) clip.width = image.width;
  if (clip.height < 1) clip.height = image.height;
  const bool inside = clip.x >= 0 && clip.y >= 0 &&
                      std::int64_t{clip.x} + clip.width <= image.width &&
                      std::int64_t{clip.y} + clip.height <= image.height;
  if (!inside || image.width < 1 || image.height < 1) return {clip.x, clip.y, 0, 0};
  return clip;
}

// The cell size of grid over clip. Pixels right of and below the whole
// cells belong to no cell; a grid finer than the clip has none: 0 x 0.
RuleLayout::Size CellSizeOf(const RuleLayout::Rect& clip, const RuleLayout::Grid& grid) {
  const RuleLayout::Size cell{clip.width / grid.columns, clip.height / grid.rows};
  return cell.width >= 1 && cell.height >= 1 ? cell : RuleLayout::Size{};
}

// The piece number with one "0" in front while it is below 10.
std::string PieceNumber(long long counter) {
  return (counter < 10 ? "0" : "") + std::to_string(counter);
}

}  // namespace

RuleLayout LayoutOf(const ImageProcessor& rule, RuleLayout::Size image) {
  return LayoutOf(rule, image, CellSizeOf(ClipInside(rule.ClipRect(), image), rule.SrcDiv()));
}

RuleLayout LayoutOf(const ImageProcessor& rule, RuleLayout::Size image, RuleLayout::Size slot) {
  RuleLayout layout;
  layout.image = image;
  layout.clip = ClipInside(rule.ClipRect(), image);
  layout.grid = rule.SrcDiv();
  layout.fileDiv = rule.FileDiv();
  layout.nameFoot = rule.NameFoot();

  layout.cell = CellSizeOf(layout.clip, layout.grid);
  if (layout.cell.width >= 1) {
    for (const int index : rule.ReplaceList()) {
      if (layout.HasCell(index)) layout.cutCells.push_back(index);
    }
    std::sort(layout.cutCells.begin(), layout.cutCells.end());
    layout.cutCells.erase(std::unique(layout.cutCells.begin(), layout.cutCells.end()),
                          layout.cutCells.end());
  }

  // Only 0 takes a side from the clipped image.
  const ImageProcessor::Size newSize = rule.NewSize();
  layout.canvas = {newSize.width != 0 ? newSize.width : layout.clip.width,
                   newSize.height != 0 ? newSize.height : layout.clip.height};
  layout.canvasMade = IsAllowedImageSize(layout.canvas.width, layout.canvas.height);

  // Item k of Replace belongs to canvas slot k, row by row; a strip right of
  // and below the whole slots stays blank.
  layout.slot = slot;
  layout.slots = {0, 0};
  if (!layout.cutCells.empty()) {
    layout.slots = layout.CanvasGrid();
    const std::vector<int>& replace = rule.ReplaceList();
    const long long used = std::min<long long>(layout.SlotCount(), replace.size());
    layout.slotCells.reserve(static_cast<std::size_t>(used));
    for (long long k = 0; k < used; ++k) {
      const int index = replace[static_cast<std::size_t>(k)];
      layout.slotCells.push_back(layout.HasCell(index) ? index : -1);
    }
  }

  layout.piece = {layout.canvas.width / layout.fileDiv.columns,
                  layout.canvas.height / layout.fileDiv.rows};
  return layout;
}

RuleLayout LayoutWithIndividual(const ImageProcessor& rule, RuleLayout::Size image,
                                const ImageProcessor& individual) {
  const RuleLayout cells = LayoutOf(rule, image);
  return LayoutOf(rule, image, LayoutOf(individual, cells.cell).ReturnedCanvas());
}

RuleLayout::Grid RuleLayout::CanvasGrid() const {
  if (!canvasMade || slot.width < 1 || slot.height < 1) return {0, 0};
  return {canvas.width / slot.width, canvas.height / slot.height};
}

int RuleLayout::CellInSlot(long long slot) const {
  return slot >= 0 && slot < static_cast<long long>(slotCells.size())
             ? slotCells[static_cast<std::size_t>(slot)]
             : -1;
}

RuleLayout::Rect RuleLayout::CellRect(int index) const {
  return {clip.x + index % grid.columns * cell.width, clip.y + index / grid.columns * cell.height,
          cell.width, cell.height};
}

RuleLayout::Rect RuleLayout::SlotRect(long long index) const {
  return {static_cast<int>(index % slots.columns) * slot.width,
          static_cast<int>(index / slots.columns) * slot.height, slot.width, slot.height};
}

RuleLayout::Rect RuleLayout::PieceRect(long long index) const {
  return {static_cast<int>(index % fileDiv.columns) * piece.width,
          static_cast<int>(index / fileDiv.columns) * piece.height, piece.width, piece.height};
}

RuleLayout::Size RuleLayout::ClipLeftOver() const {
  return {clip.width - cell.width * grid.columns, clip.height - cell.height * grid.rows};
}

RuleLayout::Size RuleLayout::CanvasLeftOver() const {
  if (slot.width < 1 || slot.height < 1) return {};
  return {canvas.width % slot.width, canvas.height % slot.height};
}

RuleLayout::Size RuleLayout::PiecesLeftOver() const {
  return {canvas.width - piece.width * fileDiv.columns,
          canvas.height - piece.height * fileDiv.rows};
}

long long RuleLayout::PieceAt(int x, int y) const {
  if (x < 0 || y < 0 || piece.width < 1 || piece.height < 1) return -1;
  const long long column = x / piece.width;
  const long long row = y / piece.height;
  if (column >= fileDiv.columns || row >= fileDiv.rows) return -1;
  return row * fileDiv.columns + column;
}

std::string RuleLayout::PieceFileName(const std::string& baseName, long long index) const {
  return "[V]" + baseName + nameFoot + (PieceCount() > 1 ? PieceNumber(index) : "") + ".png";
}

std::string RuleLayout::IndexTableFileName(const std::string& baseName) const {
  return "[V]" + baseName + nameFoot + ".csv";
}
