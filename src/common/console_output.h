#pragma once

#include <cstdio>
#include <string>

// What the command-line programs write, as the reader gets it. The text is
// UTF-8 inside. Natively it goes out as it is. On Windows a console gets it
// through the console's wide interface, right whatever the console's code
// page; a file or a pipe gets Shift-JIS, which scripts have always read,
// or UTF-8 once UseUtf8Output was called (--utf8).
void WriteText(std::FILE* stream, const std::string& text);

void UseUtf8Output();
