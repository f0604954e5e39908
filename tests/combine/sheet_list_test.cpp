// The combine list keeps its sheets and rows together through every change,
// and the launcher hands each group to the window in order.
#include <gtest/gtest.h>

#include "combine/combiner_state.h"
#include "combine/launch_combiner.h"
#include "combine/sheet_list.h"
#include "common/messages.h"
#include "image/image.h"
#include "support/files.h"
#include "support/image_files.h"

namespace {

using Names = std::vector<std::string>;

TEST(SheetList, KeepsSheetsAndRowsTogetherThroughEveryChange) {
  TempFolder folder;
  auto sheet = [&](const std::string& name) {
    WriteFile(folder / name,
              PngFile(Picture{2, 2, std::vector<std::uint32_t>(4, 0xFF204060)}, false));
    return folder / name;
  };
  WriteFile(folder / "notes.png", "not an image");
  SheetList list;
  const auto failures = list.AddSheetsFromFiles(
      {sheet("a.png"), folder / "notes.png", sheet("表.png"), sheet("c.png"), sheet("d.png")});
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures[0].path, folder / "notes.png");
  EXPECT_EQ(failures[0].reason, Text(Message::kInvalidFile));
  EXPECT_THROW(list.AddSheetFromFile(folder / "missing.png"), InvalidImageError);

  // Each step: select (s), move (m) by its argument, delete (d) or clear (c);
  // then the rows and the selection (-1: none).
  struct Step {
    char action;
    int argument;
    Names rows;
    int selected;
  };
  const Step steps[] = {
      {'m', -1, {"a.png", "表.png", "c.png", "d.png"}, -1},  // nothing selected: no change
      {'d', 0, {"a.png", "表.png", "c.png", "d.png"}, -1},
      {'s', 0, {"a.png", "表.png", "c.png", "d.png"}, 0},
      {'m', -1, {"a.png", "表.png", "c.png", "d.png"}, 0},  // first row up
      {'m', +1, {"表.png", "a.png", "c.png", "d.png"}, 1},
      {'s', 3, {"表.png", "a.png", "c.png", "d.png"}, 3},
      {'m', +1, {"表.png", "a.png", "c.png", "d.png"}, 3},  // last row down
      {'m', -1, {"表.png", "a.png", "d.png", "c.png"}, 2},
      {'s', 1, {"表.png", "a.png", "d.png", "c.png"}, 1},
      {'d', 0, {"表.png", "d.png", "c.png"}, 1},  // the next row takes its place
      {'s', 2, {"表.png", "d.png", "c.png"}, 2},
      {'d', 0, {"表.png", "d.png"}, 1},  // the last row: the new last is selected
      {'d', 0, {"表.png"}, 0},
      {'d', 0, {}, -1},  // the only row: no selection left
  };
  for (const Step& step : steps) {
    if (step.action == 's') list.Rows().Select(step.argument);
    if (step.action == 'm') list.MoveSelection(step.argument);
    if (step.action == 'd') list.DeleteSelection();
    Names rows;
    for (int i = 0; i < list.Count(); ++i) rows.push_back(list.Rows().TextAt(i));
    EXPECT_EQ(rows, step.rows) << step.action << step.argument;
    EXPECT_EQ(list.Rows().Selected(), step.selected) << step.action << step.argument;
    ASSERT_EQ(list.Sheets().size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
      EXPECT_EQ(list.Sheets()[i]->GetName(), folder / rows[i]);
  }

  list.AddSheetsFromFiles({sheet("e.png")});
  VectorRows other;
  list.ShowIn(&other);  // refused while sheets would lose their rows
  EXPECT_EQ(list.Rows().TextAt(0), "e.png");
  list.ClearSheets();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_TRUE(list.Sheets().empty());
}

TEST(LaunchCombiner, OpensOneWindowPerGroupInByteOrderWithSortedPathsAndItsWidth) {
  CombineGroups groups = {{"XP/VX", {"C:\\m\\b.png"}},
                          {"200X2", {"C:\\m\\x.png"}},
                          {"200x", {"C:\\m\\y.png"}},
                          {"200X",
                           {"C:\\m\\map2.png", "C:\\m\\map10.png", "C:\\m\\\x95\x5c.png",
                            "C:\\m\\Map.png", "C:\\m\\map1", "C:\\m\\map10.png"}}};
  std::vector<std::pair<int, Names>> openings;
  CombinerState& state = CombinerState::Instance();
  LaunchCombiner(groups, [&](const std::string&) {
    openings.push_back({state.sheetWidth, state.initialFiles});
  });

  // Bytes compare unsigned, a shorter path first; numbers are not values.
  const Names sorted = {"C:\\m\\Map.png",   "C:\\m\\map1",     "C:\\m\\map10.png",
                        "C:\\m\\map10.png", "C:\\m\\map2.png", "C:\\m\\\x95\x5c.png"};
  const std::vector<std::pair<int, Names>> expected = {
      {128, sorted}, {256, {"C:\\m\\x.png"}}, {256, {"C:\\m\\y.png"}}, {256, {"C:\\m\\b.png"}}};
  EXPECT_EQ(openings, expected);
  EXPECT_EQ(groups["200X"], sorted);  // sorted in place
  state.initialFiles.clear();
  state.sheetWidth = CombinerState::kNarrowWidth;
}

}  // namespace
