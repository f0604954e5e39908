#include "tiled/compression.h"

#include <zlib.h>

#include <algorithm>
#include <climits>

namespace {

// zlib's window bits for a zlib stream, and for one with a gzip header.
constexpr int kZlibWindow = 15;
constexpr int kGzipWindow = 15 + 16;
// The level where the map names none: as for the pieces' PNG files, level
// 5 takes a third of the time of zlib's default for a tenth more bytes.
constexpr int kLevelWhereUnsaid = 5;

Decompressed Inflate(std::string_view bytes, int window, char* out, std::size_t size) {
  if (bytes.size() > UINT_MAX || size > UINT_MAX) return Decompressed::kUndecodable;
  z_stream stream{};
  if (inflateInit2(&stream, window) != Z_OK) return Decompressed::kUndecodable;
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
  stream.avail_in = static_cast<uInt>(bytes.size());
  stream.next_out = reinterpret_cast<Bytef*>(out);
  stream.avail_out = static_cast<uInt>(size);
  const int result = inflate(&stream, Z_FINISH);
  // Exactly full at the stream's end, and no input left over.
  const bool whole = result == Z_STREAM_END && stream.avail_in == 0 && stream.avail_out == 0;
  inflateEnd(&stream);
  return whole ? Decompressed::kDone : Decompressed::kUndecodable;
}

bool Deflate(std::string_view bytes, int window, int level, std::string& out) {
  if (bytes.size() > UINT_MAX / 2) return false;
  z_stream stream{};
  if (deflateInit2(&stream, level < 0 ? kLevelWhereUnsaid : level, Z_DEFLATED, window, 8,
                   Z_DEFAULT_STRATEGY) != Z_OK) {
    return false;
  }
  // The gzip header of both builds alike: no time, no name, system unknown.
  gz_header header{};
  header.os = 255;
  if (window == kGzipWindow) deflateSetHeader(&stream, &header);
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
  stream.avail_in = static_cast<uInt>(bytes.size());
  // Room grows as the stream needs it: tile data packs to a fraction.
  out.resize(bytes.size() / 8 + 1024);
  std::size_t made = 0;
  int result = Z_OK;
  while (result == Z_OK) {
    if (made == out.size()) out.resize(out.size() * 2);
    stream.next_out = reinterpret_cast<Bytef*>(out.data() + made);
    stream.avail_out = static_cast<uInt>(out.size() - made);
    result = deflate(&stream, Z_FINISH);
    made = out.size() - stream.avail_out;
  }
  out.resize(made);
  deflateEnd(&stream);
  return result == Z_STREAM_END;
}

}  // namespace

Decompressed Decompress(Compression kind, std::string_view bytes, char* out, std::size_t size) {
  switch (kind) {
    case Compression::kZlib:
      return Inflate(bytes, kZlibWindow, out, size);
    case Compression::kGzip:
      return Inflate(bytes, kGzipWindow, out, size);
    case Compression::kZstd:
      return DecompressZstd(bytes, out, size);
    case Compression::kNone:
      break;
  }
  if (bytes.size() != size) return Decompressed::kUndecodable;
  std::copy(bytes.begin(), bytes.end(), out);
  return Decompressed::kDone;
}

bool Compress(Compression kind, std::string_view bytes, int level, std::string& out) {
  switch (kind) {
    case Compression::kZlib:
      return Deflate(bytes, kZlibWindow, level, out);
    case Compression::kGzip:
      return Deflate(bytes, kGzipWindow, level, out);
    case Compression::kZstd:
      return CompressZstd(bytes, level, out);
    case Compression::kNone:
      break;
  }
  out.assign(bytes);
  return true;
}
