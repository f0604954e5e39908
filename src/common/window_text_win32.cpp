#include "common/window_text_win32.h"

#include <vector>

#include "common/wide_win32.h"

int ShowMessage(HWND owner, const std::string& text, const char* caption, UINT flags) {
  const std::wstring wideCaption = caption ? Wide(caption) : std::wstring();
  return MessageBoxW(owner, Wide(text).c_str(), caption ? wideCaption.c_str() : nullptr, flags);
}

void SetItemText(HWND dialog, int id, const std::string& text) {
  SetDlgItemTextW(dialog, id, Wide(text).c_str());
}

std::string ItemText(HWND dialog, int id) { return WindowTextUtf8(GetDlgItem(dialog, id)); }

void FillComboBox(HWND dialog, int id, const std::vector<std::string>& items) {
  SendDlgItemMessageW(dialog, id, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items) {
    SendDlgItemMessageW(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
  }
}

std::string ComboBoxItem(HWND dialog, int id, LRESULT index) {
  const LRESULT length = SendDlgItemMessageW(dialog, id, CB_GETLBTEXTLEN, index, 0);
  if (length < 0) return std::string();
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendDlgItemMessageW(dialog, id, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
  return Utf8(text.c_str());
}

void SetWindowTextUtf8(HWND window, const std::string& text) {
  SetWindowTextW(window, Wide(text).c_str());
}

std::string WindowTextUtf8(HWND window) {
  std::vector<wchar_t> text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  const int length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
  return Utf8(std::wstring(text.data(), static_cast<std::size_t>(length > 0 ? length : 0)));
}

void SetDialogTexts(HWND dialog, Message caption,
                    std::initializer_list<std::pair<int, Message>> controls) {
  SetWindowTextUtf8(dialog, Text(caption));
  for (const auto& [id, text] : controls) SetItemText(dialog, id, Text(text));
}
