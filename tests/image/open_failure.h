#pragma once

#include <string>

#include "image/image.h"

// The message OpenImage throws for path, with the reason where the file
// cannot be opened, or "" when it opens.
inline std::string OpenFailure(const std::string& path) {
  try {
    OpenImage(path);
  } catch (const char* message) {
    return message;
  } catch (const UnopenableImage& unopenable) {
    return WithFileFailure(kInvalidFileMessage, unopenable.reason);
  }
  return "";
}
