#include "tiled/compression.h"

// The Windows build has no zstd: such a payload is named as not readable.
Decompressed DecompressZstd(std::string_view, std::size_t, std::string& out) {
  out.clear();
  return Decompressed::kNotReadable;
}

bool CompressZstd(std::string_view, int, std::string& out) {
  out.clear();
  return false;
}
