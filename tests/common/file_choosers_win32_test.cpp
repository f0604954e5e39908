// The open and save dialogs as the programs use them, answered by a user.
#include <gtest/gtest.h>

#include "common/app_context.h"
#include "common/file_choosers_win32.h"
#include "support/files.h"
#include "support/ui_driver_win32.h"

namespace {

std::string WorkingDirectory() {
  char path[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, path);
  return path;
}

class FileChooserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous = WorkingDirectory();
    // The program's own folder, where the working directory must return.
    AppContext::Instance().exeDirectory = home.Path() + "\\";
    SetCurrentDirectoryA(home.Path().c_str());
  }
  // The folders are removed with the test: leave them first.
  void TearDown() override { SetCurrentDirectoryA(previous.c_str()); }

  std::string previous;
  TempFolder home;
  TempFolder maps;
};

TEST_F(FileChooserTest, OpenReturnsTheChosenPathAndReopensOnIt) {
  const std::string sheet = maps / "地図ソ.png";
  WriteFile(sheet, "not really an image");

  std::string chosen;
  std::string filter;
  RunWithDriver([&] { chosen = ChooseOpenFile(nullptr); },
                [&] {
                  HWND dialog = WaitForWindow("ファイルを開く");
                  ASSERT_NE(dialog, nullptr);
                  filter = ControlText(dialog, 0x470);  // the file type box
                  AnswerFileDialog("ファイルを開く", sheet);
                });
  EXPECT_EQ(chosen, sheet);
  EXPECT_EQ(filter, "画像ファイル");
  EXPECT_EQ(WorkingDirectory(), home.Path());

  std::string shown;
  RunWithDriver([&] { chosen = ChooseOpenFile(nullptr); },
                [&] { shown = AnswerFileDialog("ファイルを開く", ""); });
  EXPECT_EQ(chosen, "");
  EXPECT_EQ(shown, "地図ソ.png");
}

TEST_F(FileChooserTest, SaveAddsTheExtensionAndAsksBeforeReplacing) {
  std::string chosen;
  RunWithDriver([&] { chosen = ChooseSaveFile(nullptr); },
                [&] { AnswerFileDialog("ファイルを保存する", maps / "結合"); });
  EXPECT_EQ(chosen, maps / "結合.png");
  EXPECT_EQ(WorkingDirectory(), home.Path());

  WriteFile(maps / "old.png", "x");
  std::string question;
  RunWithDriver([&] { chosen = ChooseSaveFile(nullptr); },
                [&] {
                  AnswerFileDialog("ファイルを保存する", maps / "old.png");
                  question = AnswerMessageBox("ファイルを保存する", IDYES);
                });
  EXPECT_EQ(chosen, maps / "old.png");
  EXPECT_NE(question, "<no box>");
}

}  // namespace
