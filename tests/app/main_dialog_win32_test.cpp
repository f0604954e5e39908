// The main window driven as a user drives it: files dropped and opened, the
// list text, Start, "リスト消去" and closing.
#include <gtest/gtest.h>

#include "app/batch_run_win32.h"
#include "app/findings_window_win32.h"
#include "app/main_dialog_win32.h"
#include "common/app_context.h"
#include "common/path.h"
#include "common/wide_win32.h"
#include "common/window_text_win32.h"
#include "convert/process_log.h"
#include "convert/run_state.h"
#include "support/image_files.h"
#include "support/rule_file.h"
#include "support/ui_driver_win32.h"

namespace {

const char kGuidance[] =
    "有効なファイルがありません\r\n→からファイルを追加してください\r\n\r\n"
    "[ファイルを開く]でフォルダから\r\nファイルを選択できます\r\n\r\n"
    "またはこのウィンドウのどこかに\r\nファイルをドロップしてください\r\n";
const char kHeading[] =
    "以下のように判別されました\r\nさらにファイルを追加できます→\r\n"
    "開始ボタンで処理を開始します\r\n\r\n";

// A 1-pixel-high sheet of width pixels.
std::string Sheet(int width) {
  IndexedPicture sheet{width, 1, {0xFFFF00FF, 0xFF00FF00}, {}};
  for (int x = 0; x < width; ++x) sheet.indices.push_back(x % 2);
  return PngFile(sheet, 8);
}

class MainDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AppContext::Instance().moduleHandle = GetModuleHandleA(nullptr);
    UseRuleFile(folder,
                "[Process]\n4,1=Beta\n8,1=Alpha\ndefault=何もしない\n"
                "[Alpha]\nReplace=0\nNameFoot=_a\n[Beta]\nReplace=0\nNameFoot=_b\n");
    WriteFile(folder / "b1.png", Sheet(4));
    WriteFile(folder / "a2.png", Sheet(8));
    WriteFile(folder / "b3.png", Sheet(4));
    WriteFile(folder / "bad.png", "no image");
    WriteFile(folder / "c.png", Sheet(2));
  }
  void TearDown() override {
    RunState::Instance().ClearList();
    AppContext::Instance().mainWindow = nullptr;
  }

  // Runs the main window while script drives it; false when it did not end.
  bool Show(const std::function<void(HWND)>& script) {
    INT_PTR result = -1;
    RunWithDriver(
        [&] {
          result = DialogBoxParamW(GetModuleHandleW(nullptr), L"MAIN", nullptr, MainDialogProc, 0);
        },
        [&] {
          HWND dialog = WaitForWindow("Vomarin+");
          ASSERT_NE(dialog, nullptr);
          script(dialog);
        },
        30000);
    return result == 0;
  }

  std::string Written(const std::string& base, const std::string& foot) {
    return folder / (base + kPathSeparator + "[V]" + base + foot + ".png");
  }

  TempFolder folder;
};

TEST_F(MainDialogTest, FilesAreListedByRuleAndTheListDecidesWhatStartAndCancelDo) {
  std::string listed, question, notice, opened;
  EXPECT_TRUE(Show([&](HWND dialog) {
    EXPECT_EQ(ControlText(dialog, kListText), kGuidance);
    EXPECT_EQ(IsDlgButtonChecked(dialog, kChooseTransparencyCheck), BST_UNCHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog, kCombineMapsCheck), BST_UNCHECKED);
    DropFiles(dialog, {folder / "b1.png", folder / "a2.png", folder / "bad.png", folder / "b3.png",
                       folder / "c.png"});
    Settle(dialog);
    listed = ControlText(dialog, kListText);
    PressButton(dialog, IDCANCEL);
    question = AnswerMessageBox("終了の確認", IDNO);

    PressButton(dialog, kClearListButton);
    Settle(dialog);
    EXPECT_EQ(ControlText(dialog, kListText), kGuidance);
    PressButton(dialog, IDOK);
    notice = AnswerMessageBox("ファイルを追加して下さい", IDOK);

    PressButton(dialog, kOpenFileButton);
    AnswerFileDialog("ファイルを開く", folder / "a2.png");
    Settle(dialog);
    opened = ControlText(dialog, kListText);
    PressButton(dialog, kClearListButton);
    PressButton(dialog, IDCANCEL);  // an empty list closes at once
  }));
  EXPECT_EQ(listed, std::string(kHeading) +
                        "[Alpha]\r\n a2.png\r\n[Beta]\r\n b1.png\r\n b3.png\r\n"
                        "[その他]\r\n 無効なファイル - bad.png\r\n 何もしない - c.png\r\n");
  EXPECT_EQ(question,
            "いくつかのファイルが処理を予定されています\nこのまま処理を中止してもよろしいですか？");
  EXPECT_EQ(notice, "実行できる処理がありません。\nファイルを追加して下さい。");
  EXPECT_EQ(opened, std::string(kHeading) + "[Alpha]\r\n a2.png\r\n");
}

TEST_F(MainDialogTest, StartRunsTheListThenEmptiesItAndTheAnswerDecidesWhetherToStay) {
  std::string afterRun;
  EXPECT_TRUE(Show([&](HWND dialog) {
    DropFiles(dialog, {folder / "b1.png", folder / "a2.png"});
    Settle(dialog);
    PressButton(dialog, IDOK);  // 301 unchecked: no picker
    AnswerMessageBox("作業の完了", IDYES);
    Settle(dialog);
    afterRun = ControlText(dialog, kListText);
    EXPECT_TRUE(IsWindowVisible(dialog));

    DropFiles(dialog, {folder / "b3.png"});
    Settle(dialog);
    PressButton(dialog, IDOK);
    AnswerMessageBox("作業の完了", IDNO);
  }));
  EXPECT_EQ(afterRun, kGuidance);
  EXPECT_TRUE(RunState::Instance().autoTransparent);
  EXPECT_TRUE(RunState::Instance().jobs.empty());
  for (const auto& [base, foot] : {std::pair{"b1", "_b"}, {"a2", "_a"}, {"b3", "_b"}}) {
    EXPECT_TRUE(FileExists(Written(base, foot))) << base;
  }
}

// The rows of the list box id of dialog.
std::vector<std::string> ListRows(HWND dialog, int id) {
  HWND list = GetDlgItem(dialog, id);
  std::vector<std::string> rows;
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT row = 0; row < count; ++row) {
    std::wstring text(SendMessageW(list, LB_GETTEXTLEN, row, 0), L'\0');
    SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(&text[0]));
    rows.push_back(Utf8(text));
  }
  return rows;
}

// The clipboard's text once it reads expected (keys arrive through the
// system's input queue, after the messages posted to the window), waiting up
// to 5 seconds; what it reads then otherwise.
std::string AwaitClipboard(const std::string& expected) {
  std::string text = "<no clipboard>";
  for (int wait = 0; wait < 250 && text != expected; ++wait) {
    if (wait > 0) Sleep(20);
    if (!OpenClipboard(nullptr)) continue;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
      text = Utf8(static_cast<const wchar_t*>(GlobalLock(data)));
      GlobalUnlock(data);
    }
    CloseClipboard();
  }
  return text;
}

int WindowHeight(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return rect.bottom - rect.top;
}

TEST_F(MainDialogTest, TheRuleFilesProblemsShowAsALineAndAWindowOfTheCheckLines) {
  // The rule file of SetUp has no mistake: the window is as it always was.
  int cleanHeight = 0;
  EXPECT_TRUE(Show([&](HWND dialog) {
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, kRuleFileProblemsText)));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, kShowProblemsButton)));
    cleanHeight = WindowHeight(dialog);
    PressButton(dialog, IDCANCEL);
  }));

  // Two planted mistakes, the lines as `vomarin --check` prints them.
  UseRuleFile(folder,
              "[Process]\n4,1=Beta\n8,1=Alpah\ndefault=何もしない\n"
              "[Beta]\nReplace=0\nNameFoot=_b\nSrcDiv=0,1\n");
  const std::vector<std::string> checkLines = {
      "[Process] 8,1=Alpah: 規則[Alpah]がありません",
      "[Beta] 規則として使えません: 不正なSrcDiv（SrcDiv=0,1）"};
  EXPECT_TRUE(Show([&](HWND dialog) {
    EXPECT_EQ(ControlText(dialog, kRuleFileProblemsText), "規則ファイルに 2 件の問題があります");
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, kRuleFileProblemsText)));
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, kShowProblemsButton)));
    EXPECT_GT(WindowHeight(dialog), cleanHeight);
    PressButton(dialog, kShowProblemsButton);
    HWND findings = WaitForWindow("規則ファイルの問題");
    ASSERT_NE(findings, nullptr);
    EXPECT_EQ(ListRows(findings, kFindingsList), checkLines);
    // Ctrl+A selects every row and Ctrl+C copies them, a line each.
    SetForegroundWindow(findings);
    Settle(findings);
    for (const auto& [key, up] : {std::pair{VK_CONTROL, 0},
                                  {'A', 0},
                                  {'A', KEYEVENTF_KEYUP},
                                  {'C', 0},
                                  {'C', KEYEVENTF_KEYUP},
                                  {VK_CONTROL, KEYEVENTF_KEYUP}}) {
      keybd_event(static_cast<BYTE>(key), 0, up, 0);
    }
    const std::string copied = checkLines[0] + "\r\n" + checkLines[1] + "\r\n";
    EXPECT_EQ(AwaitClipboard(copied), copied);
    PressButton(findings, IDCANCEL);
    EXPECT_TRUE(WaitUntilGone(findings));
    PressButton(dialog, IDCANCEL);
  }));
}

TEST_F(MainDialogTest, TheIndexTableBoxWritesTheTablesBesideThePiecesAndLogsThem) {
  EXPECT_TRUE(Show([&](HWND dialog) {
    EXPECT_EQ(IsDlgButtonChecked(dialog, kWriteIndexTableCheck), BST_UNCHECKED);
    SendDlgItemMessageW(dialog, kWriteIndexTableCheck, BM_SETCHECK, BST_CHECKED, 0);
    DropFiles(dialog, {folder / "b1.png"});
    Settle(dialog);
    PressButton(dialog, IDOK);
    AnswerMessageBox("作業の完了", IDNO);
  }));
  // The table that `vomarin --index-table b1.png` writes.
  const std::string table = "b1" + std::string(1, kPathSeparator) + "[V]b1_b.csv";
  EXPECT_EQ(ReadFile(folder / table),
            "piece,x,y,width,height,cell,source_x,source_y\n[V]b1_b.png,0,0,4,1,0,0,0\n");
  ProcessLog& log = ProcessLog::Instance();
  log.Select(ProcessLog::kReportChannel);
  EXPECT_NE(log.GetText().find(">" + table), std::string::npos);
}

TEST_F(MainDialogTest, TheTilesetBoxWritesATiledTilesetBesideEachPiece) {
  EXPECT_TRUE(Show([&](HWND dialog) {
    EXPECT_EQ(ItemText(dialog, kWriteTilesetsCheck), "Tiled用タイルセットを書く");
    EXPECT_EQ(IsDlgButtonChecked(dialog, kWriteTilesetsCheck), BST_UNCHECKED);
    SendDlgItemMessageW(dialog, kWriteTilesetsCheck, BM_SETCHECK, BST_CHECKED, 0);
    DropFiles(dialog, {folder / "b1.png"});
    Settle(dialog);
    PressButton(dialog, IDOK);
    AnswerMessageBox("作業の完了", IDNO);
  }));
  // The tileset that `vomarin --tileset b1.png` writes: one tile of the cell size.
  const std::string tileset = "b1" + std::string(1, kPathSeparator) + "[V]b1_b.tsx";
  EXPECT_EQ(ReadFile(folder / tileset),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<tileset version=\"1.8\" "
            "tiledversion=\"1.8.2\" name=\"[V]b1_b\" tilewidth=\"4\" tileheight=\"1\" "
            "tilecount=\"1\" columns=\"1\">\n <image source=\"[V]b1_b.png\" width=\"4\" "
            "height=\"1\"/>\n</tileset>\n");
  ProcessLog& log = ProcessLog::Instance();
  log.Select(ProcessLog::kReportChannel);
  EXPECT_NE(log.GetText().find(">" + tileset), std::string::npos);
}

}  // namespace
