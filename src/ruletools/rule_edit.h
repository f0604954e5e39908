#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "convert/image_processor.h"
#include "convert/rule_keys.h"
#include "convert/rule_layout.h"
#include "setting/rule_file_snapshot.h"
#include "setting/rule_section.h"

// The text typed into a field of numbers as the rule file is to hold it:
// blanks and line breaks between numbers separate them as "," does, and
// those beside a "," or at either end go ("0,1,\r\n2 3" gives "0,1,2,3"),
// so that a list pasted from anywhere stays on its key's one line.
std::string NumbersAsWritten(const std::string& typed);

// A block of the sheet's cells: columns x rows cells of the SrcDiv grid from
// the cell at column, row.
struct CellBlock {
  int column = 0;
  int row = 0;
  int columns = 1;
  int rows = 1;

  bool operator==(const CellBlock& other) const {
    return column == other.column && row == other.row && columns == other.columns &&
           rows == other.rows;
  }
};

// What the user points at: a block of the sheet's cells and a canvas slot.
struct RuleEditSelection {
  CellBlock cells;
  long long slot = 0;

  bool operator==(const RuleEditSelection& other) const {
    return cells == other.cells && slot == other.slot;
  }
};

// One rule as the rule editor holds it, laid out on a sheet of one size
// among the rules of a rule file (its Individual rule lays it out): the text
// of every key the editor shows, the cell in each slot of the canvas and the
// selection. A plain value: the editor's undo keeps whole copies.
//
// Cells are numbered over the SrcDiv grid and slots over the canvas grid,
// row by row, exactly as a conversion lays the rule out (LayoutOf); item k of
// Replace is the cell of slot k, -1 a blank slot.
class RuleEdit {
 public:
  using Size = RuleLayout::Size;
  using Grid = RuleLayout::Grid;
  using Pair = std::pair<std::string, std::string>;

  // A new rule: no key written (each has its default), no cell placed.
  RuleEdit(const std::string& name, Size sheet, std::shared_ptr<const RuleFileSnapshot> ruleFile);
  // The rule of section (one of ruleFile's, or one no file holds yet), its
  // keys as the reader reads them (PairsOf).
  RuleEdit(const SettingSection& section, Size sheet,
           std::shared_ptr<const RuleFileSnapshot> ruleFile);
  // A new rule made of sections that the file lacks (a generated rule): the
  // first is the rule, with the comment lines that say what it is; the
  // others, which it runs, are its companions. sections is not empty.
  RuleEdit(const std::vector<RuleSection>& sections, Size sheet,
           std::shared_ptr<const RuleFileSnapshot> ruleFile);

  // The keys the editor shows and writes: those the rule reads and those of
  // the tileset.
  static bool Edits(RuleKeyId key);
  // The keys of section that the editor shows, in the order of the key
  // table, as a rule loaded from it holds them: each as written, a key
  // written with an empty value too, except Replace written empty, which
  // the reader reads as the one item 0 and the editor holds as "0".
  static std::vector<Pair> PairsOf(const SettingSection& section);

  // The rule file the rule is laid out among; another one (the file read
  // again after a save) lays it out again and leaves Replace as it is, which
  // is no edit.
  const std::shared_ptr<const RuleFileSnapshot>& RuleFile() const { return ruleFile; }
  // A companion that the file read again holds was saved with the rule: from
  // then on it is the file's section.
  void UseRuleFile(std::shared_ptr<const RuleFileSnapshot> ruleFile);

  // Sections that the rule runs and that are saved after it, the rule file
  // lacking them yet (the per-block rule of a generated autotile rule). A
  // companion named after the rule follows it when it is renamed, and so
  // does an Individual that names it.
  const std::vector<RuleSection>& Companions() const { return companions; }
  // RuleFile with the companions appended, as a save writes them: what the
  // rule is built, laid out and checked among. RuleFile alone when it
  // cannot hold them; BuildError then says why.
  const std::shared_ptr<const RuleFileSnapshot>& LaidOutAmong() const { return laidOutAmong; }
  // The comment lines that a save writes above a new rule's section: those
  // of the rule as generated, dropped by its first edit or rename.
  const std::vector<std::string>& Comments() const { return comments; }

  const std::string& Name() const { return name; }
  bool Rename(const std::string& newName);

  // The text of key as written; empty for a key the rule leaves out.
  const std::string& Value(RuleKeyId key) const;
  // Sets the text of an edited key other than Replace; any text is taken,
  // and one the rule cannot be built with shows in BuildError; the empty
  // text leaves the key out. When the cell grid or the canvas grid changes,
  // every cell stays in its slot and every slot keeps its cell as far as
  // both still exist (column and row alike); the rest is left out, and
  // dropped, when given, tells how many placed cells that was. False when
  // nothing changed.
  bool SetValue(RuleKeyId key, const std::string& text, long long* dropped = nullptr);
  // Replace as text, read by the rule's own reader; the empty text leaves
  // Replace out. A text it cannot read changes nothing and gives false with
  // the reader's message in problem.
  bool SetReplaceText(const std::string& text, std::string& problem);

  // The sheet the rule is laid out on. Another size lays the rule out again
  // and leaves Replace as it is.
  Size Sheet() const { return sheet; }
  void ShowSheet(Size size);

  // What the rule as it stands does to the sheet. Its slots give the canvas
  // grid even while no cell is placed; nothing is laid out while the rule
  // cannot be built (BuildError says why).
  const RuleLayout& Layout() const { return layout; }
  const std::string& BuildError() const { return buildError; }
  long long SlotCount() const { return layout.SlotCount(); }
  // The cell drawn in slot, or -1 for a blank slot.
  int CellInSlot(long long slot) const;

  // Canvas edits, each false when it changes nothing: when the slot is not
  // on the canvas, no cell of the block is in the grid, or Replace is a text
  // the reader cannot read.
  bool Place(int cell, long long slot);
  // The block with its shape, its top left cell at slot; cells that fall
  // past the right or bottom edge of the canvas are left out.
  bool PlaceBlock(const CellBlock& block, long long slot);
  bool Blank(long long slot);
  bool Swap(long long first, long long second);
  // The cells of the block in reading order into slot first and the slots
  // after it in reading order, as far as the canvas goes.
  bool FillInOrder(const CellBlock& block, long long first);

  const RuleEditSelection& Selection() const { return selection; }
  void Select(const RuleEditSelection& newSelection) { selection = newSelection; }

  // The keys written, as key and value in the order of the key table: the
  // rule's section for the writer. An edited key missing here is one the
  // rule leaves out.
  std::vector<Pair> Pairs() const;
  // The rule as a conversion builds it from Pairs; throws the construction's
  // message as ImageProcessor does.
  ImageProcessor BuildRule() const;

  // The same rule on the same sheet, whichever read of the rule file they
  // are laid out among.
  bool operator==(const RuleEdit& other) const;
  bool operator!=(const RuleEdit& other) const { return !(*this == other); }

 private:
  // The keys written, the text of each; a key loaded with an empty value
  // holds the empty text.
  using Values = std::map<RuleKeyId, std::string>;
  static Values ValuesOf(const SettingSection& section);
  static std::vector<Pair> PairsOfValues(const Values& values);

  // The grids that Replace is arranged on.
  struct Placement {
    Grid cells{0, 0};
    Grid slots{0, 0};
    bool operator==(const Placement& other) const;
  };

  // Makes laidOutAmong from the rule file and the companions.
  void AppendCompanions();
  void Relayout();
  // After the grids changed: moves the cells to the slots and cell numbers
  // of the new grids; the number of placed cells left out.
  long long KeepWhatFits();
  Placement LaidOut() const;
  // Makes items the Replace list; false when it is that already.
  bool Commit(std::vector<int> items);
  // The text of key; the empty text leaves it out.
  void Write(RuleKeyId key, const std::string& text);
  // Reads the Replace text as the rule's reader does.
  std::optional<std::vector<int>> ReadReplace(const std::string& text, std::string& problem) const;
  // The block within the grid, or nothing when no cell of it is.
  std::optional<CellBlock> InGrid(const CellBlock& block) const;

  std::string name;
  Size sheet;
  std::shared_ptr<const RuleFileSnapshot> ruleFile;
  std::vector<RuleSection> companions;
  std::vector<std::string> comments;
  Values values;
  // Replace as read from its text; nothing while the text cannot be read.
  std::optional<std::vector<int>> replace;
  Placement placement;
  RuleEditSelection selection;

  // From the above.
  std::shared_ptr<const RuleFileSnapshot> laidOutAmong;
  // Why the rule file cannot take the companions, or empty.
  std::string companionsRefused;
  RuleLayout layout;
  std::string buildError;
};
