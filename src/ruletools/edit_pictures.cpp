#include "ruletools/edit_pictures.h"

#include "ruletools/picture_parts.h"
#include "ruletools/rule_preview.h"

namespace {

// Behind what the canvas leaves transparent, and in its blank slots.
constexpr std::uint32_t kCanvasArea = 0xFF505050;
constexpr std::uint32_t kBlankSlot = 0xFF283C64;

// The sheet as a conversion takes it.
std::unique_ptr<IImage> Source(const RuleEdit& edit, const IImage* sheet) {
  if (sheet != nullptr) return sheet->Clip(0, 0, 0, 0, "");
  if (edit.Layout().image.width > 0) return NeutralGrid(edit.Layout());
  return CreateBlankImage(edit.Sheet().width, edit.Sheet().height);
}

}  // namespace

std::unique_ptr<IImage> EditedSheetPicture(const RuleEdit& edit, const IImage* sheet) {
  std::unique_ptr<IImage> picture = Source(edit, sheet);
  NumberCells(*picture, edit.Layout());
  return picture;
}

std::unique_ptr<IImage> EditedCanvasPicture(const RuleEdit& edit, const IImage* sheet) {
  const RuleLayout& layout = edit.Layout();
  if (!edit.BuildError().empty() || !layout.canvasMade) return CreateBlankImage(0, 0);
  const std::unique_ptr<IImage> canvas = ComposePreview(edit.BuildRule(), *Source(edit, sheet));
  std::unique_ptr<IImage> picture = CreateBlankImage(layout.canvas.width, layout.canvas.height);
  picture->FillRect(0, 0, layout.canvas.width, layout.canvas.height, kCanvasArea);
  for (long long slot = 0; slot < layout.SlotCount(); ++slot) {
    if (layout.CellInSlot(slot) >= 0) continue;
    const RuleLayout::Rect area = layout.SlotRect(slot);
    picture->FillRect(area.x, area.y, area.width, area.height, kBlankSlot);
  }
  if (canvas) picture->Draw(*canvas, 0, 0);
  NumberSlots(*picture, layout, 0);
  DrawPieceLines(*picture, layout, 0);
  return picture;
}
