// The combine list keeps its sheets and rows together through every change,
// and the launcher hands each group to the window in order.
#include <gtest/gtest.h>

#include "combine/combiner_state.h"
#include "combine/launch_combiner.h"
#include "combine/sheet_list.h"
#include "support/files.h"
#include "support/image_files.h"

namespace {

class SheetListTest : public testing::Test {
 protected:
  // A small sheet named name, as a file in the folder.
  std::string Sheet(const std::string& name, int height = 2) {
    const std::string path = folder / name;
    WriteFile(path, PngFile(Picture{2, height, std::vector<std::uint32_t>(2 * height, 0xFF204060)},
                            false));
    return path;
  }

  // The rows, after checking that every row names its sheet.
  std::vector<std::string> Rows() {
    std::vector<std::string> rows;
    EXPECT_EQ(list.Count(), static_cast<int>(list.Sheets().size()));
    for (int i = 0; i < list.Count(); ++i) {
      rows.push_back(list.Rows().TextAt(i));
      if (i < static_cast<int>(list.Sheets().size())) {
        EXPECT_EQ(folder / rows.back(), list.Sheets()[i]->GetName()) << "row " << i;
      }
    }
    return rows;
  }

  using Names = std::vector<std::string>;

  TempFolder folder;
  SheetList list;
};

TEST_F(SheetListTest, AddsInOrderAndPassesOverFilesThatAreNoImages) {
  WriteFile(folder / "notes.png", "not an image");
  const auto failures = list.AddSheetsFromFiles(
      {Sheet("a.png"), folder / "notes.png", folder / "missing.png", Sheet("表.png")});
  EXPECT_EQ(Rows(), (Names{"a.png", "表.png"}));
  ASSERT_EQ(failures.size(), 2u);
  EXPECT_EQ(failures[0].path, folder / "notes.png");
  EXPECT_EQ(failures[0].reason, kInvalidFileMessage);
  EXPECT_EQ(failures[1].path, folder / "missing.png");
  EXPECT_EQ(list.Rows().Selected(), SheetRows::kNoSelection);

  try {
    list.AddSheetFromFile(folder / "notes.png");
    ADD_FAILURE() << "no error for a file that is no image";
  } catch (const char* message) {
    EXPECT_STREQ(message, kInvalidFileMessage);
  }
  EXPECT_EQ(Rows(), (Names{"a.png", "表.png"}));

  EXPECT_EQ(DescribeLoadFailures(failures), "次のファイルは追加できませんでした。\n" +
                                                folder / "notes.png" + "（無効なファイル）\n" +
                                                folder / "missing.png" + "（無効なファイル）");
  EXPECT_EQ(DescribeLoadFailures({}), "");
}

TEST_F(SheetListTest, MovesTheSelectionUpAndDownWithinTheEnds) {
  list.AddSheetsFromFiles({Sheet("a.png"), Sheet("b.png"), Sheet("c.png")});

  list.MoveSelection(-1);  // nothing selected
  EXPECT_EQ(Rows(), (Names{"a.png", "b.png", "c.png"}));

  list.Rows().Select(0);
  list.MoveSelection(-1);
  EXPECT_EQ(Rows(), (Names{"a.png", "b.png", "c.png"}));
  EXPECT_EQ(list.Rows().Selected(), 0);

  list.MoveSelection(+1);
  EXPECT_EQ(Rows(), (Names{"b.png", "a.png", "c.png"}));
  EXPECT_EQ(list.Rows().Selected(), 1);
  list.MoveSelection(+1);
  EXPECT_EQ(Rows(), (Names{"b.png", "c.png", "a.png"}));
  EXPECT_EQ(list.Rows().Selected(), 2);
  list.MoveSelection(+1);
  EXPECT_EQ(Rows(), (Names{"b.png", "c.png", "a.png"}));
  EXPECT_EQ(list.Rows().Selected(), 2);
  list.MoveSelection(-1);
  EXPECT_EQ(Rows(), (Names{"b.png", "a.png", "c.png"}));
  EXPECT_EQ(list.Rows().Selected(), 1);
}

TEST_F(SheetListTest, DeletesTheSelectionAndSelectsTheNextOrNewLastRow) {
  list.AddSheetsFromFiles({Sheet("a.png"), Sheet("b.png"), Sheet("c.png"), Sheet("d.png")});

  list.DeleteSelection();  // nothing selected
  EXPECT_EQ(Rows(), (Names{"a.png", "b.png", "c.png", "d.png"}));

  list.Rows().Select(1);
  list.DeleteSelection();
  EXPECT_EQ(Rows(), (Names{"a.png", "c.png", "d.png"}));
  EXPECT_EQ(list.Rows().Selected(), 1);

  list.Rows().Select(2);
  list.DeleteSelection();
  EXPECT_EQ(Rows(), (Names{"a.png", "c.png"}));
  EXPECT_EQ(list.Rows().Selected(), 1);

  list.DeleteSelection();
  list.DeleteSelection();
  EXPECT_EQ(Rows(), Names{});
  EXPECT_EQ(list.Rows().Selected(), SheetRows::kNoSelection);

  list.AddSheetsFromFiles({Sheet("e.png"), Sheet("f.png")});
  list.Rows().Select(0);
  list.ClearSheets();
  EXPECT_EQ(Rows(), Names{});
  EXPECT_EQ(list.Rows().Selected(), SheetRows::kNoSelection);
}

TEST_F(SheetListTest, ShowsItsRowsInAnotherListOnlyWhileEmpty) {
  VectorRows window;
  window.InsertAt(0, "left over");
  list.ShowIn(&window);
  EXPECT_EQ(window.Count(), 0);
  list.AddSheetFromFile(Sheet("a.png"));
  EXPECT_EQ(window.TextAt(0), "a.png");

  VectorRows other;
  list.ShowIn(&other);  // refused: the sheets would lose their rows
  EXPECT_EQ(&list.Rows(), &window);

  list.ClearSheets();
  list.ShowIn(nullptr);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_NE(&list.Rows(), &window);
}

TEST(LaunchCombiner, OpensOneWindowPerGroupInByteOrderWithSortedPathsAndItsWidth) {
  CombineGroups groups = {
      {"XP/VX", {"C:\\m\\b.png"}},
      {"200X2", {"C:\\m\\x.png"}},
      {"200x", {"C:\\m\\y.png"}},
      {"200X",
       {"C:\\m\\map2.png", "C:\\m\\map10.png", "C:\\m\\\x95\x5c.png", "C:\\m\\Map.png",
        "C:\\m\\map1", "C:\\m\\map10.png"}},
  };
  struct Opening {
    int width;
    std::vector<std::string> files;
  };
  std::vector<Opening> openings;
  CombinerState& state = CombinerState::Instance();
  LaunchCombiner(groups, [&] { openings.push_back({state.sheetWidth, state.initialFiles}); });

  ASSERT_EQ(openings.size(), 4u);
  const std::vector<std::string> sorted = {"C:\\m\\Map.png",    "C:\\m\\map1",
                                           "C:\\m\\map10.png", "C:\\m\\map10.png",
                                           "C:\\m\\map2.png",  "C:\\m\\\x95\x5c.png"};
  EXPECT_EQ(openings[0].width, 128);
  EXPECT_EQ(openings[0].files, sorted);
  EXPECT_EQ(groups["200X"], sorted);  // sorted in place
  EXPECT_EQ(openings[1].width, 256);  // "200X2"
  EXPECT_EQ(openings[1].files, std::vector<std::string>{"C:\\m\\x.png"});
  EXPECT_EQ(openings[2].width, 256);  // "200x"
  EXPECT_EQ(openings[3].width, 256);  // "XP/VX"
  EXPECT_EQ(openings[3].files, std::vector<std::string>{"C:\\m\\b.png"});

  state.initialFiles.clear();
  state.sheetWidth = CombinerState::kNarrowWidth;
}

}  // namespace
