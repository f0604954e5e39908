#pragma once

#include <string>

// UTF-8 inside, UTF-16 at every call of a Windows interface.
std::wstring Wide(const std::string& utf8);
std::string Utf8(const std::wstring& wide);
std::string Utf8(const wchar_t* wide);

// Text in a code page of Windows (932 for Shift-JIS) and UTF-16.
std::wstring WideFromCodePage(const std::string& text, unsigned codePage);
std::string CodePageFromWide(const std::wstring& wide, unsigned codePage, bool* ok = nullptr);
