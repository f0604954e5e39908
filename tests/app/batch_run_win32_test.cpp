// Processing runs with the real progress window and picker: the counts and
// the bar, cancelling, giving up the picker, and the closing question.
#include <gtest/gtest.h>

#include <tuple>

#include "combine/list_box_rows_win32.h"
#include "app/batch_run_win32.h"
// The progress bar's messages; after windows.h.
#include <commctrl.h>

#include "common/app_context.h"
#include "common/path.h"
#include "convert/run_state.h"
#include "support/image_files.h"
#include "support/rule_file.h"
#include "support/ui_driver_win32.h"

namespace {

const char kProgressCaption[] = "Vomarin+ 処理中";
const char kPickerCaption[] = "Vomarin+  透過色の決定";
const char kClosingCaption[] = "作業の完了";
const char kCompleted[] =
    "変換が正常に完了しました。\n生成画像は元画像と同じ場所に出力されています。\n\n"
    "続けて他のファイルも処理しますか？";

constexpr std::uint32_t kMagenta = 0xFFFF00FF;
constexpr std::uint32_t kGreen = 0xFF00FF00;

// What the progress window showed (count, bar, file name) each time its bar
// was set up or stepped.
using ProgressShown = std::vector<std::tuple<std::string, int, std::string>>;
ProgressShown* progressShown = nullptr;

LRESULT CALLBACK RecordProgress(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
  if (code == HC_ACTION && progressShown != nullptr &&
      (call->message == PBM_SETSTEP || call->message == PBM_STEPIT)) {
    HWND dialog = GetParent(call->hwnd);
    progressShown->emplace_back(ControlText(dialog, kProgressCountText),
                                static_cast<int>(SendMessageA(call->hwnd, PBM_GETPOS, 0, 0)),
                                ControlText(dialog, 100));
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

class BatchRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RunState::Instance().ClearList();
    UseRuleFile(folder,
                "[Copy]\nReplace=0\nNameFoot=_c\n[Broken]\nIndividual=Missing\n"
                "[Map]\nReplace=0\nNameFoot=_c\nGroup=Map\n");
    // The main window as far as a run needs it: owner, and check box 302.
    owner = CreateWindowExA(0, "STATIC", "Vomarin+", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 200,
                            100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    CreateWindowExA(0, "BUTTON", "", WS_CHILD | BS_AUTOCHECKBOX, 0, 0, 10, 10, owner,
                    reinterpret_cast<HMENU>(kCombineMapsCheck), GetModuleHandleA(nullptr), nullptr);
    AppContext::Instance().mainWindow = owner;
    AppContext::Instance().moduleHandle = GetModuleHandleA(nullptr);
  }
  void TearDown() override {
    RunState::Instance().ClearList();
    AppContext::Instance().mainWindow = nullptr;
    DestroyWindow(owner);
  }

  // Adds a 4 x 1 palette sheet (magenta entry 0, green) as a job of rule.
  void AddJob(const std::string& name, const std::string& rule) {
    IndexedPicture sheet{4, 1, {kMagenta, kGreen}, {0, 1, 0, 1}};
    WriteFile(folder / name, PngFile(sheet, 8));
    RunState& run = RunState::Instance();
    run.images.push_back(OpenImage(folder / name));
    auto& processor = run.processors[rule];
    if (!processor) processor = std::make_unique<ImageProcessor>(rule);
    run.jobs.push_back({run.images.back().get(), processor.get()});
  }
  // The converted pixels of the sheet base, or none when nothing was written.
  std::optional<std::vector<std::uint32_t>> Output(const std::string& base) {
    const std::string path = folder / (base + kPathSeparator + "[V]" + base + "_c.png");
    if (!FileExists(path)) return std::nullopt;
    return ReadPngFile(ReadFile(path)).pixels;
  }

  // Runs the batch while script drives it; RunBatch's answer.
  bool Run(const std::function<void()>& script) {
    bool more = false;
    RunWithDriver([&] { more = RunBatch(false, false); }, script, 30000);
    return more;
  }

  TempFolder folder;
  HWND owner = nullptr;
};

TEST_F(BatchRunTest, CountAndBarFollowTheJobsAndFailedJobsAreCounted) {
  ProgressShown shown;
  progressShown = &shown;
  HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROCRET, RecordProgress, nullptr, GetCurrentThreadId());
  RunState::Instance().autoTransparent = true;

  for (const char* name : {"a.png", "b.png", "c.png"}) AddJob(name, "Copy");
  std::string closing;
  EXPECT_FALSE(Run([&] { closing = AnswerMessageBox(kClosingCaption, IDNO); }));
  EXPECT_EQ(closing, kCompleted);
  EXPECT_EQ(
      shown,
      (ProgressShown{
          {"0/3", 0, ""}, {"1/3", 3333, "a.png"}, {"2/3", 6666, "b.png"}, {"3/3", 9999, "c.png"}}));
  for (const char* base : {"a", "b", "c"}) {
    EXPECT_EQ(Output(base), (std::vector<std::uint32_t>{0, kGreen, 0, kGreen})) << base;
  }

  // A job whose rule fails does not stop the run, and is told of.
  RunState::Instance().ClearList();
  shown.clear();
  AddJob("broken.png", "Broken");
  AddJob("after.png", "Copy");
  EXPECT_TRUE(Run([&] { closing = AnswerMessageBox(kClosingCaption, IDYES); }));
  EXPECT_EQ(shown.back(), std::make_tuple(std::string("2/2"), 10000, std::string("after.png")));
  EXPECT_EQ(closing,
            "変換が終了しました。\n1個のファイルは正常に変換できませんでした。\n\n"
            ">規則[Missing]を使えません: 規則[Missing]がsetting.iniにありません\n\n"
            "生成画像は元画像と同じ場所に出力されています。\n\n続けて他のファイルも処理しますか？");
  EXPECT_TRUE(Output("after"));

  UnhookWindowsHookEx(hook);
  progressShown = nullptr;
}

TEST_F(BatchRunTest, WithCombineMapsCheckedTheCombinerOpensOnTheRunsGroup) {
  RunState::Instance().autoTransparent = true;
  SendMessageA(GetDlgItem(owner, kCombineMapsCheck), BM_SETCHECK, BST_CHECKED, 0);
  AddJob("b.png", "Map");
  AddJob("a.png", "Map");
  AddJob("plain.png", "Copy");  // no group: not combined
  std::vector<std::string> rows;
  std::string closing;
  Run([&] {
    HWND combiner = WaitForWindow("マップ結合");
    ASSERT_NE(combiner, nullptr);
    Settle(combiner);
    HWND list = GetDlgItem(combiner, 400);
    const ListBoxRows listRows(list);
    for (int i = 0; i < listRows.Count(); ++i) rows.push_back(listRows.TextAt(i));
    PressButton(combiner, IDCANCEL);  // "終了": closes without saving
    closing = AnswerMessageBox(kClosingCaption, IDNO);
  });
  // The group's outputs, sorted by path, as the run wrote them.
  EXPECT_EQ(rows, (std::vector<std::string>{"[V]a_c.png", "[V]b_c.png"}));
  EXPECT_EQ(closing, kCompleted);
}

TEST_F(BatchRunTest, CancelAsksAndAConfirmedCancelStartsNoFurtherJob) {
  RunState::Instance().autoTransparent = false;
  for (const char* name : {"1.png", "2.png", "3.png", "4.png", "5.png"}) AddJob(name, "Copy");
  std::string question;
  std::string closing;
  Run([&] {
    // The picker holds the worker at each job while the progress window waits.
    HWND picker = WaitForWindow(kPickerCaption);
    HWND progress = WaitForWindow(kProgressCaption);
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(GetWindow(progress, GW_OWNER), owner);
    EXPECT_EQ(GetWindowLongA(progress, GWL_STYLE) & WS_SYSMENU, 0);
    PressButton(progress, IDCANCEL);
    question = AnswerMessageBox("処理の中止", IDNO);
    EXPECT_TRUE(IsWindowVisible(progress));
    PressButton(picker, IDOK);
    WaitUntilGone(picker);

    picker = WaitForWindow(kPickerCaption);
    PressButton(progress, IDCANCEL);
    AnswerMessageBox("処理の中止", IDYES);
    EXPECT_TRUE(WaitUntilGone(progress));
    // The job under way still ends, its rule seeing the cancel; until then
    // the main window stays shut.
    for (int i = 0; i < 100 && IsWindowEnabled(owner); ++i) Sleep(20);
    EXPECT_FALSE(IsWindowEnabled(owner));
    PressButton(picker, IDOK);
    closing = AnswerMessageBox(kClosingCaption, IDNO);
  });
  EXPECT_EQ(question, "処理を全て中止しますか？");
  EXPECT_EQ(closing,
            "処理を中止しました。\n4個のファイルは変換が完了していません。\n\n>キャンセル\n\n"
            "生成画像は元画像と同じ場所に出力されています。\n\n続けて他のファイルも処理しますか？");
  EXPECT_TRUE(Output("1"));
  for (const char* base : {"2", "3", "4", "5"}) EXPECT_FALSE(Output(base)) << base;
  EXPECT_TRUE(RunState::Instance().cancelRequested);
  EXPECT_TRUE(IsWindowEnabled(owner));
}

TEST_F(BatchRunTest, GivingUpThePickerUsesPaletteTransparencyForTheRestOfTheRun) {
  RunState::Instance().autoTransparent = false;
  for (const char* name : {"p.png", "q.png", "r.png"}) AddJob(name, "Copy");
  std::string question;
  std::string closing;
  Run([&] {
    HWND picker = WaitForWindow(kPickerCaption);
    ASSERT_NE(picker, nullptr);
    ClickAt(picker, 20, 20);  // a pick, then discarded
    PressButton(picker, IDCANCEL);
    question = AnswerMessageBox("透過色指定キャンセルの確認", IDNO);
    EXPECT_TRUE(IsWindowVisible(picker));
    PostMessageA(picker, WM_CLOSE, 0, 0);  // the close box asks the same
    AnswerMessageBox("透過色指定キャンセルの確認", IDYES);
    closing = AnswerMessageBox(kClosingCaption, IDNO);
  });
  EXPECT_EQ(question,
            "ウィンドウが閉じられようとしています\n以降全ての透過色を自動設定してよろしいですか？");
  EXPECT_EQ(closing, kCompleted);
  EXPECT_TRUE(RunState::Instance().autoTransparent);
  for (const char* base : {"p", "q", "r"}) {
    EXPECT_EQ(Output(base), (std::vector<std::uint32_t>{0, kGreen, 0, kGreen})) << base;
  }
}

}  // namespace
