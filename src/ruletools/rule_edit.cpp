#include "ruletools/rule_edit.h"

#include <algorithm>

#include "convert/rule_error.h"
#include "convert/rule_values.h"
#include "ruletools/applied_layout.h"
#include "setting/rule_file_document.h"
#include "setting/setting_section.h"

namespace {

using Grid = RuleLayout::Grid;

const std::string kNoValue;

// The layout of rule on sheet, its slots of the size that its Individual
// rule makes of a cell, when that rule can be built.
RuleLayout LayoutOnSheet(const ImageProcessor& rule, RuleLayout::Size sheet) {
  try {
    return AppliedLayout(rule, sheet);
  } catch (const RuleError&) {
    // A conversion stops at that rule; the cells keep their own size here.
    return LayoutOf(rule, sheet);
  }
}

long long CountOf(Grid grid) { return static_cast<long long>(grid.columns) * grid.rows; }

// The index in to of the place that index has in from (the same column and
// row), or -1 where to has no such place.
long long MovedIndex(long long index, Grid from, Grid to) {
  const long long column = index % from.columns;
  const long long row = index / from.columns;
  return column < to.columns && row < to.rows ? row * to.columns + column : -1;
}

int ItemAt(const std::vector<int>& items, long long slot) {
  return slot < static_cast<long long>(items.size()) ? items[static_cast<std::size_t>(slot)] : -1;
}

// Puts cell into slot, lengthening items with blanks where needed; a blank
// past their end is there already. Slots past what a section of the rule
// file can hold stay blank.
void PutCell(std::vector<int>& items, long long slot, int cell) {
  const auto at = static_cast<std::size_t>(slot);
  if (at >= items.size()) {
    if (cell == -1 || at >= kMaxListItems) return;
    items.resize(at + 1, -1);
  }
  items[at] = cell;
}

bool IsFieldBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

std::string NumbersAsWritten(const std::string& typed) {
  std::string written;
  for (std::size_t at = 0; at < typed.size();) {
    if (!IsFieldBlank(typed[at])) {
      written += typed[at++];
      continue;
    }
    while (at < typed.size() && IsFieldBlank(typed[at])) ++at;
    if (!written.empty() && written.back() != ',' && at < typed.size() && typed[at] != ',') {
      written += ',';
    }
  }
  return written;
}

bool RuleEdit::Placement::operator==(const Placement& other) const {
  return cells.columns == other.cells.columns && cells.rows == other.cells.rows &&
         slots.columns == other.slots.columns && slots.rows == other.slots.rows;
}

RuleEdit::RuleEdit(const std::string& ruleName, Size sheetSize,
                   std::shared_ptr<const RuleFileSnapshot> file)
    : name(ruleName),
      sheet(sheetSize),
      ruleFile(std::move(file)),
      replace(std::vector<int>()),
      laidOutAmong(ruleFile) {
  Relayout();
  placement = LaidOut();
}

RuleEdit::RuleEdit(const SettingSection& section, Size sheetSize,
                   std::shared_ptr<const RuleFileSnapshot> file)
    : name(section.GetName()),
      sheet(sheetSize),
      ruleFile(std::move(file)),
      values(ValuesOf(section)),
      laidOutAmong(ruleFile) {
  // A Replace the reader cannot read is kept as written; it shows in
  // BuildError until a text that reads takes its place.
  std::string problem;
  replace = ReadReplace(Value(RuleKeyId::kReplace), problem);
  Relayout();
  placement = LaidOut();
}

RuleEdit::RuleEdit(const std::vector<RuleSection>& sections, Size sheetSize,
                   std::shared_ptr<const RuleFileSnapshot> file)
    : RuleEdit(SettingSection(sections.front().name, sections.front().keys), sheetSize,
               std::move(file)) {
  comments = sections.front().comments;
  companions.assign(sections.begin() + 1, sections.end());
  AppendCompanions();
  Relayout();
  placement = LaidOut();
}

bool RuleEdit::Edits(RuleKeyId key) {
  return KeyEntry(key).reader != RuleKeyReader::kClassification;
}

std::vector<RuleEdit::Pair> RuleEdit::PairsOf(const SettingSection& section) {
  return PairsOfValues(ValuesOf(section));
}

RuleEdit::Values RuleEdit::ValuesOf(const SettingSection& section) {
  Values values;
  for (const RuleKeyEntry& key : kRuleKeys) {
    if (Edits(key.id) && section.HasKey(key.name)) values[key.id] = section.GetValue(key.name);
  }
  if (const auto written = values.find(RuleKeyId::kReplace);
      written != values.end() && written->second.empty()) {
    written->second = "0";
  }
  return values;
}

std::vector<RuleEdit::Pair> RuleEdit::PairsOfValues(const Values& values) {
  std::vector<Pair> pairs;
  for (const auto& [key, value] : values) pairs.emplace_back(KeyName(key), value);
  return pairs;
}

void RuleEdit::UseRuleFile(std::shared_ptr<const RuleFileSnapshot> file) {
  if (file == ruleFile) return;
  ruleFile = std::move(file);
  companions.erase(std::remove_if(companions.begin(), companions.end(),
                                  [this](const RuleSection& companion) {
                                    return ruleFile->GetSection(companion.name) != nullptr;
                                  }),
                   companions.end());
  AppendCompanions();
  Relayout();
  placement = LaidOut();
}

bool RuleEdit::Rename(const std::string& newName) {
  if (newName == name) return false;
  for (RuleSection& companion : companions) {
    if (companion.name.compare(0, name.size(), name) != 0) continue;
    const std::string renamed = newName + companion.name.substr(name.size());
    if (Value(RuleKeyId::kIndividual) == companion.name) Write(RuleKeyId::kIndividual, renamed);
    companion.name = renamed;
    // Its comment lines name the rule by its old name.
    companion.comments.clear();
  }
  comments.clear();
  name = newName;
  AppendCompanions();
  Relayout();
  return true;
}

const std::string& RuleEdit::Value(RuleKeyId key) const {
  const auto found = values.find(key);
  return found != values.end() ? found->second : kNoValue;
}

bool RuleEdit::SetValue(RuleKeyId key, const std::string& text, long long* dropped) {
  const auto written = values.find(key);
  if (!Edits(key) || key == RuleKeyId::kReplace ||
      (written != values.end() ? written->second == text : text.empty())) {
    return false;
  }
  Write(key, text);
  Relayout();
  const long long left = KeepWhatFits();
  if (dropped) *dropped = left;
  return true;
}

bool RuleEdit::SetReplaceText(const std::string& text, std::string& problem) {
  std::optional<std::vector<int>> items = ReadReplace(text, problem);
  if (!items || (replace && text == Value(RuleKeyId::kReplace))) return false;
  Write(RuleKeyId::kReplace, text);
  replace = std::move(items);
  Relayout();
  KeepWhatFits();
  return true;
}

void RuleEdit::ShowSheet(Size size) {
  if (size.width == sheet.width && size.height == sheet.height) return;
  sheet = size;
  Relayout();
  placement = LaidOut();
}

int RuleEdit::CellInSlot(long long slot) const {
  if (!replace || slot < 0 || slot >= SlotCount()) return -1;
  const int cell = ItemAt(*replace, slot);
  return layout.HasCell(cell) ? cell : -1;
}

bool RuleEdit::Place(int cell, long long slot) {
  if (!layout.HasCell(cell)) return false;
  return PlaceBlock({cell % layout.grid.columns, cell / layout.grid.columns, 1, 1}, slot);
}

bool RuleEdit::PlaceBlock(const CellBlock& block, long long slot) {
  const std::optional<CellBlock> cells = InGrid(block);
  if (!cells || !replace || slot < 0 || slot >= SlotCount()) return false;
  const Grid slots = layout.slots;
  std::vector<int> items = *replace;
  for (int row = 0; row < cells->rows; ++row) {
    const long long slotRow = slot / slots.columns + row;
    for (int column = 0; column < cells->columns; ++column) {
      const long long slotColumn = slot % slots.columns + column;
      if (slotColumn >= slots.columns || slotRow >= slots.rows) continue;
      PutCell(items, slotRow * slots.columns + slotColumn,
              (cells->row + row) * layout.grid.columns + cells->column + column);
    }
  }
  return Commit(std::move(items));
}

bool RuleEdit::Blank(long long slot) {
  if (!replace || slot < 0 || slot >= SlotCount()) return false;
  std::vector<int> items = *replace;
  PutCell(items, slot, -1);
  return Commit(std::move(items));
}

bool RuleEdit::Swap(long long first, long long second) {
  const long long slots = SlotCount();
  if (!replace || first < 0 || second < 0 || first >= slots || second >= slots) return false;
  std::vector<int> items = *replace;
  const int firstCell = ItemAt(items, first);
  PutCell(items, first, ItemAt(items, second));
  PutCell(items, second, firstCell);
  return Commit(std::move(items));
}

bool RuleEdit::FillInOrder(const CellBlock& block, long long first) {
  const std::optional<CellBlock> cells = InGrid(block);
  if (!cells || !replace || first < 0 || first >= SlotCount()) return false;
  std::vector<int> items = *replace;
  long long slot = first;
  for (int row = 0; row < cells->rows; ++row) {
    for (int column = 0; column < cells->columns && slot < SlotCount(); ++column) {
      PutCell(items, slot++, (cells->row + row) * layout.grid.columns + cells->column + column);
    }
  }
  return Commit(std::move(items));
}

std::vector<RuleEdit::Pair> RuleEdit::Pairs() const { return PairsOfValues(values); }

ImageProcessor RuleEdit::BuildRule() const {
  std::vector<std::string> lines;
  for (const auto& [key, value] : Pairs()) lines.push_back(key + "=" + value);
  return ImageProcessor(name, SettingSection(name, std::move(lines)), laidOutAmong);
}

bool RuleEdit::operator==(const RuleEdit& other) const {
  return name == other.name && sheet.width == other.sheet.width &&
         sheet.height == other.sheet.height && values == other.values && replace == other.replace &&
         placement == other.placement && selection == other.selection;
}

std::optional<std::vector<int>> RuleEdit::ReadReplace(const std::string& text,
                                                      std::string& problem) const {
  if (text.empty()) return std::vector<int>();
  const SettingSection section(name, {std::string(KeyName(RuleKeyId::kReplace)) + "=" + text});
  try {
    return ImageProcessor(name, section, ruleFile).ReplaceList();
  } catch (const RuleError& error) {
    problem = error.Text();
    return std::nullopt;
  }
}

void RuleEdit::AppendCompanions() {
  companionsRefused.clear();
  laidOutAmong = ruleFile;
  if (companions.empty()) return;
  std::optional<RuleFileDocument> document = RuleFileDocument::Of(*ruleFile, companionsRefused);
  if (!document) return;
  for (const RuleSection& companion : companions) {
    const RuleFileEdit appended = document->AppendSection(companion);
    if (!appended.Done()) {
      companionsRefused = RuleFileEditText(appended, document->Encoding());
      return;
    }
  }
  laidOutAmong = RuleFileSnapshot::Of(
      ruleFile->FileName(), {RuleFileBytes::State::kRead, document->Bytes(), FileResult()});
}

void RuleEdit::Relayout() {
  buildError = companionsRefused;
  layout = RuleLayout();
  if (!buildError.empty()) return;
  try {
    layout = LayoutOnSheet(BuildRule(), sheet);
    layout.slots = layout.CanvasGrid();
  } catch (const RuleError& error) {
    buildError = error.Text();
  }
}

RuleEdit::Placement RuleEdit::LaidOut() const {
  if (layout.SlotCount() == 0) return Placement();
  return {layout.grid, layout.slots};
}

long long RuleEdit::KeepWhatFits() {
  const Placement now = LaidOut();
  // While nothing is laid out Replace stays as it was arranged.
  if (now.slots.columns == 0) return 0;
  long long dropped = 0;
  if (replace && placement.slots.columns > 0 && !(now == placement)) {
    const std::vector<int>& items = *replace;
    const long long cells = CountOf(placement.cells);
    const long long used = std::min<long long>(CountOf(placement.slots), items.size());
    std::vector<int> moved;
    for (long long slot = 0; slot < used; ++slot) {
      const int cell = items[static_cast<std::size_t>(slot)];
      if (cell < 0 || cell >= cells) continue;
      const long long movedSlot = MovedIndex(slot, placement.slots, now.slots);
      const long long movedCell = MovedIndex(cell, placement.cells, now.cells);
      if (movedSlot >= 0 && movedCell >= 0) {
        PutCell(moved, movedSlot, static_cast<int>(movedCell));
      } else {
        ++dropped;
      }
    }
    Commit(std::move(moved));
  }
  placement = now;
  return dropped;
}

bool RuleEdit::Commit(std::vector<int> items) {
  if (items == *replace) return false;
  replace = std::move(items);
  Write(RuleKeyId::kReplace, JoinIntList(*replace, ','));
  Relayout();
  return true;
}

void RuleEdit::Write(RuleKeyId key, const std::string& text) {
  // The generator's lines say what the rule was before this edit.
  comments.clear();
  if (text.empty()) {
    values.erase(key);
  } else {
    values[key] = text;
  }
}

std::optional<CellBlock> RuleEdit::InGrid(const CellBlock& block) const {
  const long long left = std::max(block.column, 0);
  const long long top = std::max(block.row, 0);
  const long long right = std::min<long long>(static_cast<long long>(block.column) + block.columns,
                                              layout.grid.columns);
  const long long bottom =
      std::min<long long>(static_cast<long long>(block.row) + block.rows, layout.grid.rows);
  if (layout.SlotCount() == 0 || left >= right || top >= bottom) return std::nullopt;
  return CellBlock{static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
                   static_cast<int>(bottom - top)};
}
