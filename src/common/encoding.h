#pragma once

#include <string>

// Text inside the programs is UTF-8 in both builds. These functions convert
// at the edges where another encoding meets it: the rule file (Shift-JIS,
// code page 932, whatever the system's own code page is) and output that
// scripts read in Shift-JIS.

// True when text is well-formed UTF-8 (ASCII is).
bool IsUtf8(const std::string& text);

// Shift-JIS (code page 932) to UTF-8. A byte sequence that is not
// Shift-JIS becomes U+FFFD.
std::string ShiftJisToUtf8(const std::string& text);

// text with the characters that JIS and code page 932 read differently from
// the same Shift-JIS bytes (the wave dash, the double vertical line, the
// minus sign, the em dash, cent, pound and not) in code page 932's forms,
// so that they have Shift-JIS bytes: the bytes that the programs always
// wrote for them.
std::string InCodePage932Forms(const std::string& text);

// UTF-8 to Shift-JIS (code page 932). A character that Shift-JIS lacks
// becomes "?"; ok, when given, says whether every character was kept.
std::string Utf8ToShiftJis(const std::string& text, bool* ok = nullptr);
