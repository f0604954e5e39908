#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "support/files.h"

// The folder every fuzz target writes into, made once per process.
inline const TempFolder& FuzzFolder() {
  static const TempFolder folder;
  return folder;
}

inline std::string AsText(const std::uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}
