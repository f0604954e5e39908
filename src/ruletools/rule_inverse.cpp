#include "ruletools/rule_inverse.h"

#include <map>

#include "common/messages.h"
#include "convert/rule_error.h"
#include "convert/rule_keys.h"
#include "convert/rule_values.h"
#include "image/image_limits.h"
#include "ruletools/rule_size.h"
#include "setting/ini_text.h"

namespace {

using Grid = RuleLayout::Grid;
using Rect = RuleLayout::Rect;
using Size = RuleLayout::Size;

// The name foot of every inverse: its pieces are named apart from the
// sheets the rule wrote.
constexpr char kInverseNameFoot[] = "_inverse";

// What the pieces of the canvas cover when joined in their order: the
// canvas less the remainder strip that FileDiv leaves unwritten.
Size WrittenSize(const RuleLayout& layout) {
  if (layout.piece.width < 1 || layout.piece.height < 1) return {};
  const Rect last = layout.PieceRect(layout.PieceCount() - 1);
  return {last.x + last.width, last.y + last.height};
}

// The slots that lie wholly inside written, counted from the top left.
Grid WholeSlotsIn(const RuleLayout& layout, Size written) {
  Grid grid{0, 0};
  if (layout.SlotCount() == 0) return grid;
  while (grid.columns < layout.slots.columns) {
    const Rect slot = layout.SlotRect(grid.columns);
    if (slot.x + slot.width > written.width) break;
    ++grid.columns;
  }
  while (grid.rows < layout.slots.rows) {
    const Rect slot = layout.SlotRect(static_cast<long long>(grid.rows) * layout.slots.columns);
    if (slot.y + slot.height > written.height) break;
    ++grid.rows;
  }
  return grid;
}

// Why no cell of the layout reaches a written piece.
std::string WhyNothingIsPlaced(const RuleLayout& layout) {
  if (layout.clip.width < 1 || layout.clip.height < 1) return Text(Message::kInverseWhyClip);
  if (layout.cell.width < 1) return Text(Message::kInverseWhyCells);
  if (!layout.canvasMade) return Text(Message::kInverseWhyCanvas, {SizeText(layout.canvas)});
  if (layout.cutCells.empty()) return Text(Message::kInverseWhyNoCells);
  if (layout.SlotCount() == 0) {
    return Text(Message::kInverseWhySlot, {SizeText(layout.canvas), SizeText(layout.slot)});
  }
  if (layout.piece.width < 1 || layout.piece.height < 1) return Text(Message::kInverseWhyFileDiv);
  return Text(Message::kInverseWhyNoCells);
}

// For each cell shown in a slot of kept (the slots the inverse cuts), the
// inverse's cell of the first such slot.
std::map<int, int> FirstSlots(const RuleLayout& layout, Grid kept) {
  std::map<int, int> firstSlots;
  for (std::size_t k = 0; k < layout.slotCells.size(); ++k) {
    const int cell = layout.slotCells[k];
    const long long column = static_cast<long long>(k) % layout.slots.columns;
    const long long row = static_cast<long long>(k) / layout.slots.columns;
    if (cell < 0 || column >= kept.columns || row >= kept.rows) continue;
    firstSlots.emplace(cell, static_cast<int>(row * kept.columns + column));
  }
  return firstSlots;
}

// Fills in where the inverse puts the cells back. A Clip that begins on a
// cell boundary leaves the cells on the grid of the whole image: the inverse
// rebuilds that grid, each cell at its own place; otherwise the clipped
// cells. False when the list would not fit a section of the rule file
// (every item takes two bytes at least).
bool Rebuild(const std::map<int, int>& firstSlots, RuleInverse& inverse) {
  const RuleLayout& layout = inverse.layout;
  const Size cell = layout.cell;
  const Rect clip = layout.clip;
  Grid rebuilt = layout.grid;
  Grid offset{0, 0};
  if (clip.x % cell.width == 0 && clip.y % cell.height == 0) {
    rebuilt = {layout.image.width / cell.width, layout.image.height / cell.height};
    offset = {clip.x / cell.width, clip.y / cell.height};
    inverse.rebuilt = {0, 0, rebuilt.columns * cell.width, rebuilt.rows * cell.height};
  } else {
    inverse.rebuilt = {clip.x, clip.y, rebuilt.columns * cell.width, rebuilt.rows * cell.height};
  }
  inverse.newSize = {inverse.rebuilt.width, inverse.rebuilt.height};
  if (static_cast<long long>(rebuilt.columns) * rebuilt.rows >
      static_cast<long long>(kMaxListItems)) {
    return false;
  }

  for (int row = 0; row < rebuilt.rows; ++row) {
    for (int column = 0; column < rebuilt.columns; ++column) {
      const int sourceColumn = column - offset.columns;
      const int sourceRow = row - offset.rows;
      int slot = -1;
      if (sourceColumn >= 0 && sourceColumn < layout.grid.columns && sourceRow >= 0 &&
          sourceRow < layout.grid.rows) {
        const auto found = firstSlots.find(sourceRow * layout.grid.columns + sourceColumn);
        if (found != firstSlots.end()) slot = found->second;
      }
      inverse.replace.push_back(slot);
    }
  }
  for (int index = 0; index < layout.CellCount(); ++index) {
    if (firstSlots.count(index) == 0) inverse.lostCells.push_back(index);
  }
  return true;
}

// "key=", for a key of the inverse.
std::string KeyAssignment(RuleKeyId key) { return std::string(KeyName(key)) + "="; }

}  // namespace

std::optional<RuleInverse> InvertRule(const std::string& ruleName, std::optional<Size> imageSize,
                                      std::string& refusal) {
  try {
    return InvertRule(ImageProcessor(ruleName), imageSize, refusal);
  } catch (const RuleError& error) {
    refusal = Text(Message::kInverseUnreadable, {ruleName, error.Text()});
    return std::nullopt;
  }
}

std::optional<RuleInverse> InvertRule(const ImageProcessor& rule, std::optional<Size> imageSize,
                                      std::string& refusal) {
  refusal.clear();
  const std::string& ruleName = rule.RuleName();
  if (!rule.IndividualRule().empty()) {
    refusal = Text(Message::kInverseIndividual, {ruleName, rule.IndividualRule()});
    return std::nullopt;
  }
  // Every number of the inverse follows from the cell size.
  if (!imageSize) {
    refusal = Text(Message::kInverseNoSize, {ruleName});
    return std::nullopt;
  }
  const Size image = *imageSize;
  if (!IsAllowedImageSize(image.width, image.height)) {
    refusal = Text(Message::kInverseSizeTooLarge, {SizeText(image)});
    return std::nullopt;
  }

  RuleInverse inverse;
  inverse.rule = ruleName;
  inverse.layout = LayoutOf(rule, image);
  inverse.group = rule.GetGroup();
  inverse.subProcesses = rule.SubProcesses();
  const RuleLayout& layout = inverse.layout;

  // The inverse cuts the rule's slots out of what its pieces cover.
  inverse.source = WrittenSize(layout);
  inverse.srcDiv = WholeSlotsIn(layout, inverse.source);
  const Size slotArea{inverse.srcDiv.columns * layout.slot.width,
                      inverse.srcDiv.rows * layout.slot.height};
  if (slotArea.width != inverse.source.width || slotArea.height != inverse.source.height) {
    inverse.clip = Rect{0, 0, slotArea.width, slotArea.height};
  }

  const std::map<int, int> firstSlots = FirstSlots(layout, inverse.srcDiv);
  if (firstSlots.empty()) {
    refusal = Text(Message::kInverseNothingPlaced,
                   {ruleName, SizeText(image), WhyNothingIsPlaced(layout)});
    return std::nullopt;
  }
  if (!Rebuild(firstSlots, inverse) ||
      ProfileListBytes(InverseKeys(inverse)) > kSectionBufferSize) {
    refusal = Text(Message::kInverseTooLong, {std::to_string(kSectionBufferSize)});
    return std::nullopt;
  }
  return inverse;
}

std::vector<std::string> InverseKeys(const RuleInverse& inverse) {
  std::vector<std::string> keys;
  if (inverse.clip) {
    const Rect& clip = *inverse.clip;
    keys.push_back(KeyAssignment(RuleKeyId::kClip) +
                   JoinIntList({clip.x, clip.y, clip.width, clip.height}, ','));
  }
  keys.push_back(KeyAssignment(RuleKeyId::kSrcDiv) +
                 JoinIntList({inverse.srcDiv.columns, inverse.srcDiv.rows}, ','));
  keys.push_back(KeyAssignment(RuleKeyId::kNewSize) +
                 JoinIntList({inverse.newSize.width, inverse.newSize.height}, ','));
  keys.push_back(KeyAssignment(RuleKeyId::kReplace) + JoinIntList(inverse.replace, ','));
  keys.push_back(KeyAssignment(RuleKeyId::kNameFoot) + kInverseNameFoot);
  if (!inverse.group.empty()) keys.push_back(KeyAssignment(RuleKeyId::kGroup) + inverse.group);
  return keys;
}
