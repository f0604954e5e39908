#pragma once

#include <string>

#include "common/messages.h"
#include "image/image.h"

// The message OpenImage throws for path, with the reason where the file
// cannot be opened, or "" when it opens.
inline std::string OpenFailure(const std::string& path) {
  try {
    OpenImage(path);
  } catch (const InvalidImageError& error) {
    return WithFileFailure(error.what(), error.Reason());
  }
  return "";
}
