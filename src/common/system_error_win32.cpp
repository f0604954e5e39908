#include <windows.h>

#include "common/messages.h"
#include "common/system_error.h"
#include "common/wide_win32.h"

std::string LastSystemErrorText() {
  const DWORD error = GetLastError();
  const WORD language = CurrentLanguage() == Language::Japanese
                            ? MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT)
                            : MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
  wchar_t* text = nullptr;
  const auto format = [&](WORD languageId) {
    return FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                              FORMAT_MESSAGE_IGNORE_INSERTS,
                          nullptr, error, languageId, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  };
  // The system may lack the texts of the language asked for; then its own.
  DWORD length = format(language);
  if (length == 0) length = format(0);
  std::string words = length != 0 && text != nullptr ? Utf8(std::wstring(text, length)) : "";
  LocalFree(text);
  // The system's text ends with a line break.
  while (!words.empty() && (words.back() == '\r' || words.back() == '\n' || words.back() == ' ')) {
    words.pop_back();
  }
  return words + (words.empty() ? "" : " ") + "(Windows error " + std::to_string(error) + ")";
}
