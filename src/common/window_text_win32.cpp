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
