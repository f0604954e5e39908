#pragma once

#include <string>

// Creating the output folder next to a source image (one level).
enum class FolderResult {
  kReady,          // created, or it was there already
  kMissingParent,  // the path up to it does not exist (or is too long)
  kFailed,         // any other failure
};

FolderResult CreateOutputFolder(const std::string& path);

// The folder that the pieces of the source image sourceName go into: one of
// the source's base name, beside it.
std::string OutputFolderOf(const std::string& sourceName);
