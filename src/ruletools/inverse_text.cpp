#include "ruletools/inverse_text.h"

#include "common/messages.h"
#include "common/text.h"
#include "convert/rule_error.h"
#include "ruletools/rule_book.h"
#include "ruletools/rule_size.h"
#include "setting/ini_text.h"

namespace {

using Rect = RuleLayout::Rect;
using Size = RuleLayout::Size;

// Lost cells beyond this many are counted, not listed.
constexpr std::size_t kListedCells = 32;
// The widths the combiner stacks sheets at.
constexpr int kCombinerWidths[] = {128, 256};

std::string RectText(const Rect& rect) {
  return std::to_string(rect.x) + "," + std::to_string(rect.y) + "," + std::to_string(rect.width) +
         "," + std::to_string(rect.height);
}

std::string CellsText(const std::vector<int>& cells) {
  std::string text;
  for (std::size_t i = 0; i < cells.size() && i < kListedCells; ++i) {
    text += (i == 0 ? "" : ",") + std::to_string(cells[i]);
  }
  return cells.size() > kListedCells ? text + ",…" : text;
}

// What the inverse takes: the canvas, or the pieces joined.
void AddInputLines(const RuleInverse& inverse, std::vector<std::string>& lines) {
  const RuleLayout& layout = inverse.layout;
  if (layout.PieceCount() == 1) {
    lines.push_back(Text(Message::kInverseInputOne, {inverse.rule, SizeText(inverse.source)}));
    return;
  }
  lines.push_back(Text(
      Message::kInverseInputPieces,
      {inverse.rule, std::to_string(layout.PieceCount()), std::to_string(layout.fileDiv.columns),
       std::to_string(layout.fileDiv.rows), SizeText(inverse.source)}));
  const std::string original = Text(Message::kInverseOriginalName);
  for (const int width : kCombinerWidths) {
    if (layout.fileDiv.columns == 1 && layout.piece.width == width) {
      lines.push_back(
          Text(Message::kInverseStack, {std::to_string(width), layout.PieceFileName(original, 0),
                                        layout.PieceFileName(original, 1)}));
    }
  }
}

// Where the cells come back.
std::string OutputLine(const RuleInverse& inverse) {
  const RuleLayout& layout = inverse.layout;
  const Rect& rebuilt = inverse.rebuilt;
  const Size size{rebuilt.width, rebuilt.height};
  if (rebuilt.x != 0 || rebuilt.y != 0) {
    return Text(Message::kInverseOutputClipped, {RectText(layout.clip), std::to_string(rebuilt.x),
                                                 std::to_string(rebuilt.y), SizeText(size)});
  }
  if (size.width == layout.image.width && size.height == layout.image.height) {
    return Text(Message::kInverseOutputSame, {SizeText(size)});
  }
  return Text(Message::kInverseOutputTopLeft, {SizeText(layout.image), SizeText(size)});
}

// What does not come back, one line each.
void AddLostLines(const RuleInverse& inverse, std::vector<std::string>& lines) {
  const RuleLayout& layout = inverse.layout;
  if (!inverse.lostCells.empty()) {
    lines.push_back(Text(Message::kInverseLostCells,
                         {std::to_string(inverse.lostCells.size()), CellsText(inverse.lostCells)}));
  }
  const Rect& clip = layout.clip;
  if (clip.x != 0 || clip.y != 0 || clip.width != layout.image.width ||
      clip.height != layout.image.height) {
    lines.push_back(Text(Message::kInverseLostClip, {RectText(clip)}));
  }
  const Size leftOver = layout.ClipLeftOver();
  if (leftOver.width > 0 || leftOver.height > 0) {
    lines.push_back(Text(Message::kInverseLostStrips,
                         {std::to_string(leftOver.width), std::to_string(leftOver.height)}));
  }
  if (!inverse.subProcesses.empty()) {
    std::string names;
    for (const std::string& name : inverse.subProcesses) {
      names += (names.empty() ? "" : ",") + name;
    }
    lines.push_back(Text(Message::kInverseNoSubProcess, {names}));
  }
}

}  // namespace

std::string InverseNameProblem(const RuleFileSnapshot& ruleFile, const std::string& name) {
  if (name.empty()) return Text(Message::kInverseNameEmpty);
  if (name.front() == ' ' || name.back() == ' ') return Text(Message::kInverseNameSpaces);
  // A section of either name would be no rule: the size table, or a name
  // that means leaving files alone.
  if (IsSizeTableName(name) || IsDoNothingRule(name)) return Text(Message::kInverseNameReserved);
  for (std::size_t i = 0; i < name.size(); i += CharLength(name.data(), name.size(), i)) {
    const unsigned char c = static_cast<unsigned char>(name[i]);
    if (c == ']') return Text(Message::kInverseNameBracket);
    if (c < 0x20 || c == 0x7f) return Text(Message::kInverseNameControl);
  }
  for (const std::string& section : ruleFile.SectionNames()) {
    if (SameSectionName(section, name)) return Text(Message::kInverseNameTaken);
  }
  return std::string();
}

RuleSection InverseSection(const RuleInverse& inverse, const std::string& name) {
  RuleSection section{{Text(Message::kInverseTitle, {inverse.rule, SizeText(inverse.layout.image)})},
                      name,
                      InverseKeys(inverse)};
  AddInputLines(inverse, section.comments);
  section.comments.push_back(OutputLine(inverse));
  AddLostLines(inverse, section.comments);
  return section;
}
