#pragma once

#include <string>

#include "image/image.h"

// The message OpenImage throws for path, or "" when it opens.
inline std::string OpenFailure(const std::string& path) {
  try {
    OpenImage(path);
  } catch (const char* message) {
    return message;
  }
  return "";
}
