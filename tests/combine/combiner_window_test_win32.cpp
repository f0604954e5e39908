// The combiner window in a real dialog under wine, driven as a user would:
// buttons, the list, the file dialogs, drops, the scroll bar and keys.
#include <windows.h>

#include <gtest/gtest.h>

#include "combine/combiner_state.h"
#include "combine/combiner_window_win32.h"
#include "common/app_context.h"
#include "support/files.h"
#include "support/image_files.h"
#include "support/ui_driver_win32.h"

namespace {

// The caption of a message box opened without one.
constexpr char kDefaultCaption[] = "エラー";
constexpr int kFileNameCombo = 0x47c;  // the file dialogs' name field
constexpr int kFileNameEdit = 0x480;

// Row y of sheet s is one opaque colour, so that the preview's top row
// tells which sheet and row the preview is scrolled to.
std::uint32_t RowColour(int sheet, int y) {
  return 0xFF000000u | static_cast<std::uint32_t>(sheet) << 20 | static_cast<std::uint32_t>(y);
}

class CombinerWindow : public testing::Test {
 protected:
  void SetUp() override {
    AppContext::Instance().moduleHandle = GetModuleHandleA(nullptr);
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    AppContext::Instance().exeDirectory = std::string(folder) + "\\";
    state.sheetWidth = 256;
    state.initialFiles.clear();
  }
  void TearDown() override { state.initialFiles.clear(); }

  // A file of width x height whose rows have the colours RowColour(sheet, y).
  std::string Sheet(const std::string& name, int sheet, int width, int height) {
    Picture picture{width, height, {}};
    for (int y = 0; y < height; ++y) picture.pixels.insert(picture.pixels.end(), width, RowColour(sheet, y));
    WriteFile(folder / name, PngFile(picture, false));
    return folder / name;
  }

  // Runs the window with script on the driver thread, which gets the window.
  void Run(const std::function<void(HWND)>& script) {
    RunWithDriver(OpenCombinerWindow, [&] {
      const HWND window = WaitForWindow(kCombinerCaption);
      ASSERT_NE(window, nullptr);
      Settle(window);
      script(window);
      if (IsWindow(window)) {
        PressButton(window, kCloseButton);
        EXPECT_TRUE(WaitUntilGone(window));
      }
    });
  }

  CombinerState& state = CombinerState::Instance();
  TempFolder folder;
};

std::vector<std::string> Rows(HWND window) {
  std::vector<std::string> rows;
  const int count = static_cast<int>(SendDlgItemMessageA(window, kSheetListBox, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[MAX_PATH] = {};
    SendDlgItemMessageA(window, kSheetListBox, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
    rows.push_back(text);
  }
  return rows;
}

int Selected(HWND window) {
  return static_cast<int>(SendDlgItemMessageA(window, kSheetListBox, LB_GETCURSEL, 0, 0));
}

SCROLLINFO ScrollBar(HWND window) {
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(GetDlgItem(window, kPreviewScrollBar), SB_CTL, &info);
  return info;
}

bool ScrollBarEnabled(HWND window) { return IsWindowEnabled(GetDlgItem(window, kPreviewScrollBar)); }

bool Checked(HWND window, int id) { return IsDlgButtonChecked(window, id) == BST_CHECKED; }

// A click on row index of the list, as a user selects it.
void ClickRow(HWND window, int index) {
  const HWND list = GetDlgItem(window, kSheetListBox);
  RECT row = {};
  SendMessageA(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&row));
  ClickAt(list, row.left + 4, (row.top + row.bottom) / 2);
  Settle(window);
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

// The pixels of the preview area as they stand on screen, 0xAARRGGBB.
Picture PreviewOnScreen(HWND window) {
  const HWND preview = GetDlgItem(window, kPreviewArea);
  RedrawWindow(preview, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  Settle(window);
  RECT area = {};
  GetClientRect(preview, &area);
  Picture picture{area.right, area.bottom, std::vector<std::uint32_t>(area.right * area.bottom)};
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = area.right;
  info.bmiHeader.biHeight = -area.bottom;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  const HDC screen = GetDC(preview);
  const HDC copy = CreateCompatibleDC(screen);
  const HBITMAP bitmap = CreateDIBSection(copy, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = SelectObject(copy, bitmap);
  BitBlt(copy, 0, 0, area.right, area.bottom, screen, 0, 0, SRCCOPY);
  GdiFlush();
  for (std::size_t i = 0; i < picture.pixels.size(); ++i)
    picture.pixels[i] = 0xFF000000u | static_cast<std::uint32_t*>(bits)[i];
  SelectObject(copy, old);
  DeleteObject(bitmap);
  DeleteDC(copy);
  ReleaseDC(preview, screen);
  return picture;
}

// Answers the open or save dialog with path, or cancels it when empty.
void ChooseInFileDialog(const std::string& caption, const std::string& path) {
  const HWND dialog = WaitForWindow(caption);
  ASSERT_NE(dialog, nullptr) << caption;
  if (!path.empty()) {
    HWND field = GetDlgItem(dialog, kFileNameCombo);
    if (field == nullptr) field = GetDlgItem(dialog, kFileNameEdit);
    SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  }
  PressButton(dialog, path.empty() ? IDCANCEL : IDOK);
  EXPECT_TRUE(WaitUntilGone(dialog));
}

TEST_F(CombinerWindow, OpensEmptyWithEveryControlAndRefusesToSaveNothing) {
  state.sheetWidth = 128;
  Run([&](HWND window) {
    const std::pair<int, const char*> controls[] = {
        {kUpButton, "上へ"},      {kDownButton, "下へ"},         {kAddButton, "追加"},
        {kDeleteButton, "削除"},  {kSaveButton, "保存"},         {kClearButton, "クリア"},
        {9, "結合リスト"},        {401, "D＆Dで複数追加"},       {601, "解像度[生成横幅]"},
        {kRadio128, "320x240[128]"}, {kRadio256, "640x480[256]"}, {kSaveEndButton, "保存して終了"},
        {kCloseButton, "終了"}};
    for (const auto& [id, text] : controls) EXPECT_EQ(ControlText(window, id), text) << id;
    EXPECT_EQ(Rows(window).size(), 0u);
    EXPECT_TRUE(Checked(window, kRadio128));
    EXPECT_FALSE(Checked(window, kRadio256));
    EXPECT_FALSE(ScrollBarEnabled(window));

    PressButton(window, kSaveButton);
    EXPECT_EQ(AnswerMessageBox(kDefaultCaption, IDOK), kAddFilesFirstMessage);
    // Enter is "saveend": on an empty list it asks first; Cancel keeps the window.
    PostMessageA(GetDlgItem(window, kSheetListBox), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(AnswerMessageBox(kDefaultCaption, IDCANCEL), kEndWithoutSavingMessage);
    Settle(window);
    ASSERT_TRUE(IsWindowVisible(window));
    PressButton(window, kSaveEndButton);
    EXPECT_EQ(AnswerMessageBox(kDefaultCaption, IDOK), kEndWithoutSavingMessage);
    EXPECT_TRUE(WaitUntilGone(window));
  });

  // The width left by the launcher is shown at the next opening; Esc ends it.
  state.sheetWidth = 256;
  Run([&](HWND window) {
    EXPECT_TRUE(Checked(window, kRadio256));
    PostMessageA(GetDlgItem(window, kSheetListBox), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(WaitUntilGone(window));
  });
}

TEST_F(CombinerWindow, AddsThroughTheOpenDialogAndByDropsReportingFilesThatAreNoImages) {
  const std::string a = Sheet("a.png", 1, 256, 50);
  const std::string b = Sheet("b.png", 2, 256, 50);
  const std::string c = Sheet("c.png", 3, 256, 50);
  WriteFile(folder / "notes.txt", "no image");
  Run([&](HWND window) {
    PressButton(window, kAddButton);
    ChooseInFileDialog("ファイルを開く", a);
    Settle(window);
    EXPECT_EQ(Rows(window), std::vector<std::string>{"a.png"});
    EXPECT_EQ(Selected(window), LB_ERR);
    EXPECT_TRUE(ScrollBarEnabled(window));
    PressButton(window, kAddButton);
    ChooseInFileDialog("ファイルを開く", "");
    Settle(window);
    EXPECT_EQ(Rows(window).size(), 1u);

    DropFiles(window, {b, folder / "notes.txt", c});
    EXPECT_EQ(AnswerMessageBox(kDefaultCaption, IDOK),
              "次のファイルは追加できませんでした。\n" + folder / "notes.txt" + "（無効なファイル）");
    Settle(window);
    EXPECT_EQ(Rows(window), (std::vector<std::string>{"a.png", "b.png", "c.png"}));
    EXPECT_EQ(PreviewOnScreen(window).At(0, 60), RowColour(2, 10));
  });
  // The open dialog left the working directory where the program keeps it.
  char current[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, current);
  EXPECT_EQ(std::string(current) + "\\", AppContext::Instance().exeDirectory);
}

TEST_F(CombinerWindow, ReportsInitialFilesThatCannotBeLoadedOnceTheWindowShows) {
  state.initialFiles = {Sheet("a.png", 1, 16, 16), folder / "gone.png", ""};
  Run([&](HWND window) {
    EXPECT_EQ(AnswerMessageBox(kDefaultCaption, IDOK),
              "次のファイルは追加できませんでした。\n" + folder / "gone.png" + "（無効なファイル）");
    EXPECT_EQ(Rows(window), std::vector<std::string>{"a.png"});
  });
}

TEST_F(CombinerWindow, MovesDeletesAndClearsScrollingToTheSelectedSheet) {
  state.initialFiles = {Sheet("a.png", 1, 256, 100), Sheet("b.png", 2, 256, 200),
                        Sheet("c.png", 3, 256, 300)};
  using Names = std::vector<std::string>;
  Run([&](HWND window) {
    // Without a selection, up, down and delete do nothing.
    for (const int id : {kUpButton, kDownButton, kDeleteButton}) Press(window, id);
    EXPECT_EQ(Rows(window), (Names{"a.png", "b.png", "c.png"}));

    ClickRow(window, 1);  // b begins at row 100: shown 64 below the top
    EXPECT_EQ(ScrollBar(window).nPos, 36);
    EXPECT_EQ(PreviewOnScreen(window).At(0, 64), RowColour(2, 0));
    Press(window, kUpButton);
    EXPECT_EQ(Rows(window), (Names{"b.png", "a.png", "c.png"}));
    EXPECT_EQ(Selected(window), 0);
    EXPECT_EQ(ScrollBar(window).nPos, 0);
    Press(window, kUpButton);  // already first
    EXPECT_EQ(Rows(window), (Names{"b.png", "a.png", "c.png"}));
    Press(window, kDownButton);
    Press(window, kDownButton);
    EXPECT_EQ(Rows(window), (Names{"a.png", "c.png", "b.png"}));
    EXPECT_EQ(Selected(window), 2);
    // Composed in the new order: a (rows 0-99), c (100-399), b (400-599).
    const int top = ScrollBar(window).nPos;
    EXPECT_EQ(PreviewOnScreen(window).At(0, 0),
              top < 100 ? RowColour(1, top) : top < 400 ? RowColour(3, top - 100) : RowColour(2, top - 400));

    Press(window, kDeleteButton);  // the last row: the new last is selected
    EXPECT_EQ(Rows(window), (Names{"a.png", "c.png"}));
    EXPECT_EQ(Selected(window), 1);
    EXPECT_EQ(ScrollBar(window).nMax, 400);

    Press(window, kClearButton);
    EXPECT_EQ(Rows(window).size(), 0u);
    EXPECT_FALSE(ScrollBarEnabled(window));
    EXPECT_EQ(ScrollBar(window).nPos, 0);
  });
}

TEST_F(CombinerWindow, ScrollsByLinesAndThumbWithinTheRangeAndSwitchesWidth) {
  state.initialFiles = {Sheet("long.png", 1, 512, 600), Sheet("short.png", 2, 64, 10)};
  Run([&](HWND window) {
    const SCROLLINFO bar = ScrollBar(window);
    const int largest = 1210 - static_cast<int>(bar.nPage);
    EXPECT_EQ(bar.nMax, 1210);  // two strips of 600 and one of 10
    Scroll(window, SB_LINEDOWN);
    EXPECT_EQ(ScrollBar(window).nPos, 16);
    Scroll(window, SB_THUMBPOSITION, 10);
    Scroll(window, SB_LINEUP);
    EXPECT_EQ(ScrollBar(window).nPos, 0);
    Scroll(window, SB_THUMBTRACK, 700);
    EXPECT_EQ(PreviewOnScreen(window).At(0, 0), RowColour(1, 100));
    Scroll(window, SB_PAGEDOWN);
    EXPECT_EQ(ScrollBar(window).nPos, 700);
    Scroll(window, SB_THUMBPOSITION, largest - 5);
    Scroll(window, SB_LINEDOWN);
    EXPECT_EQ(ScrollBar(window).nPos, largest);
    Scroll(window, SB_THUMBPOSITION, 5000);
    EXPECT_EQ(ScrollBar(window).nPos, largest);

    // 256 -> 128 -> 256 gives the same preview, the position kept in range.
    const Picture wide = PreviewOnScreen(window);
    PostMessageA(GetDlgItem(window, kRadio128), BM_CLICK, 0, 0);
    Settle(window);
    EXPECT_TRUE(Checked(window, kRadio128));
    EXPECT_EQ(state.sheetWidth, 128);
    EXPECT_EQ(ScrollBar(window).nMax, 2410);
    PostMessageA(GetDlgItem(window, kRadio256), BM_CLICK, 0, 0);
    Settle(window);
    EXPECT_EQ(ScrollBar(window).nPos, largest);
    EXPECT_EQ(PreviewOnScreen(window).pixels, wide.pixels);

    // A sheet shorter than the preview scrolls nowhere.
    ClickRow(window, 0);
    Press(window, kDeleteButton);
    Scroll(window, SB_LINEDOWN);
    Scroll(window, SB_THUMBPOSITION, 3);
    EXPECT_EQ(ScrollBar(window).nPos, 0);
  });
}

TEST_F(CombinerWindow, ReachesThumbPositionsBeyond65535ByDragging) {
  IndexedPicture tall{256, 70000, {0xFFFF00FF, 0xFF204080}, std::vector<std::uint8_t>(256 * 70000, 1)};
  WriteFile(folder / "tall.png", PngFile(tall, 1));
  state.initialFiles = {folder / "tall.png"};
  Run([&](HWND window) {
    const HWND bar = GetDlgItem(window, kPreviewScrollBar);
    RECT rect = {};
    GetWindowRect(bar, &rect);
    const int x = (rect.right - rect.left) / 2;
    const int thumb = GetSystemMetrics(SM_CYVSCROLL) + 3;  // at the top, below the arrow
    PostMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, thumb));
    PostMessageA(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, rect.bottom - rect.top - 1));
    PostMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(x, rect.bottom - rect.top - 1));
    Settle(window);
    const SCROLLINFO scrolled = ScrollBar(window);
    EXPECT_GT(scrolled.nPos, 65535);
    EXPECT_EQ(scrolled.nPos, 70000 - static_cast<int>(scrolled.nPage));
    EXPECT_EQ(PreviewOnScreen(window).At(0, scrolled.nPage - 1), 0xFF204080u);
  });
}

TEST_F(CombinerWindow, CutsAPreviewTooTallForItsBitmapWithANoticeAndSavesTheWholeSheet) {
  const long long limit = 256 * 1000;
  SetPreviewPixelLimit(limit);
  state.initialFiles = {Sheet("tall.png", 1, 256, 3000)};
  Run([&](HWND window) {
    RECT area = {};
    GetClientRect(GetDlgItem(window, kPreviewArea), &area);
    const int shown = static_cast<int>(limit / std::max<LONG>(256, area.right));
    EXPECT_EQ(ScrollBar(window).nMax, shown);
    Scroll(window, SB_THUMBPOSITION, shown);
    const Picture end = PreviewOnScreen(window);
    EXPECT_EQ(end.At(0, 0), RowColour(1, shown - end.height));
    const COLORREF notice = GetSysColor(COLOR_INFOBK);
    EXPECT_EQ(end.At(1, end.height - 2), RGB(GetBValue(notice), GetGValue(notice), GetRValue(notice)) | 0xFF000000u);

    PressButton(window, kSaveButton);
    ChooseInFileDialog("ファイルを保存する", folder / "whole.png");
    Settle(window);
  });
  SetPreviewPixelLimit(1LL << 25);
  const Picture saved = ReadPngFile(ReadFile(folder / "whole.png"));
  EXPECT_EQ(saved.height, 3000);
  EXPECT_EQ(saved.At(255, 2999), RowColour(1, 2999));
}

TEST_F(CombinerWindow, SavesKeepsOrEndsTheWindowAsAsked) {
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
  ASSERT_EQ(kept.width, 256);
  ASSERT_EQ(kept.height, 45);
  EXPECT_EQ(kept.At(0, 20), RowColour(1, 0));  // columns 256 to 299 of a
  EXPECT_EQ(kept.At(43, 39), RowColour(1, 19));
  EXPECT_EQ(kept.At(44, 39) >> 24, 0u);
  EXPECT_EQ(kept.At(99, 44), RowColour(2, 4));
  EXPECT_EQ(ListFolder(folder.Path()).size(), 3u);  // a.png, b.png, kept.png

  // A sheet that composes beyond the image limit cannot be written: the
  // user is told, and "saveend" keeps the window and the list.
  IndexedPicture thin{1, 600000, {0xFFFF00FF, 0xFF000000}, std::vector<std::uint8_t>(600000, 1)};
  WriteFile(folder / "thin.png", PngFile(thin, 1));
  state.initialFiles = {folder / "thin.png"};
  Run([&](HWND window) {
    PressButton(window, kSaveEndButton);
    ChooseInFileDialog("ファイルを保存する", folder / "never.png");
    EXPECT_EQ(AnswerMessageBox(kDefaultCaption, IDOK),
              std::string(kTooLargeToSaveMessage) + "\n" + folder / "never.png");
    Settle(window);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(Rows(window).size(), 1u);
  });
  EXPECT_FALSE(FileExists(folder / "never.png"));
}

TEST_F(CombinerWindow, LaunchCombinerOpensOneWindowPerGroupInTurn) {
  CombineGroups groups = {{"XP/VX", {Sheet("d.png", 1, 8, 8), Sheet("c.png", 2, 8, 8)}},
                          {"200X", {Sheet("e.png", 3, 8, 8)}}};
  std::vector<std::pair<bool, std::vector<std::string>>> seen;
  RunWithDriver([&] { LaunchCombiner(groups); }, [&] {
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
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0], std::make_pair(true, std::vector<std::string>{"e.png"}));
  EXPECT_EQ(seen[1], std::make_pair(false, std::vector<std::string>{"c.png", "d.png"}));
}

}  // namespace
