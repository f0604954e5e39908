#pragma once

#include <string>

// Files that a map names: Tiled writes a reference relative to the file that
// holds it, with "/" between the names, or as an absolute path.

// The path that reference, written in a file in folder, names; "." and
// ".." steps resolved where they can be.
std::string ResolveReference(const std::string& folder, const std::string& reference);

// How a file in folder names target: relative where both lie on one drive,
// with "/" between the names; target itself otherwise.
std::string ReferenceTo(const std::string& folder, const std::string& target);
