#pragma once

#include <string>
#include <vector>

// Exit statuses of the command-line converter.
inline constexpr int kExitConverted = 0;  // every file converted, or left alone by "何もしない"
inline constexpr int kExitNotConverted = 1;  // some file was not converted
inline constexpr int kExitUsage = 2;         // a usage error or no rule file

// Writes "vomarin: " and text as a line on the standard error.
void PrintError(const std::string& text);

// The command-line converter on arguments (without the program name):
// classifies the files, prints the list, converts every job and returns the
// exit status. The image layer must be ready (GDI+ started on Windows).
int RunConverterCommand(const std::vector<std::string>& arguments);
