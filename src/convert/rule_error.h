#pragma once

#include <string>

// A rule that cannot be built is reported by throwing its message as a C
// string, like the fixed messages below; catchers copy the text at once.

inline constexpr char kBadSrcDivMessage[] = "不正なSrcDiv";
inline constexpr char kBadFileDivMessage[] = "不正なfileDiv\n";

// The reserved rule name of files that are to be left alone; it needs no
// section.
inline constexpr char kDoNothingRule[] = "何もしない";

// The message for a rule name that no section of the rule file has.
std::string MissingRuleMessage(const std::string& ruleName);

// A construction message without the line feeds that end some of them
// (kBadFileDivMessage), to stand inside a line of another text.
std::string MessageInLine(const std::string& message);

// The message for a rule that cannot be built where it is to run (named by
// another rule, or by a rule tool), given the message of its construction.
std::string UnusableRuleMessage(const std::string& ruleName, const std::string& message);

// Throws message as a C string. The text lives in storage of the throwing
// thread until its next rule error.
[[noreturn]] void ThrowRuleError(const std::string& message);
