#pragma once

#include <string>

// Text inside the programs is UTF-8 in both builds. These functions convert
// at the edges where another encoding meets it: the rule file (Shift-JIS,
// code page 932, whatever the system's own code page is) and output that
// scripts read in Shift-JIS.

// True when text is well-formed UTF-8 (ASCII is).
bool IsUtf8(const std::string& text);

// The characters of text by their code points, "U+00E9" (a byte that
// begins no character of UTF-8 as "0xE9"), separated by blanks: a name for
// a character that may not show.
std::string CharacterCodes(const std::string& text);

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
// becomes "?" (or a look-alike that the system puts in its place: e for é,
// the backslash byte for ¥); ok, when given, says whether every character
// was kept, that is whether the bytes read back as the text given (in code
// page 932's forms).
std::string Utf8ToShiftJis(const std::string& text, bool* ok = nullptr);
