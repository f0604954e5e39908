#pragma once

#include <string>

#include "common/file_failure.h"

// Creates the output folder next to a source image (one level): success
// when it was made or was there already, otherwise why it could not be.
FileResult CreateOutputFolder(const std::string& path);

// The folder that the pieces of the source image sourceName go into: one of
// the source's base name, beside it.
std::string OutputFolderOf(const std::string& sourceName);
