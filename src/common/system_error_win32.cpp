#include <windows.h>

#include "common/system_error.h"

std::string LastSystemErrorText() {
  const DWORD error = GetLastError();
  char* text = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string words = length != 0 && text != nullptr ? std::string(text, length) : std::string();
  LocalFree(text);
  // The system's text ends with a line break.
  while (!words.empty() && (words.back() == '\r' || words.back() == '\n' || words.back() == ' ')) {
    words.pop_back();
  }
  return words + (words.empty() ? "" : " ") + "(Windows error " + std::to_string(error) + ")";
}
