#pragma once

#include <string>

#include "common/file_failure.h"

// What the command-line programs need of the platform beyond the standard
// library. Texts are in the system's narrow encoding.

// True when the standard input, or the standard error, is a terminal (a
// console window on Windows) that a person reads and types at.
bool InputIsTerminal();
bool ErrorIsTerminal();

// Success when path names an existing regular file that can be read,
// otherwise why not.
FileResult ReadableFile(const std::string& path);

// True when path names an existing folder.
bool IsFolder(const std::string& path);
