#include <windows.h>

#include "common/encoding.h"
#include "common/wide_win32.h"

std::wstring WideFromCodePage(const std::string& text, unsigned codePage) {
  if (text.empty()) return std::wstring();
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
  return wide;
}

std::string CodePageFromWide(const std::wstring& wide, unsigned codePage, bool* ok) {
  if (ok) *ok = true;
  if (wide.empty()) return std::string();
  const int size = static_cast<int>(wide.size());
  BOOL lost = FALSE;
  BOOL* lostFlag = codePage == CP_UTF8 ? nullptr : &lost;
  const char* fallback = codePage == CP_UTF8 ? nullptr : "?";
  const int length =
      WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, fallback, lostFlag);
  std::string text(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), size, text.data(), length, fallback, lostFlag);
  if (ok) *ok = !lost;
  return text;
}

std::wstring Wide(const std::string& utf8) { return WideFromCodePage(utf8, CP_UTF8); }

std::string Utf8(const std::wstring& wide) { return CodePageFromWide(wide, CP_UTF8); }

std::string Utf8(const wchar_t* wide) { return wide ? Utf8(std::wstring(wide)) : std::string(); }

std::string ShiftJisToUtf8(const std::string& text) { return Utf8(WideFromCodePage(text, 932)); }

std::string Utf8ToShiftJis(const std::string& text, bool* ok) {
  const std::string forms = InCodePage932Forms(text);
  std::string bytes = CodePageFromWide(Wide(forms), 932, ok);
  // The system's best fit reports no loss for the look-alikes it chose.
  if (ok && *ok) *ok = ShiftJisToUtf8(bytes) == forms;
  return bytes;
}
