#include "combine/combiner_window_win32.h"

#include <shellapi.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "combine/combiner_state.h"
#include "combine/composition.h"
#include "combine/list_box_rows_win32.h"
#include "common/app_context.h"
#include "common/centre_window_win32.h"
#include "common/file_choosers_win32.h"
#include "common/file_failure.h"
#include "common/messages.h"
#include "common/wide_win32.h"
#include "common/window_text_win32.h"

namespace {

constexpr int kLineStep = 16;
// The selected sheet is shown this far below the preview's top edge.
constexpr int kSelectionMargin = 64;
// Posted at window start, so that files that could not be loaded are
// reported once the window is on screen.
constexpr UINT kReportLoadFailures = WM_APP + 1;
// Height of the notice below a preview that ends before the sheet does.
constexpr int kCutNoticeHeight = 40;

// 128 MiB of 32-bit pixels, a 256 x 131072 sheet: more than anyone scrolls
// through, and few systems refuse a bitmap of that size.
long long previewPixelLimit = 1LL << 25;

// The window's list box behind the combine list, while the window is open.
ListBoxRows listBoxRows;
// The bitmap memoryDC was made with, selected back before it is deleted.
HGDIOBJ defaultBitmap = nullptr;
// What window start could not load, reported when the window shows.
std::string pendingLoadFailures;

HWND Dialog() { return CombinerState::Instance().dialogWindow; }

void ReportLoadFailures(HWND owner, const std::vector<SheetLoadFailure>& failures) {
  if (failures.empty()) return;
  ShowMessage(owner, DescribeLoadFailures(failures), nullptr, MB_OK | MB_ICONWARNING);
}

void SendScrollInfo(UINT mask) {
  CombinerState& state = CombinerState::Instance();
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = mask;
  info.nMin = state.scrollInfo.minimum;
  info.nMax = state.scrollInfo.maximum;
  info.nPage = static_cast<UINT>(state.scrollInfo.page);
  info.nPos = state.scrollInfo.position;
  SetScrollInfo(state.scrollBar, SB_CTL, &info, FALSE);
}

// Clamps, stores and sends a new scroll position; the caller repaints.
void SetScrollPosition(int position) {
  CombinerState& state = CombinerState::Instance();
  state.scrollInfo.position = state.scrollInfo.Clamped(position);
  SendScrollInfo(SIF_POS);
}

RECT PreviewArea() {
  RECT area = {};
  GetClientRect(CombinerState::Instance().previewControl, &area);
  return area;
}

void DrawNotice(HDC dc, const RECT& band, const char* first, const char* second) {
  FillRect(dc, &band, GetSysColorBrush(COLOR_INFOBK));
  const HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
  const std::string text = std::string(first) + (second ? std::string("\n") + second : "");
  RECT box = band;
  InflateRect(&box, -4, -3);
  DrawTextW(dc, Wide(text).c_str(), -1, &box, DT_LEFT | DT_NOPREFIX);
  SelectObject(dc, oldFont);
}

// A compatible bitmap for a preview of width x height, lowered in height
// (not below the preview's own) while the system refuses it; null when
// even that fails. cut tells whether it is shorter than asked.
HBITMAP MakePreviewBitmap(int width, int& height, int areaHeight, bool& cut) {
  cut = false;
  if (static_cast<long long>(width) * height > previewPixelLimit) {
    height = std::max(areaHeight, static_cast<int>(previewPixelLimit / width));
    cut = true;
  }
  const HWND control = CombinerState::Instance().previewControl;
  const HDC dc = GetDC(control);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
  while (bitmap == nullptr && height > areaHeight) {
    height = std::max(areaHeight, height / 2);
    cut = true;
    bitmap = CreateCompatibleBitmap(dc, width, height);
  }
  ReleaseDC(control, dc);
  return bitmap;
}

void StartWindow(HWND dialog) {
  SetDialogTexts(dialog, Message::kCombinerCaption,
                 {{kUpButton, Message::kCombinerUp},
                  {kDownButton, Message::kCombinerDown},
                  {kAddButton, Message::kCombinerAdd},
                  {kDeleteButton, Message::kCombinerDelete},
                  {kSaveButton, Message::kCombinerSave},
                  {kClearButton, Message::kClear},
                  {kListGroup, Message::kCombinerList},
                  {kDropHint, Message::kCombinerDropHint},
                  {kWidthGroup, Message::kCombinerWidthGroup},
                  {kSaveEndButton, Message::kCombinerSaveAndEnd},
                  {kCloseButton, Message::kCombinerEnd}});
  CombinerState& state = CombinerState::Instance();
  CentreWindow(dialog);
  DragAcceptFiles(dialog, TRUE);

  state.dialogWindow = dialog;
  state.radio128 = GetDlgItem(dialog, kRadio128);
  state.radio256 = GetDlgItem(dialog, kRadio256);
  state.previewControl = GetDlgItem(dialog, kPreviewArea);
  const HDC dc = GetDC(state.previewControl);
  state.memoryDC = CreateCompatibleDC(dc);
  ReleaseDC(state.previewControl, dc);
  defaultBitmap = GetCurrentObject(state.memoryDC, OBJ_BITMAP);

  state.commandIds = {{"add", kAddButton},         {"up", kUpButton},       {"down", kDownButton},
                      {"delete", kDeleteButton},   {"clear", kClearButton}, {"save", kSaveButton},
                      {"saveend", kSaveEndButton}, {"close", kCloseButton}};

  SendMessageW(state.sheetWidth == CombinerState::kNarrowWidth ? state.radio128 : state.radio256,
               BM_SETCHECK, BST_CHECKED, 0);

  state.scrollBar = GetDlgItem(dialog, kPreviewScrollBar);
  RECT preview = {};
  GetWindowRect(state.previewControl, &preview);
  const int previewHeight = preview.bottom - preview.top;
  state.scrollInfo.minimum = 0;
  state.scrollInfo.maximum = previewHeight;
  state.scrollInfo.position = std::clamp(state.scrollInfo.position, 0, previewHeight);
  SendScrollInfo(SIF_RANGE | SIF_POS);
  state.scrollInfo.page = previewHeight;
  SendScrollInfo(SIF_PAGE);

  listBoxRows.Attach(GetDlgItem(dialog, kSheetListBox));
  state.sheetList.ShowIn(&listBoxRows);
  std::vector<std::string> files;
  for (const std::string& path : state.initialFiles) {
    if (!path.empty()) files.push_back(path);
  }
  pendingLoadFailures = DescribeLoadFailures(state.sheetList.AddSheetsFromFiles(files));
  if (!pendingLoadFailures.empty()) PostMessageW(dialog, kReportLoadFailures, 0, 0);

  RebuildPreview();
}

void EndWindow() {
  CombinerState& state = CombinerState::Instance();
  state.sheetList.ClearSheets();
  state.sheetList.ShowIn(nullptr);
  listBoxRows.Attach(nullptr);
  if (state.memoryDC != nullptr) {
    SelectObject(state.memoryDC, defaultBitmap);
    DeleteDC(state.memoryDC);
  }
  if (state.previewBitmap != nullptr) DeleteObject(state.previewBitmap);
  state.memoryDC = nullptr;
  state.previewBitmap = nullptr;
  defaultBitmap = nullptr;
  pendingLoadFailures.clear();
}

void PaintPreview() {
  CombinerState& state = CombinerState::Instance();
  // The dialog paints nothing of its own; its children paint themselves,
  // apart from the preview area, which shows memoryDC at the scroll position.
  // The dialog does not clip its children, and validating it whole would
  // validate them too (wine does), so that none of them painted.
  RedrawWindow(state.dialogWindow, nullptr, nullptr, RDW_VALIDATE | RDW_NOCHILDREN);
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(state.previewControl, &paint);
  const RECT area = PreviewArea();
  if (state.previewBitmap != nullptr) {
    BitBlt(dc, 0, 0, area.right, area.bottom, state.memoryDC, 0, state.scrollInfo.position,
           SRCCOPY);
  } else {
    DrawNotice(dc, area, Text(Message::kNoPreview), nullptr);
  }
  EndPaint(state.previewControl, &paint);
}

// The thumb position of a scroll message carries only 16 bits; the scroll
// bar keeps all 32 while the thumb is dragged.
int ThumbPosition(int messagePosition) {
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = SIF_TRACKPOS;
  if (GetScrollInfo(CombinerState::Instance().scrollBar, SB_CTL, &info) &&
      (info.nTrackPos & 0xFFFF) == messagePosition) {
    return info.nTrackPos;
  }
  return messagePosition;
}

void Scroll(int request, int messagePosition) {
  int position = CombinerState::Instance().scrollInfo.position;
  switch (request) {
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      position = ThumbPosition(messagePosition);
      break;
    case SB_LINEUP:
      position -= kLineStep;
      break;
    case SB_LINEDOWN:
      position += kLineStep;
      break;
    default:
      break;
  }
  SetScrollPosition(position);
  InvalidateRect(Dialog(), nullptr, FALSE);
}

// Composes and saves the list through the save dialog; false only when the
// file could not be written (the user has been told).
bool SaveCombined() {
  CombinerState& state = CombinerState::Instance();
  const std::string path = ChooseSaveFile(state.dialogWindow);
  if (path.empty()) return true;
  const std::unique_ptr<IImage> combined =
      ComposeSheets(state.sheetList.Sheets(), state.sheetWidth);
  const FileResult saved = combined->Save(path);
  if (saved) return true;
  const Message failed =
      combined->GetWidth() == 0 ? Message::kCombinedTooLargeToSave : Message::kCombinedSaveFailed;
  const std::string text = WithFileFailure(std::string(Text(failed)) + "\n" + path, saved);
  ShowMessage(state.dialogWindow, text, nullptr, MB_OK | MB_ICONWARNING);
  return false;
}

void HandleCommand(UINT message, WPARAM wParam) {
  CombinerState& state = CombinerState::Instance();
  SheetList& list = state.sheetList;
  const int id = LOWORD(wParam);
  if (id == kRadio128 || id == kRadio256) {
    state.sheetWidth = id == kRadio128 ? CombinerState::kNarrowWidth : CombinerState::kWideWidth;
    RebuildPreview();
  } else if (IsCommand(message, wParam, "add")) {
    const std::string path = ChooseOpenFile(state.dialogWindow);
    if (path.empty()) return;
    const auto failures = list.AddSheetsFromFiles({path});
    RebuildPreview();
    ReportLoadFailures(state.dialogWindow, failures);
  } else if (IsCommand(message, wParam, "up") || IsCommand(message, wParam, "down") ||
             IsCommand(message, wParam, "delete")) {
    if (list.Rows().Selected() == SheetRows::kNoSelection) return;
    if (IsCommand(message, wParam, "delete")) {
      list.DeleteSelection();
    } else {
      list.MoveSelection(IsCommand(message, wParam, "up") ? -1 : +1);
    }
    RebuildPreview();
    ScrollToSelection();
  } else if (IsCommand(message, wParam, "clear")) {
    list.ClearSheets();
    RebuildPreview();
    SetScrollPosition(0);
  } else if (IsCommand(message, wParam, "save")) {
    if (list.Count() == 0) {
      ShowMessage(nullptr, Text(Message::kAddFilesFirst), nullptr, MB_OK);
      return;
    }
    SaveCombined();
  } else if (IsCommand(message, wParam, "saveend")) {
    if (list.Count() == 0) {
      if (ShowMessage(nullptr, Text(Message::kEndWithoutSaving), nullptr, MB_OKCANCEL) == IDOK)
        EndDialog(state.dialogWindow, 0);
      return;
    }
    // A save that failed keeps the window, so that the list is not lost.
    if (SaveCombined()) EndDialog(state.dialogWindow, 0);
  } else if (IsCommand(message, wParam, "close")) {
    EndDialog(state.dialogWindow, 0);
  }
}

void AddDroppedFiles(HDROP drop) {
  std::vector<std::string> paths;
  GetDroppedFiles(drop, paths);
  const auto failures = CombinerState::Instance().sheetList.AddSheetsFromFiles(paths);
  RebuildPreview();
  ReportLoadFailures(Dialog(), failures);
}

}  // namespace

bool IsCommand(UINT message, WPARAM wParam, const std::string& word) {
  const auto& ids = CombinerState::Instance().commandIds;
  const auto entry = ids.find(word);
  return message == WM_COMMAND && HIWORD(wParam) == 0 && entry != ids.end() &&
         LOWORD(wParam) == entry->second;
}

void RebuildPreview() {
  CombinerState& state = CombinerState::Instance();
  std::unique_ptr<IImage> combined;
  if (state.sheetList.Count() > 0)
    combined = ComposeSheets(state.sheetList.Sheets(), state.sheetWidth);
  const int sheetWidth = combined ? combined->GetWidth() : 0;
  const int sheetHeight = combined ? combined->GetHeight() : 0;

  // The bitmap covers the preview area at least: what the sheet does not
  // reach shows as the workspace colour rather than whatever was there.
  const RECT area = PreviewArea();
  const int width = std::max<int>(sheetWidth, area.right);
  int height = std::max<int>(sheetHeight, area.bottom);
  bool cut = false;
  const HBITMAP bitmap = MakePreviewBitmap(width, height, area.bottom, cut);
  SelectObject(state.memoryDC, bitmap != nullptr ? static_cast<HGDIOBJ>(bitmap) : defaultBitmap);
  if (state.previewBitmap != nullptr) DeleteObject(state.previewBitmap);
  state.previewBitmap = bitmap;

  int shownHeight = sheetHeight;
  if (bitmap != nullptr) {
    const RECT all = {0, 0, width, height};
    FillRect(state.memoryDC, &all, GetSysColorBrush(COLOR_APPWORKSPACE));
    if (combined && sheetHeight > 0) {
      combined->PaintTo(state.memoryDC, 0, 0);
    } else if (combined) {
      // Beyond the image limit nothing was composed; saving says so too.
      const RECT band = {0, 0, area.right, kCutNoticeHeight};
      DrawNotice(state.memoryDC, band, Text(Message::kCombinedTooLargeToShow), nullptr);
    }
    if (cut) {
      // The sheet goes on below what the bitmap holds; say so at its end.
      const RECT band = {0, height - kCutNoticeHeight, std::max<int>(area.right, sheetWidth),
                         height};
      DrawNotice(state.memoryDC, band, Text(Message::kPreviewCut), Text(Message::kPreviewCutNote));
      shownHeight = height;
    }
  } else {
    shownHeight = 0;
  }

  if (sheetHeight >= 1) {
    EnableWindow(state.scrollBar, TRUE);
    state.scrollInfo.minimum = 0;
    state.scrollInfo.maximum = shownHeight;
    const int position = state.scrollInfo.Clamped(state.scrollInfo.position);
    const bool moved = position != state.scrollInfo.position;
    state.scrollInfo.position = position;
    SendScrollInfo(SIF_RANGE | (moved ? SIF_POS : 0));
  } else {
    EnableWindow(state.scrollBar, FALSE);
  }
  combined.reset();
  InvalidateRect(state.dialogWindow, nullptr, TRUE);
}

void ScrollToSelection() {
  CombinerState& state = CombinerState::Instance();
  const int selected = state.sheetList.Rows().Selected();
  if (selected == SheetRows::kNoSelection) return;
  const int top = ComputeStackHeight(state.sheetList.Sheets(), selected, state.sheetWidth);
  SetScrollPosition(top - kSelectionMargin);
  InvalidateRect(state.dialogWindow, nullptr, FALSE);
}

INT_PTR CALLBACK CombinerDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      StartWindow(dialog);
      return TRUE;
    case WM_PAINT:
      PaintPreview();
      return TRUE;
    case WM_VSCROLL:
      Scroll(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_COMMAND:
      if (HIWORD(wParam) == 1) {  // the list's selection changed
        ScrollToSelection();
        return TRUE;
      }
      if (HIWORD(wParam) == 0) {
        HandleCommand(message, wParam);
        return TRUE;
      }
      return FALSE;
    case WM_DROPFILES:
      AddDroppedFiles(reinterpret_cast<HDROP>(wParam));
      return TRUE;
    case kReportLoadFailures: {
      const std::string text = pendingLoadFailures;
      pendingLoadFailures.clear();
      if (!text.empty()) ShowMessage(dialog, text, nullptr, MB_OK | MB_ICONWARNING);
      return TRUE;
    }
    case WM_DESTROY:
      EndWindow();
      return TRUE;
    default:
      return FALSE;
  }
}

void OpenCombinerWindow() {
  DialogBoxParamW(AppContext::Instance().moduleHandle, L"MAPMAIN", nullptr, CombinerDialogProc, 0);
}

void LaunchCombiner(CombineGroups& groups) {
  LaunchCombiner(groups, [](const std::string&) { OpenCombinerWindow(); });
}

void SetPreviewPixelLimit(long long pixels) { previewPixelLimit = pixels; }
