#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "setting/ini_text.h"

// Splitting of the list values of the rule file.

// The most items a list of numbers can have in a section that the reader
// reads whole: every item takes two bytes at least, a digit and a separator.
inline constexpr std::size_t kMaxListItems = kSectionBufferSize / 2;

// The items of text between separators, as text: "A,B" gives A and B, a
// trailing separator an empty last item, the empty text one empty item.
// Nothing is trimmed.
std::vector<std::string> SplitStringList(const std::string& text, char separator);

// The items of text as numbers (ParseInt), one more than there are
// separators.
std::vector<int> SplitIntList(const std::string& text, char separator);

// The numbers as text between separators: what SplitIntList reads back.
std::string JoinIntList(const std::vector<int>& numbers, char separator);

// The number at the start of text, as a decimal read of an int: leading
// blanks are skipped, a sign is accepted, reading stops at the first
// character that cannot continue the number ("12px" gives 12). The empty
// text gives 0. Throws std::invalid_argument when text does not begin with
// a number and std::out_of_range when the number does not fit an int.
int ParseInt(const std::string& text);
