// The combiner window in a real dialog under wine, driven as a user would:
// buttons, the list, the file dialogs, drops, the scroll bar and keys.
#include <windows.h>

#include <gtest/gtest.h>

#include "combine/combiner_state.h"
#include "combine/combiner_texts.h"
#include "combine/combiner_window_win32.h"
#include "combine/list_box_rows_win32.h"
#include "common/app_context.h"
#include "common/window_text_win32.h"
#include "support/files.h"
#include "support/image_files.h"
#include "support/ui_driver_win32.h"

namespace {

using Names = std::vector<std::string>;
constexpr char kDefaultCaption[] = "エラー";  // of a message box opened without one
constexpr char kNotAdded[] = "次のファイルは追加できませんでした。\n";

// Row y of sheet s has one opaque colour of its own, so that a pixel of the
// preview tells which sheet and row it shows.
std::uint32_t RowColour(int sheet, int y) {
  return 0xFF000000u | static_cast<std::uint32_t>(sheet << 20 | y);
}

class CombinerWindow : public testing::Test {
 protected:
  void SetUp() override {
    AppContext::Instance().moduleHandle = GetModuleHandleA(nullptr);
    char here[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, here);
    AppContext::Instance().exeDirectory = std::string(here) + "\\";
    state.sheetWidth = 256;
  }
  void TearDown() override { state.initialFiles.clear(); }

  std::string Sheet(const std::string& name, int sheet, int width, int height) {
    Picture picture{width, height, {}};
    for (int y = 0; y < height; ++y)
      picture.pixels.insert(picture.pixels.end(), width, RowColour(sheet, y));
    WriteFile(folder / name, PngFile(picture, false));
    return folder / name;
  }

  // Opens the window and runs script on the driver thread; closes what is left.
  void Run(const std::function<void(HWND)>& script) {
    RunWithDriver(OpenCombinerWindow, [&] {
      const HWND window = WaitForWindow(kCombinerCaption);
      ASSERT_NE(window, nullptr);
      Settle(window);
      script(window);
      if (IsWindow(window)) PressButton(window, kCloseButton);
      EXPECT_TRUE(WaitUntilGone(window));
    });
  }

  CombinerState& state = CombinerState::Instance();
  TempFolder folder;
};

Names Rows(HWND window) {
  Names rows;
  const ListBoxRows listRows(GetDlgItem(window, kSheetListBox));
  for (int i = 0; i < listRows.Count(); ++i) rows.push_back(listRows.TextAt(i));
  return rows;
}

int Selected(HWND window) { return SendDlgItemMessageA(window, kSheetListBox, LB_GETCURSEL, 0, 0); }
bool Checked(HWND window, int id) { return IsDlgButtonChecked(window, id) == BST_CHECKED; }
bool ScrollEnabled(HWND window) { return IsWindowEnabled(GetDlgItem(window, kPreviewScrollBar)); }

SCROLLINFO ScrollBar(HWND window) {
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(GetDlgItem(window, kPreviewScrollBar), SB_CTL, &info);
  return info;
}

void Press(HWND window, int id) {
  PressButton(window, id);
  Settle(window);
}

void Scroll(HWND window, int request, int position = 0) {
  PostMessageA(window, WM_VSCROLL, MAKEWPARAM(request, position),
               reinterpret_cast<LPARAM>(GetDlgItem(window, kPreviewScrollBar)));
  Settle(window);
}

// A click on row index, as a user selects it.
void ClickRow(HWND window, int index) {
  RECT row = {};
  SendDlgItemMessageA(window, kSheetListBox, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&row));
  ClickAt(GetDlgItem(window, kSheetListBox), row.left + 4, (row.top + row.bottom) / 2);
  Settle(window);
}

// A pixel of the preview as painted on screen, 0xAARRGGBB.
std::uint32_t OnScreen(HWND window, int x, int y) {
  UpdateWindow(window);
  const HWND preview = GetDlgItem(window, kPreviewArea);
  const HDC dc = GetDC(preview);
  const COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(preview, dc);
  return 0xFF000000u | GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour);
}

// Answers the open or save dialog with path, or cancels it when empty.
void ChooseInFileDialog(const std::string& caption, const std::string& path) {
  const HWND dialog = WaitForWindow(caption);
  ASSERT_NE(dialog, nullptr) << caption;
  HWND field = GetDlgItem(dialog, 0x47c);  // the name field: a combo box, or an edit
  if (field == nullptr) field = GetDlgItem(dialog, 0x480);
  if (!path.empty()) SetWindowTextUtf8(field, path);
  PressButton(dialog, path.empty() ? IDCANCEL : IDOK);
  EXPECT_TRUE(WaitUntilGone(dialog));
}

TEST_F(CombinerWindow, OpensEmptyAtTheWidthLeftAndRefusesToSaveAnEmptyList) {
  state.sheetWidth = 128;
  Run([&](HWND window) {
    EXPECT_EQ(Rows(window), Names{});
    EXPECT_TRUE(Checked(window, kRadio128));
    EXPECT_FALSE(Checked(window, kRadio256));
    EXPECT_FALSE(ScrollEnabled(window));

    PressButton(window, kSaveButton);
    EXPECT_EQ(AnswerMessageBox(kDefaultCaption, IDOK), kAddFilesFirstMessage);
    // Enter is "saveend": on an empty list it asks first; Cancel keeps the window.
    PostMessageA(GetDlgItem(window, kSheetListBox), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(AnswerMessageBox(kDefaultCaption, IDCANCEL), kEndWithoutSavingMessage);
    Settle(window);
    ASSERT_TRUE(IsWindowVisible(window));
    PressButton(window, kSaveEndButton);
    EXPECT_EQ(AnswerMessageBox(kDefaultCaption, IDOK), kEndWithoutSavingMessage);
  });

  // The width left by the launcher shows at the next opening; Esc ends it.
  state.sheetWidth = 256;
  Run([&](HWND window) {
    EXPECT_TRUE(Checked(window, kRadio256));
    PostMessageA(GetDlgItem(window, kSheetListBox), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(WaitUntilGone(window));
  });
}

TEST_F(CombinerWindow, AddsByTheOpenDialogDropsAndAtStartNamingFilesThatAreNoImages) {
  const std::string a = Sheet("a.png", 1, 256, 50);
  WriteFile(folder / "notes.txt", "no image");
  Run([&](HWND window) {
    PressButton(window, kAddButton);
    ChooseInFileDialog("ファイルを開く", a);
    Settle(window);
    EXPECT_EQ(Rows(window), Names{"a.png"});
    EXPECT_EQ(Selected(window), LB_ERR);
    EXPECT_TRUE(ScrollEnabled(window));
    PressButton(window, kAddButton);
    ChooseInFileDialog("ファイルを開く", "");
    Settle(window);
    EXPECT_EQ(Rows(window), Names{"a.png"});

    DropFiles(window,
              {Sheet("b.png", 2, 256, 50), folder / "notes.txt", Sheet("c.png", 3, 256, 50)});
    EXPECT_EQ(AnswerMessageBox(kDefaultCaption, IDOK),
              kNotAdded + folder / "notes.txt" + "（無効なファイル）");
    Settle(window);
    EXPECT_EQ(Rows(window), (Names{"a.png", "b.png", "c.png"}));
    EXPECT_EQ(OnScreen(window, 0, 60), RowColour(2, 10));
  });
  // The dialogs leave the working directory where the program keeps it.
  char current[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, current);
  EXPECT_EQ(std::string(current) + "\\", AppContext::Instance().exeDirectory);

  state.initialFiles = {a, folder / "gone.png", ""};
  Run([&](HWND window) {
    EXPECT_EQ(AnswerMessageBox(kDefaultCaption, IDOK),
              kNotAdded + folder / "gone.png" + "（ファイルがありません）");
    EXPECT_EQ(Rows(window), Names{"a.png"});
  });
}

// The list's own rules are tested in both builds; here the window's part:
// the list box, the preview recomposed and the scroll to the selection.
TEST_F(CombinerWindow, MovesDeletesAndClearsScrollingToTheSelectedSheet) {
  state.initialFiles = {Sheet("a.png", 1, 256, 100), Sheet("b.png", 2, 256, 200),
                        Sheet("c.png", 3, 256, 300)};
  Run([&](HWND window) {
    for (const int id : {kUpButton, kDownButton, kDeleteButton}) Press(window, id);
    EXPECT_EQ(Rows(window), (Names{"a.png", "b.png", "c.png"}));  // nothing was selected

    ClickRow(window, 1);  // b begins at row 100: shown 64 below the top
    EXPECT_EQ(ScrollBar(window).nPos, 36);
    EXPECT_EQ(OnScreen(window, 0, 64), RowColour(2, 0));
    Press(window, kUpButton);
    EXPECT_EQ(Rows(window), (Names{"b.png", "a.png", "c.png"}));
    EXPECT_EQ(Selected(window), 0);
    EXPECT_EQ(ScrollBar(window).nPos, 0);
    EXPECT_EQ(OnScreen(window, 0, 0), RowColour(2, 0));  // composed in the new order

    ClickRow(window, 2);
    Press(window, kDeleteButton);  // the last row: the new last is selected
    EXPECT_EQ(Rows(window), (Names{"b.png", "a.png"}));
    EXPECT_EQ(Selected(window), 1);
    EXPECT_EQ(ScrollBar(window).nMax, 300);
    Press(window, kClearButton);
    EXPECT_EQ(Rows(window), Names{});
    EXPECT_FALSE(ScrollEnabled(window));
    EXPECT_EQ(ScrollBar(window).nPos, 0);
  });
}

TEST_F(CombinerWindow, ScrollsByLinesAndThumbWithinTheRangeAndSwitchesWidth) {
  state.initialFiles = {Sheet("long.png", 1, 512, 600), Sheet("short.png", 2, 64, 10)};
  Run([&](HWND window) {
    EXPECT_EQ(ScrollBar(window).nMax, 1210);  // two strips of 600 and one of 10
    const int largest = 1210 - static_cast<int>(ScrollBar(window).nPage);
    Scroll(window, SB_LINEDOWN);
    EXPECT_EQ(ScrollBar(window).nPos, 16);
    Scroll(window, SB_THUMBPOSITION, 10);
    Scroll(window, SB_LINEUP);
    EXPECT_EQ(ScrollBar(window).nPos, 0);
    Scroll(window, SB_THUMBTRACK, 700);
    Scroll(window, SB_PAGEDOWN);
    EXPECT_EQ(ScrollBar(window).nPos, 700);
    EXPECT_EQ(OnScreen(window, 0, 0), RowColour(1, 100));
    Scroll(window, SB_THUMBPOSITION, largest - 5);
    Scroll(window, SB_LINEDOWN);
    EXPECT_EQ(ScrollBar(window).nPos, largest);

    // 256 -> 128 -> 256 gives back the same preview.
    std::vector<std::uint32_t> wide;
    for (int y = 0; y < 300; y += 7) wide.push_back(OnScreen(window, y % 260, y));
    PostMessageA(GetDlgItem(window, kRadio128), BM_CLICK, 0, 0);
    Settle(window);
    EXPECT_EQ(state.sheetWidth, 128);
    EXPECT_EQ(ScrollBar(window).nMax, 2410);
    PostMessageA(GetDlgItem(window, kRadio256), BM_CLICK, 0, 0);
    Settle(window);
    EXPECT_TRUE(Checked(window, kRadio256));
    for (int y = 0, i = 0; y < 300; y += 7) EXPECT_EQ(OnScreen(window, y % 260, y), wide[i++]) << y;

    ClickRow(window, 0);  // what is left is shorter than the preview
    Press(window, kDeleteButton);
    Scroll(window, SB_LINEDOWN);
    EXPECT_EQ(ScrollBar(window).nPos, 0);
  });
}

TEST_F(CombinerWindow, ReachesThumbPositionsBeyond65535ByDragging) {
  WriteFile(folder / "tall.png", PngFile(IndexedPicture{256,
                                                        70000,
                                                        {0xFFFF00FF, 0xFF204080},
                                                        std::vector<std::uint8_t>(256 * 70000, 1)},
                                         1));
  state.initialFiles = {folder / "tall.png"};
  Run([&](HWND window) {
    const HWND bar = GetDlgItem(window, kPreviewScrollBar);
    RECT rect = {};
    GetClientRect(bar, &rect);
    const int thumb = GetSystemMetrics(SM_CYVSCROLL) + 3;  // at the top, below the arrow
    PostMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rect.right / 2, thumb));
    PostMessageA(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(rect.right / 2, rect.bottom - 1));
    PostMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(rect.right / 2, rect.bottom - 1));
    Settle(window);
    const SCROLLINFO scrolled = ScrollBar(window);
    EXPECT_EQ(scrolled.nPos, 70000 - static_cast<int>(scrolled.nPage));
    EXPECT_EQ(OnScreen(window, 0, scrolled.nPage - 1), 0xFF204080u);
  });
}

TEST_F(CombinerWindow, SavesKeepsOrEndsTheWindowAsAskedAndSaysWhenItCannot) {
  state.initialFiles = {Sheet("a.png", 1, 300, 20), Sheet("b.png", 2, 100, 5)};
  Run([&](HWND window) {
    PressButton(window, kSaveButton);
    ChooseInFileDialog("ファイルを保存する", "");
    PressButton(window, kSaveButton);
    ChooseInFileDialog("ファイルを保存する", folder / "kept.png");
    Settle(window);
    EXPECT_TRUE(IsWindowVisible(window));
    PressButton(window, kSaveEndButton);
    ChooseInFileDialog("ファイルを保存する", "");  // cancelled: ends all the same
    EXPECT_TRUE(WaitUntilGone(window));
  });
  const Picture kept = ReadPngFile(ReadFile(folder / "kept.png"));
  ASSERT_EQ(kept.height, 45);
  EXPECT_EQ(kept.At(43, 39), RowColour(1, 19));  // column 299 of a
  EXPECT_EQ(kept.At(44, 39) >> 24, 0u);
  EXPECT_EQ(kept.At(99, 44), RowColour(2, 4));
  EXPECT_EQ(ListFolder(folder.Path()).size(), 3u);  // a.png, b.png, kept.png

  // Beyond the image limit nothing can be written: the user is told, and
  // "saveend" keeps the window and the list.
  WriteFile(
      folder / "thin.png",
      PngFile(
          IndexedPicture{1, 600000, {0xFFFF00FF, 0xFF000000}, std::vector<std::uint8_t>(600000, 1)},
          1));
  state.initialFiles = {folder / "thin.png"};
  Run([&](HWND window) {
    PressButton(window, kSaveEndButton);
    ChooseInFileDialog("ファイルを保存する", folder / "never.png");
    EXPECT_EQ(AnswerMessageBox(kDefaultCaption, IDOK),
              kTooLargeToSaveMessage + ("\n" + folder / "never.png"));
    Settle(window);
    EXPECT_EQ(Rows(window), Names{"thin.png"});
  });
  EXPECT_FALSE(FileExists(folder / "never.png"));
}

TEST_F(CombinerWindow, CutsAPreviewTooTallForItsBitmapWithANoticeAndSavesTheWholeSheet) {
  SetPreviewPixelLimit(256 * 1000);
  state.initialFiles = {Sheet("tall.png", 1, 256, 3000)};
  Run([&](HWND window) {
    RECT area = {};
    GetClientRect(GetDlgItem(window, kPreviewArea), &area);
    const int shown = 256 * 1000 / std::max<int>(256, area.right);
    EXPECT_EQ(ScrollBar(window).nMax, shown);
    Scroll(window, SB_THUMBPOSITION, shown);
    EXPECT_EQ(OnScreen(window, 0, 0), RowColour(1, shown - area.bottom));
    const COLORREF notice = GetSysColor(COLOR_INFOBK);
    EXPECT_EQ(OnScreen(window, 1, area.bottom - 2),
              0xFF000000u | GetRValue(notice) << 16 | GetGValue(notice) << 8 | GetBValue(notice));
    PressButton(window, kSaveButton);
    ChooseInFileDialog("ファイルを保存する", folder / "whole.png");
    Settle(window);
  });
  SetPreviewPixelLimit(1LL << 25);
  const Picture saved = ReadPngFile(ReadFile(folder / "whole.png"));
  ASSERT_EQ(saved.height, 3000);
  EXPECT_EQ(saved.At(255, 2999), RowColour(1, 2999));
}

TEST_F(CombinerWindow, LaunchCombinerOpensOneWindowPerGroupInTurn) {
  CombineGroups groups = {{"XP/VX", {Sheet("d.png", 1, 8, 8), Sheet("c.png", 2, 8, 8)}},
                          {"200X", {Sheet("e.png", 3, 8, 8)}}};
  std::vector<std::pair<bool, Names>> seen;
  RunWithDriver([&] { LaunchCombiner(groups); },
                [&] {
                  for (int i = 0; i < 2; ++i) {
                    const HWND window = WaitForWindow(kCombinerCaption);
                    ASSERT_NE(window, nullptr);
                    Settle(window);
                    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
                    seen.push_back({Checked(window, kRadio128), Rows(window)});
                    PressButton(window, kCloseButton);
                    ASSERT_TRUE(WaitUntilGone(window));
                  }
                });
  const std::vector<std::pair<bool, Names>> expected = {{true, {"e.png"}},
                                                        {false, {"c.png", "d.png"}}};
  EXPECT_EQ(seen, expected);
}

}  // namespace
