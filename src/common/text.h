#pragma once

// Texts are byte strings in the system's narrow encoding: Shift-JIS (code
// page 932) on Windows, UTF-8 in the native build. In Shift-JIS the second
// byte of a double-byte character may look like "\", "[", "=" or a letter,
// so code that scans bytes for such characters steps over it.

// True when byte begins a double-byte character of the system code page
// (never in the native build).
bool IsLeadByte(unsigned char byte);

// Length in bytes of the character that begins at text[at] (1 or 2), never
// reaching beyond size.
inline unsigned CharLength(const char* text, unsigned long size, unsigned long at) {
  return IsLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < size ? 2 : 1;
}
