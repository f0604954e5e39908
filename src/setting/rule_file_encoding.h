#pragma once

#include <string>

// The encoding of a rule file's bytes, and the conversions between them and
// the programs' own texts, which are UTF-8.
enum class RuleFileEncoding { kShiftJis, kUtf8 };

// A rule file is UTF-8 when it begins with the UTF-8 byte-order mark, and
// Shift-JIS (code page 932) otherwise, as the Windows profile reader takes
// it. The native build also takes a file without the mark as UTF-8 when it
// holds characters beyond ASCII and is valid UTF-8, since that is how a rule
// file written on Linux comes. A file of ASCII alone (or none) reads alike
// either way and is Shift-JIS, so that both builds write into it alike.
RuleFileEncoding RuleFileEncodingOf(const std::string& bytes);

// The encoding's name for messages: "Shift-JIS" or "UTF-8".
const char* RuleFileEncodingName(RuleFileEncoding encoding);

// Length in bytes (1 or 2) of the character of text in the encoding that
// begins at text[at]: a scan for "[", "]" or "=" must step over the second
// byte of a Shift-JIS character, which may look like one of them.
unsigned RuleFileCharLength(const std::string& text, std::size_t at, RuleFileEncoding encoding);

// Bytes of the file (without the byte-order mark) as the programs' text.
std::string DecodeRuleFileText(const std::string& bytes, RuleFileEncoding encoding);

// The programs' text as bytes of the file; ok tells whether the encoding
// holds every character exactly (Korean does not fit Shift-JIS, nor does é,
// for which a look-alike is no answer).
std::string EncodeRuleFileText(const std::string& text, RuleFileEncoding encoding, bool& ok);

// The first character of text that the encoding cannot hold exactly, or
// empty when it holds them all.
std::string FirstUnheldCharacter(const std::string& text, RuleFileEncoding encoding);

// The UTF-8 byte-order mark.
inline constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";
