#pragma once

#include <string>

// Splitting of paths as the system names them: on Windows the separator is
// "\", on Linux "/". Paths are UTF-8 in both builds.

extern const char kPathSeparator;

// Position of the last separator in path, or std::string::npos.
std::string::size_type LastSeparator(const std::string& path);

// The part after the last separator; the whole path when it has none.
std::string FilePart(const std::string& path);

// The part before the last separator; empty when the path has none.
std::string FolderPart(const std::string& path);

// The file part without its extension (everything from its last "."
// removed); the file part itself when it has no ".".
std::string BaseName(const std::string& path);
