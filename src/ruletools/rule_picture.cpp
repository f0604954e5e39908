#include "ruletools/rule_picture.h"

#include <algorithm>
#include <memory>

#include "common/file_failure.h"
#include "common/messages.h"
#include "image/image_limits.h"
#include "ruletools/number_marks.h"
#include "ruletools/picture_parts.h"
#include "ruletools/rule_preview.h"
#include "ruletools/rule_size.h"

namespace {

// Between the source and the canvas.
constexpr int kGap = 16;
constexpr std::uint32_t kBackground = 0xFF303030;
// Behind the transparent pixels of the source and the canvas.
constexpr std::uint32_t kImageArea = 0xFF505050;
// The neutral grid: cells, their right and bottom edges, and what no cell holds.
constexpr std::uint32_t kGridCell = 0xFFC8C8C8;
constexpr std::uint32_t kGridEdge = 0xFF989898;
constexpr std::uint32_t kGridOutside = 0xFF787878;
// Cell edges are drawn on cells at least this large.
constexpr int kSmallestEdgedCell = 4;
constexpr std::uint32_t kPieceLine = 0xFF00C8FF;

// The whole cells of the grid, in source pixels.
RuleLayout::Rect CellArea(const RuleLayout& layout) {
  const RuleLayout::Rect last = layout.CellRect(static_cast<int>(layout.CellCount() - 1));
  return {layout.clip.x, layout.clip.y, last.x + last.width - layout.clip.x,
          last.y + last.height - layout.clip.y};
}

}  // namespace

std::unique_ptr<IImage> NeutralGrid(const RuleLayout& layout) {
  std::unique_ptr<IImage> grid = CreateBlankImage(layout.image.width, layout.image.height);
  grid->FillRect(0, 0, layout.image.width, layout.image.height, kGridOutside);
  if (layout.cell.width < 1 || layout.cell.height < 1) return grid;
  const RuleLayout::Rect area = CellArea(layout);
  grid->FillRect(area.x, area.y, area.width, area.height, kGridCell);
  if (layout.cell.width >= kSmallestEdgedCell) {
    for (int column = 0; column < layout.grid.columns; ++column) {
      const RuleLayout::Rect cell = layout.CellRect(column);
      grid->FillRect(cell.x + cell.width - 1, area.y, 1, area.height, kGridEdge);
    }
  }
  if (layout.cell.height >= kSmallestEdgedCell) {
    for (int row = 0; row < layout.grid.rows; ++row) {
      const RuleLayout::Rect cell = layout.CellRect(row * layout.grid.columns);
      grid->FillRect(area.x, cell.y + cell.height - 1, area.width, 1, kGridEdge);
    }
  }
  return grid;
}

bool NumberCells(IImage& picture, const RuleLayout& layout) {
  if (layout.cell.width < 1 || layout.cell.height < 1) return true;
  if (layout.cell.width < kSmallestNumberedArea || layout.cell.height < kSmallestNumberedArea)
    return false;
  bool all = true;
  for (int cell = 0; cell < layout.CellCount(); ++cell)
    all = DrawNumberMark(picture, layout.CellRect(cell), cell) && all;
  return all;
}

bool NumberSlots(IImage& picture, const RuleLayout& layout, int left) {
  if (layout.SlotCount() == 0) return true;
  if (layout.slot.width < kSmallestNumberedArea || layout.slot.height < kSmallestNumberedArea)
    return false;
  bool all = true;
  for (long long slot = 0; slot < layout.SlotCount(); ++slot) {
    RuleLayout::Rect area = layout.SlotRect(slot);
    area.x += left;
    all = DrawNumberMark(picture, area, layout.CellInSlot(slot)) && all;
  }
  return all;
}

void DrawPieceLines(IImage& picture, const RuleLayout& layout, int left) {
  if (layout.piece.width < 1 || layout.piece.height < 1) return;
  const RuleLayout::Rect last = layout.PieceRect(layout.PieceCount() - 1);
  const int width = last.x + last.width;
  const int height = last.y + last.height;
  picture.FillRect(left, 0, width, 1, kPieceLine);
  picture.FillRect(left, height - 1, width, 1, kPieceLine);
  picture.FillRect(left, 0, 1, height, kPieceLine);
  picture.FillRect(left + width - 1, 0, 1, height, kPieceLine);
  for (int column = 1; column < layout.fileDiv.columns; ++column)
    picture.FillRect(left + layout.PieceRect(column).x - 1, 0, 2, height, kPieceLine);
  for (long long row = 1; row < layout.fileDiv.rows; ++row) {
    picture.FillRect(left, layout.PieceRect(row * layout.fileDiv.columns).y - 1, width, 2,
                     kPieceLine);
  }
}

RulePicture DrawRulePicture(const ImageProcessor& rule, const RuleLayout& layout,
                            const IImage* sheet, const std::string& path) {
  RulePicture result;
  if (!layout.canvasMade) {
    result.error =
        Text(Message::kPictureNoCanvas, {SizeText(layout.canvas.width, layout.canvas.height)});
    return result;
  }
  const long long width = static_cast<long long>(layout.image.width) + kGap + layout.canvas.width;
  const long long height = std::max(layout.image.height, layout.canvas.height);
  if (!IsAllowedImageSize(width, height)) {
    result.error = Text(Message::kPictureTooLarge,
                        {SizeText(width, height), SizeText(kMaxImageSide, kMaxImageSide),
                         std::to_string(kMaxImagePixels)});
    return result;
  }

  const std::unique_ptr<IImage> source = sheet ? sheet->Clip(0, 0, 0, 0, "") : NeutralGrid(layout);
  const std::unique_ptr<IImage> canvas = ComposePreview(rule, *source);
  const std::unique_ptr<IImage> picture =
      CreateBlankImage(static_cast<int>(width), static_cast<int>(height));
  if (picture->GetWidth() != width || source->GetWidth() != layout.image.width) {
    result.error = Text(Message::kPictureNoMemory);
    return result;
  }
  const int canvasLeft = layout.image.width + kGap;
  picture->FillRect(0, 0, picture->GetWidth(), picture->GetHeight(), kBackground);
  picture->FillRect(0, 0, layout.image.width, layout.image.height, kImageArea);
  picture->Draw(*source, 0, 0);
  picture->FillRect(canvasLeft, 0, layout.canvas.width, layout.canvas.height, kImageArea);
  picture->Draw(*canvas, canvasLeft, 0);

  const bool cellsNumbered = NumberCells(*picture, layout);
  const bool slotsNumbered = NumberSlots(*picture, layout, canvasLeft);
  result.numbersLeftOut = !cellsNumbered || !slotsNumbered;
  DrawPieceLines(*picture, layout, canvasLeft);
  if (const FileResult saved = picture->Save(path); !saved) {
    result.error = WithFileFailure(Text(Message::kPictureNotSaved, {path}), saved);
  }
  return result;
}
