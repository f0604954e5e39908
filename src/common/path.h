#pragma once

#include <string>

// Splitting of paths as the system names them. On Windows the separator is
// "\" and the paths are Shift-JIS, so a trail byte 0x5C ("表", "ソ") is not
// taken for a separator; on Linux the separator is "/".

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
