#pragma once

#include <string>

// How the bytes of a rule file are text. A rule file is Shift-JIS (code page
// 932, whatever the system's code page is) unless it begins with the UTF-8
// byte-order mark; the native build also reads a file without the mark as
// UTF-8 where its bytes are well-formed UTF-8, as it always has.
enum class RuleFileEncoding { kShiftJis, kUtf8, kUtf8WithMark };

RuleFileEncoding EncodingOfRuleFile(const std::string& bytes);

// The file's text in UTF-8, without the byte-order mark.
std::string RuleFileText(const std::string& bytes, RuleFileEncoding encoding);
