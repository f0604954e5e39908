#include "app/select_dialog_win32.h"

#include <algorithm>
#include <memory>

#include "common/app_context.h"
#include "common/messages.h"
#include "common/user_prompt.h"
#include "common/wide_win32.h"
#include "common/window_text_win32.h"
#include "ruletools/candidate_preview.h"

std::string selectFileName;
std::vector<std::string> selectCandidates;

namespace {

// Tall enough that the drop-down list shows many candidates at once.
constexpr int kCandidateListHeight = 1000;
// The picture is shrunk to fit, and enlarged at most this much.
constexpr double kLargestScale = 2.0;
constexpr COLORREF kPieceLineColour = RGB(255, 0, 0);

// The highlighted candidate's canvas, painted once over the checker so that
// repainting the picture only scales it.
class CanvasPicture {
 public:
  ~CanvasPicture() { Release(); }

  void Show(const CandidatePreview& preview) {
    Release();
    if (!preview.canvas) return;
    width = preview.canvas->GetWidth();
    height = preview.canvas->GetHeight();
    HDC screen = GetDC(nullptr);
    dc = CreateCompatibleDC(screen);
    bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    if (dc == nullptr || bitmap == nullptr) {
      Release();
      return;
    }
    previous = SelectObject(dc, bitmap);
    preview.canvas->PaintTo(dc, 0, 0);
  }

  // Scaled into area of target with the piece boundaries of layout.
  void Paint(HDC target, const RECT& area, const RuleLayout& layout) const {
    if (dc == nullptr) return;
    const double scale =
        std::min({kLargestScale, static_cast<double>(area.right - area.left) / width,
                  static_cast<double>(area.bottom - area.top) / height});
    auto at = [scale](long long pixels) { return static_cast<LONG>(pixels * scale); };
    SetStretchBltMode(target, HALFTONE);
    StretchBlt(target, area.left, area.top, at(width), at(height), dc, 0, 0, width, height,
               SRCCOPY);
    // Lines between and around the pieces; a strip that no piece holds
    // lies outside them.
    HPEN pen = CreatePen(PS_SOLID, 1, kPieceLineColour);
    const HGDIOBJ oldPen = SelectObject(target, pen);
    const LONG right =
        area.left + at(static_cast<long long>(layout.piece.width) * layout.fileDiv.columns);
    const LONG bottom =
        area.top + at(static_cast<long long>(layout.piece.height) * layout.fileDiv.rows);
    for (int column = 0; column <= layout.fileDiv.columns; ++column) {
      const LONG x =
          std::min(area.left + at(static_cast<long long>(layout.piece.width) * column), right - 1);
      MoveToEx(target, x, area.top, nullptr);
      LineTo(target, x, bottom);
    }
    for (int row = 0; row <= layout.fileDiv.rows; ++row) {
      const LONG y =
          std::min(area.top + at(static_cast<long long>(layout.piece.height) * row), bottom - 1);
      MoveToEx(target, area.left, y, nullptr);
      LineTo(target, right, y);
    }
    SelectObject(target, oldPen);
    DeleteObject(pen);
  }

 private:
  void Release() {
    if (dc != nullptr) {
      if (previous != nullptr) SelectObject(dc, previous);
      DeleteDC(dc);
    }
    if (bitmap != nullptr) DeleteObject(bitmap);
    dc = nullptr;
    bitmap = nullptr;
    previous = nullptr;
  }

  int width = 0;
  int height = 0;
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ previous = nullptr;
};

// What one opening of the dialog keeps: the file's image and the picture of
// the candidate highlighted last.
struct SelectState {
  const IImage& sheet;
  int shown = -1;
  WNDPROC listProc = nullptr;  // of the drop-down list, which the dialog watches
  CandidatePreview preview;
  CanvasPicture picture;
};

SelectState& StateOf(HWND dialog) {
  return *reinterpret_cast<SelectState*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

constexpr wchar_t kDialogProperty[] = L"VomarinSelectDialog";

void ShowCandidate(HWND dialog, int highlighted) {
  SelectState& state = StateOf(dialog);
  if (highlighted == state.shown) return;
  state.shown = highlighted;
  if (highlighted < 0 || highlighted >= static_cast<int>(selectCandidates.size())) {
    state.preview = {};
  } else {
    state.preview = PreviewCandidate(selectCandidates[highlighted], state.sheet);
  }
  state.picture.Show(state.preview);
  SetItemText(dialog, kSelectPicture, state.preview.error);
  SetItemText(dialog, kSelectPictureLine, state.preview.line);
  InvalidateRect(GetDlgItem(dialog, kSelectPicture), nullptr, TRUE);
}

void ShowHighlighted(HWND dialog) {
  ShowCandidate(dialog, static_cast<int>(
                            SendDlgItemMessageW(dialog, kSelectCandidateBox, CB_GETCURSEL, 0, 0)));
}

// The open drop-down list moves its highlight under the mouse without
// telling the dialog: the picture follows it from here.
LRESULT CALLBACK CandidateListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto dialog = static_cast<HWND>(GetPropW(list, kDialogProperty));
  const LRESULT result = CallWindowProcW(StateOf(dialog).listProc, list, message, wParam, lParam);
  if (message == WM_MOUSEMOVE) {
    ShowCandidate(dialog, static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0)));
  }
  return result;
}

HWND CandidateList(HWND dialog) {
  COMBOBOXINFO info = {};
  info.cbSize = sizeof info;
  return GetComboBoxInfo(GetDlgItem(dialog, kSelectCandidateBox), &info) ? info.hwndList : nullptr;
}

void WatchCandidateList(HWND dialog) {
  HWND list = CandidateList(dialog);
  if (list == nullptr) return;
  SetPropW(list, kDialogProperty, dialog);
  StateOf(dialog).listProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CandidateListProc)));
}

void StopWatchingCandidateList(HWND dialog) {
  HWND list = CandidateList(dialog);
  const SelectState& state = StateOf(dialog);
  if (list == nullptr || state.listProc == nullptr) return;
  SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(state.listProc));
  RemovePropW(list, kDialogProperty);
}

void DrawPicture(HWND dialog, const DRAWITEMSTRUCT& item) {
  const SelectState& state = StateOf(dialog);
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_3DFACE));
  if (!state.preview.error.empty()) {
    RECT text = item.rcItem;
    InflateRect(&text, -4, -4);
    SetBkMode(item.hDC, TRANSPARENT);
    DrawTextW(item.hDC, Wide(state.preview.error).c_str(), -1, &text, DT_WORDBREAK);
    return;
  }
  state.picture.Paint(item.hDC, item.rcItem, state.preview.layout);
}

void FillDialog(HWND dialog) {
  SetDialogTexts(dialog, Message::kSelectCaption,
                 {{kSelectFileNameLabel, Message::kSelectFileNameLabel},
                  {kSelectKindGroup, Message::kSelectKindGroup},
                  {kSelectPromptText, Message::kSelectPrompt},
                  {kSelectNotListedText, Message::kSelectNotListed},
                  {IDOK, Message::kOk},
                  {kSelectSkipButton, Message::kCancel}});
  SetItemText(dialog, kSelectFileNameText, selectFileName);
  HWND box = GetDlgItem(dialog, kSelectCandidateBox);
  RECT rect = {};
  GetWindowRect(box, &rect);
  SetWindowPos(box, nullptr, 0, 0, rect.right - rect.left, kCandidateListHeight,
               SWP_NOMOVE | SWP_NOZORDER);
  for (const std::string& candidate : selectCandidates) {
    SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(candidate).c_str()));
  }
  SendMessageW(box, CB_SETCURSEL, 0, 0);
  ShowHighlighted(dialog);
  WatchCandidateList(dialog);
}

bool Confirm(HWND dialog, const std::string& text) {
  return ShowMessage(dialog, text, Text(Message::kSelectConfirmCaption), MB_YESNO) == IDYES;
}

}  // namespace

INT_PTR CALLBACK SelectDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    FillDialog(dialog);
    return TRUE;
  }
  if (message == WM_DESTROY) {
    StopWatchingCandidateList(dialog);
    return FALSE;
  }
  if (message == WM_DRAWITEM && wParam == kSelectPicture) {
    DrawPicture(dialog, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    return TRUE;
  }
  if (message != WM_COMMAND) return FALSE;
  switch (LOWORD(wParam)) {
    case kSelectCandidateBox:
      // Arrow keys and clicks move the highlight; so does the mouse over the
      // open list (CandidateListProc).
      if (HIWORD(wParam) == CBN_SELCHANGE) ShowHighlighted(dialog);
      break;
    case IDOK:
      // No selected entry (text typed into the edit field) skips the file.
      EndDialog(dialog, SendDlgItemMessageW(dialog, kSelectCandidateBox, CB_GETCURSEL, 0, 0));
      break;
    case kSelectSkipButton:
      if (Confirm(dialog, Text(Message::kSelectSkipQuestion, {selectFileName}))) {
        EndDialog(dialog, UserPrompt::kSkipFile);
      }
      break;
    case IDCANCEL:
      if (Confirm(dialog, Text(Message::kSelectStopQuestion))) {
        EndDialog(dialog, UserPrompt::kStopAdding);
      }
      break;
    default:
      break;
  }
  return TRUE;
}

int RunSelectDialog(const IImage& sheet) {
  const AppContext& context = AppContext::Instance();
  SelectState state{sheet, -1, nullptr, {}, {}};
  return static_cast<int>(DialogBoxParamW(context.moduleHandle, L"SELECT", context.mainWindow,
                                          SelectDialogProc, reinterpret_cast<LPARAM>(&state)));
}
