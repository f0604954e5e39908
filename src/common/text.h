#pragma once

// Texts are UTF-8 inside both builds, where no byte of a multi-byte
// character can be taken for an ASCII character ("\", "[", "="), so code
// that scans bytes for such characters may step one byte at a time.

// Length in bytes of the character unit that begins at text[at]: always 1
// for UTF-8 scans of ASCII delimiters.
inline unsigned CharLength(const char*, unsigned long, unsigned long) { return 1; }
