#pragma once

#include <cstdio>
#include <string>

#include "common/file_failure.h"

// Files named by UTF-8 paths, in both builds (the wide calls on Windows, so
// that a name in any script opens whatever the system's code page).

// std::fopen for a UTF-8 path.
std::FILE* OpenFile(const std::string& path, const char* mode);

// std::remove for a UTF-8 path; true when the file is gone.
bool RemoveFile(const std::string& path);

// Reads the whole file into bytes; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes);
// The same, saying why where it fails.
FileResult ReadFileBytes(const std::string& path, std::string& bytes);
// The size of the file at path in bytes; -1 where it cannot be told.
long long FileSizeOf(const std::string& path);

// The absolute form of path (symbolic links resolved where the file exists),
// so that a file is named the same whatever the working folder.
std::string AbsolutePath(const std::string& path);
