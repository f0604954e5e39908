// The rule being edited: canvas edits, the Replace text both ways, keeping
// what fits when the grids change, undo and redo, and that what the editor
// shows is what a conversion of the saved rule draws.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

#include "convert/image_processor.h"
#include "convert/rule_error.h"
#include "convert/rule_values.h"
#include "image/image.h"
#include "ruletools/rule_edit.h"
#include "ruletools/rule_preview.h"
#include "ruletools/rule_edit_history.h"
#include "setting/setting_section.h"
#include "support/image_files.h"
#include "support/rule_file.h"

namespace {

// The rule R of the lines given, on a 64 x 64 sheet unless told.
RuleEdit Loaded(std::vector<std::string> lines, RuleEdit::Size sheet = {64, 64}) {
  return RuleEdit(SettingSection("R", std::move(lines)), sheet, RuleFileOf(""));
}

// The cell of every slot of the canvas.
std::vector<int> Slots(const RuleEdit& rule) {
  std::vector<int> cells;
  for (long long slot = 0; slot < rule.SlotCount(); ++slot) cells.push_back(rule.CellInSlot(slot));
  return cells;
}

std::string ReplaceOf(const RuleEdit& rule) { return rule.Value(RuleKeyId::kReplace); }

// 4 x 4 cells of 16 pixels onto a canvas of 4 x 2 slots.
const std::vector<std::string> kFourByTwo = {"SrcDiv=4,4", "NewSize=64,32"};

struct CanvasCase {
  const char* what;
  std::string replace;  // before
  std::function<bool(RuleEdit&)> edit;
  bool changed;
  std::string replaceAfter;
};

TEST(RuleEdit, CanvasEditsPutCellsIntoSlots) {
  const CanvasCase cases[] = {
      {"one cell", "", [](RuleEdit& r) { return r.Place(5, 2); }, true, "-1,-1,5"},
      {"a cell over another", "0,1", [](RuleEdit& r) { return r.Place(9, 0); }, true, "9,1"},
      {"the cell that is there", "0,1", [](RuleEdit& r) { return r.Place(1, 1); }, false, "0,1"},
      {"a cell the grid lacks", "", [](RuleEdit& r) { return r.Place(16, 0); }, false, ""},
      {"a slot past the canvas", "", [](RuleEdit& r) { return r.Place(0, 8); }, false, ""},
      {"a block with its shape", "",
       [](RuleEdit& r) {
         return r.PlaceBlock({1, 1, 2, 2}, 0);
       },
       true, "5,6,-1,-1,9,10"},
      {"a block at the right edge", "",
       [](RuleEdit& r) {
         return r.PlaceBlock({0, 0, 3, 2}, 2);
       },
       true, "-1,-1,0,1,-1,-1,4,5"},
      {"a block at the bottom right slot", "",
       [](RuleEdit& r) {
         return r.PlaceBlock({0, 2, 2, 2}, 7);
       },
       true, "-1,-1,-1,-1,-1,-1,-1,8"},
      {"a block partly outside the grid", "",
       [](RuleEdit& r) {
         return r.PlaceBlock({3, 3, 2, 2}, 0);
       },
       true, "15"},
      {"a block outside the grid", "",
       [](RuleEdit& r) {
         return r.PlaceBlock({4, 0, 1, 1}, 0);
       },
       false, ""},
      {"blank", "0,1,2,3", [](RuleEdit& r) { return r.Blank(1); }, true, "0,-1,2,3"},
      {"blank past the list", "0,1", [](RuleEdit& r) { return r.Blank(6); }, false, "0,1"},
      {"blank over a number the grid lacks", "0,99", [](RuleEdit& r) { return r.Blank(1); }, true,
       "0,-1"},
      {"swap", "0,1,2,3", [](RuleEdit& r) { return r.Swap(0, 3); }, true, "3,1,2,0"},
      {"swap with a slot past the list", "0,1,2,3", [](RuleEdit& r) { return r.Swap(0, 6); }, true,
       "-1,1,2,3,-1,-1,0"},
      {"swap of two blanks", "0,1", [](RuleEdit& r) { return r.Swap(5, 6); }, false, "0,1"},
      {"swap off the canvas", "0,1", [](RuleEdit& r) { return r.Swap(0, 8); }, false, "0,1"},
      {"fill a whole canvas", "",
       [](RuleEdit& r) {
         return r.FillInOrder({0, 0, 4, 4}, 0);
       },
       true, "0,1,2,3,4,5,6,7"},
      {"fill from a slot, row after row", "9",
       [](RuleEdit& r) {
         return r.FillInOrder({1, 0, 2, 2}, 3);
       },
       true, "9,-1,-1,1,2,5,6"},
      {"fill to the end of the canvas", "",
       [](RuleEdit& r) {
         return r.FillInOrder({0, 0, 4, 4}, 6);
       },
       true, "-1,-1,-1,-1,-1,-1,0,1"},
  };
  for (const CanvasCase& c : cases) {
    std::vector<std::string> lines = kFourByTwo;
    if (!c.replace.empty()) lines.push_back("Replace=" + c.replace);
    RuleEdit rule = Loaded(lines);
    ASSERT_EQ(rule.SlotCount(), 8) << c.what;
    EXPECT_EQ(c.edit(rule), c.changed) << c.what;
    EXPECT_EQ(ReplaceOf(rule), c.replaceAfter) << c.what;
  }
}

TEST(RuleEdit, NothingIsPlacedWhileTheRuleCannotBeLaidOut) {
  const std::vector<std::string> cases[] = {
      {"SrcDiv=4,0", "NewSize=64,32"},     // the rule cannot be built
      {"SrcDiv=4,4", "Replace=1,x"},       // Replace does not read
      {"SrcDiv=4,4", "NewSize=8,8"},       // canvas smaller than a slot
      {"SrcDiv=4,4", "Clip=60,60,16,16"},  // nothing clipped
  };
  for (const auto& lines : cases) {
    RuleEdit rule = Loaded(lines);
    EXPECT_FALSE(rule.Place(0, 0)) << lines[1];
    EXPECT_FALSE(rule.FillInOrder({0, 0, 1, 1}, 0)) << lines[1];
    EXPECT_EQ(rule.Pairs(), Loaded(lines).Pairs()) << lines[1];
  }
  EXPECT_FALSE(Loaded(cases[0]).BuildError().empty());
  EXPECT_TRUE(Loaded(cases[2]).BuildError().empty());
}

TEST(RuleEdit, CanvasEditsStopWhereASectionCannotHoldTheList) {
  // 65536 cells of one pixel on as many slots.
  RuleEdit rule = Loaded({"SrcDiv=256,256"}, {256, 256});
  ASSERT_EQ(rule.SlotCount(), 65536);
  EXPECT_TRUE(rule.FillInOrder({0, 0, 256, 256}, 0));
  EXPECT_EQ(rule.CellInSlot(kMaxListItems - 1), static_cast<int>(kMaxListItems - 1));
  EXPECT_EQ(rule.CellInSlot(kMaxListItems), -1);
  EXPECT_FALSE(rule.Place(0, kMaxListItems));
  EXPECT_TRUE(rule.BuildError().empty());
}

TEST(RuleEdit, ReplaceTextAndSlotsAgree) {
  const struct {
    std::string text;
    std::vector<int> slots;
  } cases[] = {
      {"3,2,1,0", {3, 2, 1, 0, -1, -1, -1, -1}},
      {"0, 1,,3", {0, 1, 0, 3, -1, -1, -1, -1}},  // read as the rule file's reader reads it
      {"-1,-1,5,16,-7", {-1, -1, 5, -1, -1, -1, -1, -1}},
      {"0,1,2,3,4,5,6,7,8,9", {0, 1, 2, 3, 4, 5, 6, 7}},
      {"", {-1, -1, -1, -1, -1, -1, -1, -1}},
  };
  for (const auto& c : cases) {
    RuleEdit rule = Loaded(kFourByTwo);
    std::string problem;
    rule.SetReplaceText(c.text, problem);
    EXPECT_EQ(problem, "") << c.text;
    EXPECT_EQ(ReplaceOf(rule), c.text);  // kept as typed
    EXPECT_EQ(Slots(rule), c.slots) << c.text;

    // The canvas gives the same slots back as text, which reads as them.
    RuleEdit fromSlots = Loaded(kFourByTwo);
    for (std::size_t slot = 0; slot < c.slots.size(); ++slot) {
      if (c.slots[slot] >= 0) fromSlots.Place(c.slots[slot], static_cast<long long>(slot));
    }
    RuleEdit again = Loaded(kFourByTwo);
    again.SetReplaceText(ReplaceOf(fromSlots), problem);
    EXPECT_EQ(Slots(again), c.slots) << c.text;
  }
}

TEST(RuleEdit, AReplaceTextThatDoesNotReadChangesNothing) {
  for (const std::string text : {"1,x,3", "1,99999999999", "-"}) {
    RuleEdit rule = Loaded({"SrcDiv=4,4", "NewSize=64,32", "Replace=3,2"});
    const RuleEdit before = rule;
    std::string problem;
    EXPECT_FALSE(rule.SetReplaceText(text, problem)) << text;
    EXPECT_TRUE(rule == before) << text;

    // The message is the one the rule file's reader gives for that text.
    const TempFolder folder;
    UseRuleFile(folder, "[R]\nReplace=" + text + "\n");
    std::string readerMessage;
    try {
      ImageProcessor unused("R");
    } catch (const RuleError& error) {
      readerMessage = error.Text();
    }
    EXPECT_FALSE(readerMessage.empty()) << text;
    EXPECT_EQ(problem, readerMessage) << text;
  }
}

TEST(RuleEdit, NewGridsKeepWhatFitsAndCountWhatDoesNot) {
  const struct {
    const char* what;
    std::vector<std::pair<RuleKeyId, std::string>> settings;
    std::string replaceAfter;
    long long dropped;  // by the last setting
  } cases[] = {
      // 4 x 2 slots "0,1,2,3 / 4,5,6,7" cut to 2 x 2.
      {"a narrower canvas", {{RuleKeyId::kNewSize, "32,32"}}, "0,1,4,5", 4},
      {"a lower canvas", {{RuleKeyId::kNewSize, "64,16"}}, "0,1,2,3", 4},
      {"a wider canvas", {{RuleKeyId::kNewSize, "96,32"}}, "0,1,2,3,-1,-1,4,5,6,7", 0},
      // Cells keep their column and row of the sheet: 4 x 4 to 2 x 2 cells.
      {"fewer cells",
       {{RuleKeyId::kNewSize, "128,64"}, {RuleKeyId::kSrcDiv, "2,2"}},
       "0,1,-1,-1,2,3",
       4},
      // A value the rule cannot be built with changes nothing.
      {"through a broken value",
       {{RuleKeyId::kNewSize, "32"}, {RuleKeyId::kNewSize, "32,x"}, {RuleKeyId::kNewSize, "32,32"}},
       "0,1,4,5",
       4},
      {"a key that moves no grid",
       {{RuleKeyId::kNameFoot, "_x"}, {RuleKeyId::kFileDiv, "2,1"}},
       "0,1,2,3,4,5,6,7",
       0},
  };
  for (const auto& c : cases) {
    RuleEdit rule = Loaded({"SrcDiv=4,4", "NewSize=64,32", "Replace=0,1,2,3,4,5,6,7"});
    long long dropped = -1;
    for (const auto& [key, value] : c.settings) rule.SetValue(key, value, &dropped);
    EXPECT_EQ(ReplaceOf(rule), c.replaceAfter) << c.what;
    EXPECT_EQ(dropped, c.dropped) << c.what;
  }
}

TEST(RuleEdit, BlanksAndLineBreaksBetweenNumbersSeparateThem) {
  const std::pair<std::string, std::string> cases[] = {
      {"0,1,2,3,\r\n4,5,6,7", "0,1,2,3,4,5,6,7"},  // a wrapped list pasted
      {"0 1\t2\n3", "0,1,2,3"},
      {" 4 , 4 \r\n", "4,4"},
      {"0,,3", "0,,3"},  // as the reader reads it: an empty item is 0
      {"\r\n", ""},
  };
  for (const auto& [typed, written] : cases) EXPECT_EQ(NumbersAsWritten(typed), written) << typed;
}

// Found by the random test: laid out among the rule file read again, whose
// Individual rule now makes larger slots, the rule kept the grids of the
// read before, and its next edit moved the cells as if the grids changed.
TEST(RuleEdit, TheRuleFileReadAgainLaysTheRuleOutAndMovesNoCell) {
  const auto before = RuleFileOf("[Cell]\nNewSize=16,16\n");
  RuleEdit rule(SettingSection("R", {"SrcDiv=4,4", "NewSize=64,64", "Individual=Cell"}), {64, 64},
                before);
  ASSERT_EQ(rule.SlotCount(), 16);
  rule.UseRuleFile(RuleFileOf("[Cell]\nNewSize=32,32\n"));
  ASSERT_EQ(rule.SlotCount(), 4);
  std::string problem;
  ASSERT_TRUE(rule.SetReplaceText("0,1,2,3", problem));
  EXPECT_EQ(ReplaceOf(rule), "0,1,2,3");
}

TEST(RuleEdit, PairsFollowTheKeyTableAndReadBackAsTheSameRule) {
  RuleEdit rule = Loaded({"Specific=fall", "Replace=3,2,1,0", "NewSize=64,32", "NameFoot=_b",
                          "SrcDiv=4,4", "KeepPalette=1", "Unknown=1", "Group=Map", "FileDiv=2,1",
                          "SubProcess=A,B", "Individual=", "Clip=0,0,64,64"});
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"Clip", "0,0,64,64"}, {"SrcDiv", "4,4"},    {"NewSize", "64,32"}, {"Replace", "3,2,1,0"},
      {"FileDiv", "2,1"},    {"NameFoot", "_b"},   {"Group", "Map"},     {"KeepPalette", "1"},
      {"Individual", ""},    {"SubProcess", "A,B"}};
  EXPECT_EQ(rule.Pairs(), expected);

  rule.SetValue(RuleKeyId::kNameFoot, "");
  rule.SetValue(RuleKeyId::kSpecific, "x");  // not the editor's
  std::vector<std::string> lines;
  for (const auto& [key, value] : rule.Pairs()) lines.push_back(key + "=" + value);
  EXPECT_EQ(lines.size(), expected.size() - 1);
  EXPECT_TRUE(Loaded(lines) == rule);
}

TEST(RuleEditHistory, UndoAndRedoTakeWholeValuesBackAndForth) {
  RuleEditHistory history(RuleEdit("New", {64, 64}, RuleFileOf("")));
  EXPECT_FALSE(history.Undo());
  const auto setValue = [&](RuleKeyId key, const std::string& text) {
    return history.Edit([&](RuleEdit& r) { return r.SetValue(key, text); });
  };
  const auto replace = [&]() { return ReplaceOf(history.Current()); };

  EXPECT_TRUE(setValue(RuleKeyId::kSrcDiv, "4,4"));
  EXPECT_TRUE(history.Edit([](RuleEdit& r) { return r.FillInOrder({0, 0, 4, 1}, 0); }));
  EXPECT_TRUE(history.Edit([](RuleEdit& r) { return r.Swap(0, 3); }));
  EXPECT_TRUE(setValue(RuleKeyId::kNewSize, "32,64"));  // keeps slots 0, 1, 4, 5
  EXPECT_EQ(replace(), "3,1");
  // Neither an edit that changes nothing nor a selection is a step.
  EXPECT_FALSE(history.Edit([](RuleEdit& r) { return r.Blank(7); }));
  history.Select({{1, 1, 2, 2}, 3});

  EXPECT_TRUE(history.Undo());
  EXPECT_EQ(replace(), "3,1,2,0");
  EXPECT_EQ(history.Current().Value(RuleKeyId::kNewSize), "");
  EXPECT_TRUE(history.Undo());
  EXPECT_EQ(replace(), "0,1,2,3");
  EXPECT_TRUE(history.Redo());
  EXPECT_EQ(replace(), "3,1,2,0");
  EXPECT_TRUE(history.Undo());
  EXPECT_TRUE(history.Undo());
  EXPECT_TRUE(history.Undo());
  EXPECT_EQ(history.Current().Value(RuleKeyId::kSrcDiv), "");
  EXPECT_FALSE(history.Undo());
  EXPECT_TRUE(history.Redo());
  EXPECT_TRUE(history.Redo());
  EXPECT_EQ(replace(), "0,1,2,3");

  // A new edit drops what could have been made again.
  EXPECT_TRUE(history.Edit([](RuleEdit& r) { return r.Blank(0); }));
  EXPECT_FALSE(history.CanRedo());
  EXPECT_EQ(replace(), "-1,1,2,3");
  // A value that returns is laid out on the sheet shown now.
  history.ShowSheet({32, 32});
  EXPECT_TRUE(history.Undo());
  EXPECT_EQ(history.Current().Sheet().width, 32);
  EXPECT_EQ(history.Current().Layout().cell.width, 8);
}

// A sheet whose every pixel has a colour of its own.
Picture UniqueSheet(int width, int height) {
  Picture picture{width, height, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      picture.pixels.push_back(0xFF000000u | static_cast<std::uint32_t>(x) << 12 |
                               static_cast<std::uint32_t>(y));
    }
  }
  return picture;
}

TEST(RuleEdit, TheSavedRuleConvertsAsTheSlotsSay) {
  const struct {
    const char* what;
    std::vector<std::pair<RuleKeyId, std::string>> keys;
    std::function<void(RuleEdit&)> edits;
  } cases[] = {
      {"cells rearranged",
       {{RuleKeyId::kSrcDiv, "4,4"}, {RuleKeyId::kNewSize, "48,48"}},
       [](RuleEdit& r) {
         r.FillInOrder({0, 0, 4, 4}, 0);
         r.PlaceBlock({2, 2, 2, 2}, 8);  // at the corner: one cell fits
         r.Swap(0, 4);
         r.Blank(2);
       }},
      {"a clip off the cells' edges and a canvas with a strip",
       {{RuleKeyId::kClip, "8,8,48,50"},
        {RuleKeyId::kSrcDiv, "3,3"},
        {RuleKeyId::kNewSize, "40,40"},
        {RuleKeyId::kFileDiv, "2,1"}},
       [](RuleEdit& r) {
         r.PlaceBlock({1, 1, 2, 2}, 0);
         r.Place(8, 1);
       }},
  };
  const TempFolder folder;
  const std::string sheetPath = folder / "sheet.png";
  const Picture sheet = UniqueSheet(64, 64);
  WriteFile(sheetPath, PngFile(sheet, true));
  for (const auto& c : cases) {
    RuleEdit rule("Edited", {64, 64}, RuleFileOf(""));
    for (const auto& [key, value] : c.keys) rule.SetValue(key, value);
    c.edits(rule);
    ASSERT_GT(rule.SlotCount(), 0) << c.what;

    std::string file = "[Edited]\n";
    for (const auto& [key, value] : rule.Pairs()) file += key + "=" + value + "\n";
    UseRuleFile(folder, file);
    ImageProcessor saved("Edited");
    const std::string canvasPath = folder / "canvas.png";
    ASSERT_TRUE(ComposePreview(saved, *OpenImage(sheetPath))->Save(canvasPath));
    const Picture canvas = ReadPngFile(ReadFile(canvasPath));

    const RuleLayout& layout = rule.Layout();
    ASSERT_EQ(canvas.width, layout.canvas.width) << c.what;
    ASSERT_EQ(canvas.height, layout.canvas.height) << c.what;
    int placed = 0;
    for (long long slot = 0; slot < rule.SlotCount(); ++slot) {
      const RuleLayout::Rect at = layout.SlotRect(slot);
      const int cell = rule.CellInSlot(slot);
      placed += cell >= 0;
      const RuleLayout::Rect from =
          cell >= 0 ? layout.CellRect(cell) : RuleLayout::Rect{0, 0, at.width, at.height};
      int wrong = 0;
      for (int y = 0; y < at.height; ++y) {
        for (int x = 0; x < at.width; ++x) {
          const std::uint32_t expected = cell >= 0 ? sheet.At(from.x + x, from.y + y) : 0u;
          wrong += canvas.At(at.x + x, at.y + y) != expected;
        }
      }
      EXPECT_EQ(wrong, 0) << c.what << ", slot " << slot << " with cell " << cell;
    }
    EXPECT_GT(placed, 1) << c.what;
  }
}

}  // namespace
