#pragma once

#include <string>

#include "common/messages.h"

// What the windowed program keeps between its runs, in a small file of its
// own beside it (the rule file is the user's and is never written): the
// main window's check boxes and, when the user has set one, the language.
struct ProgramOptions {
  bool chooseTransparency = false;
  bool combineMaps = false;
  bool writeIndexTable = false;
  bool writeTilesets = false;
  bool hasLanguage = false;  // false: the system's language
  Language language = Language::Japanese;
};

// The options file's name beside the program.
inline constexpr const char* kProgramOptionsFileName = "Vomarin+.options";

// The options in bytes: "key=value" lines (UTF-8, "\n" or "\r\n"), values
// "0"/"1" for the boxes and "ja"/"en" for Language. A line or a value that
// is not understood leaves its option at the default; so does a missing file.
ProgramOptions ParseProgramOptions(const std::string& bytes);
std::string FormatProgramOptions(const ProgramOptions& options);

// Reads path; the defaults when it is missing or cannot be read.
ProgramOptions ReadProgramOptions(const std::string& path);
// Writes path whole or not at all; false when it could not be written.
bool WriteProgramOptions(const std::string& path, const ProgramOptions& options);
