// The rule-selection box and dialog in real windows, driven as a user would.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "app/select_dialog_win32.h"
#include "app/window_prompt_win32.h"
#include "classify/classify.h"
#include "common/app_context.h"
#include "common/user_prompt.h"
#include "convert/run_state.h"
#include "image/image.h"
#include "support/image_files.h"
#include "support/rule_file.h"
#include "support/ui_driver_win32.h"

namespace {

constexpr char kStartCaption[] = "手動判別の開始";
constexpr char kSelectCaption[] = "Vomarin+ 規格の選別";
constexpr char kConfirmCaption[] = "追加キャンセルの確認";
constexpr char kCloseQuestion[] =
    "ウィンドウが閉じられようとしています\n以降全ての追加を中止してよろしいですか？";

class SelectDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AppContext::Instance().moduleHandle = GetModuleHandleA(nullptr);
    InstallWindowPrompt();
    // A sheet of two 32 x 32 cells: blue, then red.
    Picture picture{64, 32, {}};
    for (int i = 0; i < 64 * 32; ++i) picture.pixels.push_back(i % 64 < 32 ? kBlue : kRed);
    WriteFile(folder / "sheet.png", PngFile(picture, true));
    sheet = OpenImage(folder / "sheet.png");
  }
  void TearDown() override { SetUserPrompt(nullptr); }

  // The user's choice for fileName among candidates, answered by script.
  int Choose(const std::string& fileName, const std::function<void()>& script,
             const std::vector<std::string>& candidates = {"A", "B"}) {
    int choice = 99;
    RunWithDriver([&] { choice = CurrentUserPrompt().ChooseRule(fileName, candidates, *sheet); },
                  script);
    return choice;
  }

  static constexpr std::uint32_t kBlue = 0xFF2040C0;
  static constexpr std::uint32_t kRed = 0xFFC04020;
  TempFolder folder;
  std::unique_ptr<IImage> sheet;
};

// Acknowledges the announcing box and returns the dialog that follows.
HWND OpenDialog() {
  EXPECT_NE(AnswerMessageBox(kStartCaption, IDOK), "<no box>");
  HWND dialog = WaitForWindow(kSelectCaption);
  EXPECT_NE(dialog, nullptr);
  return dialog;
}

LRESULT Send(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(GetDlgItem(dialog, id), message, wParam, lParam, SMTO_NORMAL, 5000, &result);
  return static_cast<LRESULT>(result);
}

int Selection(HWND dialog) {
  return static_cast<int>(Send(dialog, kSelectCandidateBox, CB_GETCURSEL));
}

std::vector<std::string> Entries(HWND dialog) {
  std::vector<std::string> entries;
  const int count = static_cast<int>(Send(dialog, kSelectCandidateBox, CB_GETCOUNT));
  for (int i = 0; i < count; ++i) {
    char text[256] = {};
    Send(dialog, kSelectCandidateBox, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    entries.push_back(text);
  }
  return entries;
}

TEST_F(SelectDialogTest, TheBoxAnnouncesTheDialogWhoseOkTakesTheFirstCandidate) {
  const int choice = Choose("森の表.png", [] {
    EXPECT_EQ(
        AnswerMessageBox(kStartCaption, IDOK),
        "森の表.pngは画像の自動判別ができません\n次のウィンドウで適切なものを手動選択して下さい\n");

    HWND dialog = WaitForWindow(kSelectCaption);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ControlText(dialog, 100), "ファイル名:");
    EXPECT_EQ(ControlText(dialog, kSelectFileNameText), "森の表.png");
    EXPECT_EQ(ControlText(dialog, 200), "画像の種類");
    EXPECT_EQ(ControlText(dialog, 302), "選択してください↓");
    EXPECT_EQ(ControlText(dialog, 301), "リストに無い場合は非対応です");
    EXPECT_EQ(ControlText(dialog, IDOK), "OK");
    EXPECT_EQ(ControlText(dialog, kSelectSkipButton), "キャンセル");
    EXPECT_EQ(Entries(dialog), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(Selection(dialog), 0);
    // The box was made 1000 pixels tall, so its drop-down list shows many
    // candidates (the template's height would show none).
    RECT list = {};
    Send(dialog, kSelectCandidateBox, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&list));
    EXPECT_GT(list.bottom - list.top, 900);
    PressButton(dialog, IDOK);
  });
  EXPECT_EQ(choice, 0);
  EXPECT_EQ(selectFileName, "森の表.png");
  EXPECT_EQ(selectCandidates, (std::vector<std::string>{"A", "B"}));
}

TEST_F(SelectDialogTest, TextTypedInsteadOfAChoiceSkipsTheFile) {
  const int choice = Choose("a.png", [] {
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    HWND edit = FindWindowExA(GetDlgItem(dialog, kSelectCandidateBox), nullptr, "Edit", nullptr);
    ASSERT_NE(edit, nullptr);
    for (const char c : std::string("xyz"))
      PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
    Settle(dialog);
    EXPECT_EQ(Selection(dialog), CB_ERR);
    PressButton(dialog, IDOK);
  });
  EXPECT_EQ(choice, UserPrompt::kSkipFile);
}

TEST_F(SelectDialogTest, SkippingAsksFirstAndNoKeepsTheDialogAsItWas) {
  const int choice = Choose("a.png", [] {
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    Send(dialog, kSelectCandidateBox, CB_SETCURSEL, 1);
    PressButton(dialog, kSelectSkipButton);
    EXPECT_EQ(AnswerMessageBox(kConfirmCaption, IDNO), "a.pngを無視してよろしいですか？");
    Settle(dialog);
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(Selection(dialog), 1);
    PressButton(dialog, kSelectSkipButton);
    EXPECT_EQ(AnswerMessageBox(kConfirmCaption, IDYES), "a.pngを無視してよろしいですか？");
  });
  EXPECT_EQ(choice, UserPrompt::kSkipFile);
}

TEST_F(SelectDialogTest, ClosingAsksWhetherToStopAllAdding) {
  const int choice = Choose("a.png", [] {
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    PostMessageA(dialog, WM_CLOSE, 0, 0);  // the close box
    EXPECT_EQ(AnswerMessageBox(kConfirmCaption, IDNO), kCloseQuestion);
    Settle(dialog);
    EXPECT_TRUE(IsWindowVisible(dialog));
    PressButton(dialog, IDCANCEL);  // Esc
    EXPECT_EQ(AnswerMessageBox(kConfirmCaption, IDYES), kCloseQuestion);
  });
  EXPECT_EQ(choice, UserPrompt::kStopAdding);
}

TEST_F(SelectDialogTest, AddingAnAmbiguousFileAsksThroughTheBoxAndTheDialog) {
  TempFolder folder;
  UseRuleFile(folder, "[Process]\n2,2=A/B\n[A]\n[B]\n");
  std::vector<std::string> paths;
  for (const char* name : {"1.png", "2.png", "3.png"}) {
    paths.push_back(folder / name);
    WriteFile(paths.back(),
              PngFile(Picture{2, 2, std::vector<std::uint32_t>(4, 0xFF000000)}, true));
  }
  RunState::Instance().ClearList();
  RunWithDriver([&] { AddFiles(paths); },
                [] {
                  HWND dialog = OpenDialog();
                  ASSERT_NE(dialog, nullptr);
                  Send(dialog, kSelectCandidateBox, CB_SETCURSEL, 1);
                  PressButton(dialog, IDOK);
                  WaitUntilGone(dialog);
                  // The second file stops the adding; the third is never asked about.
                  dialog = OpenDialog();
                  ASSERT_NE(dialog, nullptr);
                  PressButton(dialog, IDCANCEL);
                  AnswerMessageBox(kConfirmCaption, IDYES);
                });
  const RunState& run = RunState::Instance();
  ASSERT_EQ(run.jobs.size(), 1u);
  EXPECT_EQ(run.jobs[0].processor->RuleName(), "B");
  EXPECT_EQ(run.listText, (std::map<std::string, std::string>{{"B", " 1.png\r\n"}}));
  RunState::Instance().ClearList();
}

// What the screen shows of the picture control of dialog.
Picture PictureOnScreen(HWND dialog) {
  SetWindowPos(dialog, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  Settle(dialog);
  RedrawWindow(GetDlgItem(dialog, kSelectPicture), nullptr, nullptr,
               RDW_INVALIDATE | RDW_UPDATENOW);
  RECT area = {};
  GetWindowRect(GetDlgItem(dialog, kSelectPicture), &area);
  return ScreenPixels(area);
}

// Moves the highlight as the arrow keys do: the list tells its dialog.
void Highlight(HWND dialog, int index) {
  Send(dialog, kSelectCandidateBox, CB_SETCURSEL, index);
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(kSelectCandidateBox, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, kSelectCandidateBox)));
  Settle(dialog);
}

int Count(const Picture& picture, std::uint32_t colour) {
  return static_cast<int>(std::count(picture.pixels.begin(), picture.pixels.end(), colour));
}

TEST_F(SelectDialogTest, ThePictureFollowsTheHighlightAndTellsWhyACandidateCannotApply) {
  // A keeps the blue cell in one piece; B puts the red cell twice, in two
  // pieces; C is not in the rule file.
  UseRuleFile(folder,
              "[A]\nSrcDiv=2,1\nNewSize=32,32\nReplace=0\n"
              "[B]\nSrcDiv=2,1\nNewSize=64,32\nReplace=1,1\nFileDiv=2,1\n");
  const int choice =
      Choose("sheet.png",
             [] {
               HWND dialog = OpenDialog();
               ASSERT_NE(dialog, nullptr);
               // Wine shows a window that has just opened a moment later.
               Picture a = PictureOnScreen(dialog);
               for (const DWORD start = GetTickCount();
                    Count(a, kBlue) == 0 && GetTickCount() - start < 5000;
                    a = PictureOnScreen(dialog)) {
                 Sleep(20);
               }
               EXPECT_EQ(ControlText(dialog, kSelectPictureLine),
                         "セル 2列 x 1行、キャンバス 32 x 32、出力 1枚");
               EXPECT_EQ(ControlText(dialog, kSelectPicture), "");
               EXPECT_GT(Count(a, kBlue), 32 * 32);  // enlarged, at most twice
               EXPECT_LE(Count(a, kBlue), 64 * 64);
               EXPECT_EQ(Count(a, kRed), 0);

               Highlight(dialog, 1);
               const Picture b = PictureOnScreen(dialog);
               EXPECT_EQ(ControlText(dialog, kSelectPictureLine),
                         "セル 2列 x 1行、キャンバス 64 x 32、出力 2枚");
               EXPECT_EQ(Count(b, kBlue), 0);
               EXPECT_GT(Count(b, kRed), 64 * 32);
               EXPECT_GT(Count(b, 0xFFFF0000), 3 * 32);  // the boundaries of the two pieces

               Highlight(dialog, 2);
               EXPECT_EQ(ControlText(dialog, kSelectPicture), "規則[C]がsetting.iniにありません");
               EXPECT_EQ(ControlText(dialog, kSelectPictureLine), "");
               EXPECT_EQ(Count(PictureOnScreen(dialog), kRed), 0);

               Highlight(dialog, 0);
               EXPECT_EQ(PictureOnScreen(dialog).pixels, a.pixels);

               // The mouse over the second row of the open list.
               Send(dialog, kSelectCandidateBox, CB_SHOWDROPDOWN, TRUE);
               COMBOBOXINFO info = {};
               info.cbSize = sizeof info;
               ASSERT_TRUE(GetComboBoxInfo(GetDlgItem(dialog, kSelectCandidateBox), &info));
               RECT row = {};
               SendMessageTimeoutA(info.hwndList, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row),
                                   SMTO_NORMAL, 5000, nullptr);
               PostMessageA(info.hwndList, WM_MOUSEMOVE, 0, MAKELPARAM(row.left + 2, row.top + 2));
               Settle(dialog);
               EXPECT_EQ(ControlText(dialog, kSelectPictureLine),
                         "セル 2列 x 1行、キャンバス 64 x 32、出力 2枚");
               Send(dialog, kSelectCandidateBox, CB_SHOWDROPDOWN, FALSE);
               Highlight(dialog, 0);
               PressButton(dialog, IDOK);
             },
             {"A", "B", "C"});
  EXPECT_EQ(choice, 0);
}

}  // namespace
