#include "ruletools/rule_explanation.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <new>

#include "common/file_failure.h"
#include "common/messages.h"
#include "common/path.h"
#include "convert/image_processor.h"
#include "convert/rule_error.h"
#include "image/image.h"
#include "ruletools/applied_layout.h"
#include "ruletools/number_marks.h"
#include "ruletools/rule_picture.h"
#include "ruletools/rule_size.h"

namespace {

// How much of a large rule is shown: a rule may have a hundred thousand
// cells, and nobody reads more than a screenful of numbers.
constexpr long long kShownRows = 64;
constexpr long long kShownColumns = 32;
constexpr long long kShownItems = 1024;
constexpr long long kItemsPerLine = 32;
constexpr long long kShownPieces = 64;
constexpr std::size_t kShownRules = 16;

std::string GridText(long long columns, long long rows) {
  return Text(Message::kExplainGrid, {std::to_string(columns), std::to_string(rows)});
}

std::string CellText(long long cell) { return cell < 0 ? "-" : std::to_string(cell); }

// The names in brackets, joined by "、", the first kShownRules of them.
std::string RuleNames(const std::vector<std::string>& names) {
  std::string text;
  for (std::size_t i = 0; i < names.size() && i < kShownRules; ++i)
    text += (i > 0 ? Text(Message::kListSeparator) : "") + ("[" + names[i] + "]");
  if (names.size() > kShownRules)
    text += Text(Message::kExplainMoreRules, {std::to_string(names.size() - kShownRules)});
  return text;
}

// What a place past the end of the last row holds.
constexpr long long kNoPlace = std::numeric_limits<long long>::min();

// Rows of cell numbers, right-aligned in columns, each row "  " indented;
// cell(row, column) gives the cell of a shown place, or kNoPlace where the
// row ends early.
template <typename CellAt>
std::string NumberRows(long long rows, long long columns, CellAt cell) {
  std::size_t width = 1;
  for (long long row = 0; row < rows; ++row) {
    for (long long column = 0; column < columns && cell(row, column) != kNoPlace; ++column)
      width = std::max(width, CellText(cell(row, column)).size());
  }
  std::string text;
  for (long long row = 0; row < rows; ++row) {
    text += " ";
    for (long long column = 0; column < columns && cell(row, column) != kNoPlace; ++column) {
      const std::string number = CellText(cell(row, column));
      text += std::string(width - number.size() + 1, ' ') + number;
    }
    text += "\n";
  }
  return text;
}

class ExplanationWriter {
 public:
  ExplanationWriter(const ImageProcessor& rule, const std::string& baseName)
      : rule(rule), baseName(baseName) {}

  // Without an image size: the grid and the Replace items as written.
  std::string Unsized(const RuleLayout& layout) {
    text = Text(Message::kExplainUnsized, {rule.RuleName()}) + "\n";
    text += Text(Message::kExplainSourceCells, {GridText(layout.grid.columns, layout.grid.rows)}) +
            "\n";
    const std::vector<int>& items = rule.ReplaceList();
    if (items.empty()) {
      text += std::string(Text(Message::kExplainNoCellsPlaced)) + "\n";
    } else {
      text += std::string(Text(Message::kExplainPlacedNumbers)) + "\n";
      const long long shown = std::min<long long>(items.size(), kShownItems);
      text += NumberRows((shown + kItemsPerLine - 1) / kItemsPerLine,
                         std::min(shown, kItemsPerLine), [&](long long row, long long column) {
                           const long long item = row * kItemsPerLine + column;
                           if (item >= shown) return kNoPlace;
                           const int cell = items[static_cast<std::size_t>(item)];
                           return layout.HasCell(cell) ? static_cast<long long>(cell) : -1LL;
                         });
      if (static_cast<long long>(items.size()) > shown) {
        text += Text(Message::kExplainFirstItems,
                     {std::to_string(items.size()), std::to_string(shown)}) +
                "\n";
      }
    }
    Pieces(layout, false);
    NestedRules(nullptr);
    return text;
  }

  std::string Sized(const RuleLayout& layout, const std::string& sizeOrigin, bool numbersLeftOut) {
    text = Text(Message::kExplainSized,
                {rule.RuleName(), SizeText(layout.image.width, layout.image.height), sizeOrigin}) +
           "\n";
    Source(layout);
    if (Canvas(layout)) Pieces(layout, true);
    NestedRules(&layout);
    if (numbersLeftOut) {
      text += Text(Message::kExplainNumbersLeftOut, {std::to_string(kSmallestNumberedArea)}) + "\n";
    }
    return text;
  }

 private:
  void Source(const RuleLayout& layout) {
    const bool clipped = layout.clip.x != 0 || layout.clip.y != 0 ||
                         layout.clip.width != layout.image.width ||
                         layout.clip.height != layout.image.height;
    const std::string clip =
        clipped ? Text(Message::kExplainClip,
                       {std::to_string(layout.clip.x), std::to_string(layout.clip.y),
                        SizeText(layout.clip.width, layout.clip.height)})
                : "";
    const std::string grid = GridText(layout.grid.columns, layout.grid.rows);
    if (layout.clip.width < 1 || layout.clip.height < 1) {
      text += std::string(Text(Message::kExplainClipOutside)) + "\n";
    } else if (layout.cell.width < 1 || layout.cell.height < 1) {
      text += Text(Message::kExplainCellsTooSmall, {clip, grid}) + "\n";
    } else {
      text += Text(Message::kExplainSourceDivided,
                   {clip, grid, SizeText(layout.cell.width, layout.cell.height)}) +
              "\n";
      const std::string strips = LeftOverText(layout.ClipLeftOver());
      if (!strips.empty()) text += Text(Message::kExplainSourceLeftOver, {strips}) + "\n";
    }
  }

  // The canvas and its slots; false when no canvas is made.
  bool Canvas(const RuleLayout& layout) {
    const std::string canvas = SizeText(layout.canvas.width, layout.canvas.height);
    if (!layout.canvasMade) {
      text += Text(Message::kExplainCanvasNotMade, {canvas}) + "\n";
      return false;
    }
    if (layout.SlotCount() == 0) {
      text += Text(Message::kExplainCanvasEmpty, {canvas}) + "\n";
      return true;
    }
    text += Text(Message::kExplainCanvasSlots,
                 {canvas, GridText(layout.slots.columns, layout.slots.rows),
                  SizeText(layout.slot.width, layout.slot.height)}) +
            "\n";
    const long long rows = std::min<long long>(layout.slots.rows, kShownRows);
    const long long columns = std::min<long long>(layout.slots.columns, kShownColumns);
    text += NumberRows(rows, columns, [&](long long row, long long column) {
      return static_cast<long long>(layout.CellInSlot(row * layout.slots.columns + column));
    });
    if (rows < layout.slots.rows || columns < layout.slots.columns) {
      text += Text(Message::kExplainTopLeftOnly,
                   {GridText(layout.slots.columns, layout.slots.rows), GridText(columns, rows)}) +
              "\n";
    }
    const std::string strips = LeftOverText(layout.CanvasLeftOver());
    if (!strips.empty()) text += Text(Message::kExplainCanvasLeftOver, {strips}) + "\n";
    return true;
  }

  // The files the canvas is saved as, with their places when sized.
  void Pieces(const RuleLayout& layout, bool sized) {
    if (sized && (layout.piece.width < 1 || layout.piece.height < 1)) {
      text += std::string(Text(Message::kExplainFileDivTooFine)) + "\n";
      return;
    }
    text += Text(Message::kExplainPieces, {std::to_string(layout.PieceCount())}) + "\n";
    const long long shown = std::min(layout.PieceCount(), kShownPieces);
    for (long long piece = 0; piece < shown; ++piece) {
      text += "  " + layout.PieceFileName(baseName, piece);
      if (sized) {
        const RuleLayout::Rect area = layout.PieceRect(piece);
        text += Text(Message::kExplainPieceArea, {std::to_string(area.x), std::to_string(area.y),
                                                  SizeText(area.width, area.height)});
      }
      text += "\n";
    }
    if (layout.PieceCount() > shown) {
      text +=
          Text(Message::kExplainMorePieces, {std::to_string(layout.PieceCount() - shown)}) + "\n";
    }
    if (!sized) return;
    const std::string strips = LeftOverText(layout.PiecesLeftOver());
    if (!strips.empty()) text += Text(Message::kExplainPiecesLeftOver, {strips}) + "\n";
  }

  // The rules it runs, and the palette key that the conversion reads.
  void NestedRules(const RuleLayout* layout) {
    if (!rule.IndividualRule().empty()) {
      text += Text(Message::kExplainIndividual, {rule.IndividualRule()});
      if (layout != nullptr && layout->cell.width >= 1 && layout->cell.height >= 1) {
        text += layout->slot.width >= 1 && layout->slot.height >= 1
                    ? Text(Message::kExplainIndividualSlot,
                           {SizeText(layout->slot.width, layout->slot.height)})
                    : Text(Message::kExplainIndividualNoImage);
      }
      text += "\n";
    }
    if (!rule.SubProcesses().empty()) {
      text += Text(Message::kExplainSubProcess, {RuleNames(rule.SubProcesses())}) + "\n";
    }
    if (rule.KeepPalette()) {
      text += std::string(Text(Message::kExplainKeepPalette)) + "\n";
    }
  }

  const ImageProcessor& rule;
  const std::string& baseName;
  std::string text;
};

}  // namespace

Explanation ExplainRule(const ExplainRequest& request) {
  Explanation result;
  std::unique_ptr<ImageProcessor> rule;
  std::unique_ptr<IImage> sheet;
  std::optional<RuleLayout::Size> size = request.size;
  std::string sizeOrigin = Text(Message::kExplainSizeOption);
  try {
    rule = std::make_unique<ImageProcessor>(request.rule);
  } catch (const RuleError& error) {
    result.error = RuleError(request.rule, error).Text();
    return result;
  }
  try {
    if (!request.sheet.empty()) {
      try {
        sheet = OpenImage(request.sheet);
      } catch (const InvalidImageError& error) {
        result.error = WithFileFailure(request.sheet + ": " + error.what(), error.Reason());
        return result;
      }
      size = RuleLayout::Size{sheet->GetWidth(), sheet->GetHeight()};
      sizeOrigin = Text(Message::kExplainSizeOfFile, {FilePart(request.sheet)});
    } else if (!size) {
      size = SizeFromSizeTable(request.rule);
      if (size) {
        sizeOrigin = Text(Message::kExplainSizeFromTable,
                          {std::to_string(size->width), std::to_string(size->height)});
      }
    }

    // The pieces are named as a conversion of the sheet would name them, or
    // of a file named after the rule.
    const std::string baseName = sheet ? BaseName(request.sheet) : request.rule;
    ExplanationWriter writer(*rule, baseName);
    if (!size) {
      result.text = writer.Unsized(LayoutOf(*rule, {}));
      if (!request.picture.empty()) {
        result.error = Text(Message::kExplainNoPictureWithoutSize);
      }
      return result;
    }
    const RuleLayout layout = AppliedLayout(*rule, *size);
    RulePicture picture;
    if (!request.picture.empty()) {
      // Palette entry 0 is transparent, as a conversion takes the sheet by
      // default.
      if (sheet) sheet->SetTransparentFromPalette();
      picture = DrawRulePicture(*rule, layout, sheet.get(), request.picture);
    }
    result.text = writer.Sized(layout, sizeOrigin, picture.numbersLeftOut);
    result.error = picture.error;
  } catch (const RuleError& error) {
    result.error = error.Text();  // an Individual rule that cannot be built, named
  } catch (const std::bad_alloc&) {
    result.error = Text(Message::kExplainNoMemory);
  }
  return result;
}
