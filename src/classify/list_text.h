#pragma once

#include <string>

// The text of the main window's list box: a few lines of heading, or the
// guidance while nothing is listed, then the list blocks. Lines end in CR LF.
std::string BuildListText();

// The list blocks alone, for the command line: for every key of RunState's
// list text in byte order, "[key]" and the key's lines.
std::string BuildListBlocks();
