#pragma once

// Texts are UTF-8 inside both builds. No byte of a multi-byte character can
// be taken for an ASCII one ("\", "[", "="), so a scan for such a character
// may go byte by byte; code that takes a text apart character by character
// (folding letters, dropping one character) steps over whole characters.

// Length in bytes of the character that begins at text[at] (1 to 4), never
// reaching beyond size; a byte that begins no character counts as one.
inline unsigned CharLength(const char* text, unsigned long size, unsigned long at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  const unsigned length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  return at + length <= size ? length : static_cast<unsigned>(size - at);
}
