#include "app/findings_window_win32.h"

#include "common/app_context.h"
#include "common/centre_window_win32.h"
#include "common/messages.h"
#include "common/wide_win32.h"
#include "common/window_text_win32.h"

namespace {

struct FindingsWindow {
  const std::vector<CheckFinding>& findings;
  const std::function<void(const CheckFinding&)>& openRule;
};

// The lines of the selected rows, each ended by "\r\n".
std::string SelectedFindingLines(HWND list) {
  std::string text;
  const LRESULT rows = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT row = 0; row < rows; ++row) {
    if (SendMessageW(list, LB_GETSEL, row, 0) <= 0) continue;
    std::wstring line(SendMessageW(list, LB_GETTEXTLEN, row, 0), L'\0');
    SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(&line[0]));
    text += Utf8(line) + "\r\n";
  }
  return text;
}

void CopyToClipboard(HWND owner, const std::string& text) {
  const std::wstring wide = Wide(text);
  const SIZE_T bytes = (wide.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (memory == nullptr) return;
  memcpy(GlobalLock(memory), wide.c_str(), bytes);
  GlobalUnlock(memory);
  if (OpenClipboard(owner)) {
    EmptyClipboard();
    // The clipboard owns the memory once it has taken it.
    if (SetClipboardData(CF_UNICODETEXT, memory) != nullptr) memory = nullptr;
    CloseClipboard();
  }
  if (memory != nullptr) GlobalFree(memory);
}

// Ctrl+A and Ctrl+C in the list; -1 leaves every other key to the list.
INT_PTR ListKey(HWND dialog, WORD key) {
  if ((GetKeyState(VK_CONTROL) & 0x8000) == 0) return -1;
  HWND list = GetDlgItem(dialog, kFindingsList);
  if (key == 'A') {
    SendMessageW(list, LB_SETSEL, TRUE, -1);
    return -2;
  }
  if (key == 'C') {
    CopyToClipboard(dialog, SelectedFindingLines(list));
    return -2;
  }
  return -1;
}

void OpenSelectedRule(HWND dialog) {
  const auto& window = *reinterpret_cast<FindingsWindow*>(GetWindowLongPtrW(dialog, DWLP_USER));
  const LRESULT row = SendDlgItemMessageW(dialog, kFindingsList, LB_GETCARETINDEX, 0, 0);
  if (row < 0 || static_cast<size_t>(row) >= window.findings.size()) return;
  EndDialog(dialog, 0);
  window.openRule(window.findings[row]);
}

INT_PTR CALLBACK FindingsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      SetDialogTexts(
          dialog, Message::kFindingsCaption,
          {{kFindingsHint, Message::kFindingsHint}, {IDCANCEL, Message::kFindingsClose}});
      HWND list = GetDlgItem(dialog, kFindingsList);
      HDC dc = GetDC(list);
      const HGDIOBJ oldFont =
          SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)));
      LONG widest = 0;
      for (const CheckFinding& finding : reinterpret_cast<FindingsWindow*>(lParam)->findings) {
        const std::wstring line = Wide(FindingLine(finding));
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
        SIZE size = {};
        GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &size);
        if (size.cx > widest) widest = size.cx;
      }
      SelectObject(dc, oldFont);
      ReleaseDC(list, dc);
      // Long findings scroll sideways rather than being cut.
      SendMessageW(list, LB_SETHORIZONTALEXTENT, widest + 8, 0);
      CentreWindow(dialog);
      return TRUE;
    }
    case WM_VKEYTOITEM:
      return ListKey(dialog, LOWORD(wParam));
    case WM_COMMAND:
      if (LOWORD(wParam) == kFindingsList && HIWORD(wParam) == LBN_DBLCLK) {
        OpenSelectedRule(dialog);
      } else if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, 0);
      }
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

void ShowFindingsWindow(HWND owner, const std::vector<CheckFinding>& findings,
                        const std::function<void(const CheckFinding&)>& openRule) {
  FindingsWindow window{findings, openRule};
  DialogBoxParamW(AppContext::Instance().moduleHandle, L"FINDINGS", owner, FindingsProc,
                  reinterpret_cast<LPARAM>(&window));
}
