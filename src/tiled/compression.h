#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The compressions of layer payloads: zlib and gzip through zlib in both
// builds, zstd through libzstd natively (the Windows build reads none).
enum class Compression { kNone, kZlib, kGzip, kZstd };

enum class Decompressed {
  kDone,
  kUndecodable,  // not a stream of that kind, or more or less than the size expected
  kNotReadable,  // zstd in the Windows build
};

// Decompresses bytes into out, which they must fill exactly (size bytes);
// nothing is written past it.
Decompressed Decompress(Compression kind, std::string_view bytes, char* out, std::size_t size);

// Compresses bytes at level (-1: zlib's level 5, zstd's default); false
// when the library could not (out of memory) or, for zstd, in the Windows
// build.
bool Compress(Compression kind, std::string_view bytes, int level, std::string& out);

// Of the platform: zstd, or kNotReadable and false where the build has none.
Decompressed DecompressZstd(std::string_view bytes, char* out, std::size_t size);
bool CompressZstd(std::string_view bytes, int level, std::string& out);
