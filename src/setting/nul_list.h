#pragma once

#include <string>
#include <vector>

// The strings of a list as the profile calls fill it: each NUL-terminated,
// the list ended by an empty string or by the end of the buffer.
std::vector<std::string> SplitNulList(const std::vector<char>& buffer);
