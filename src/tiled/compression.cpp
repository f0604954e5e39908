#include "tiled/compression.h"

#include <zlib.h>

#include <climits>

namespace {

// zlib's window bits for a zlib stream, and for one with a gzip header.
constexpr int kZlibWindow = 15;
constexpr int kGzipWindow = 15 + 16;

Decompressed Inflate(std::string_view bytes, int window, std::size_t size, std::string& out) {
  if (bytes.size() > UINT_MAX || size >= UINT_MAX) return Decompressed::kUndecodable;
  z_stream stream{};
  if (inflateInit2(&stream, window) != Z_OK) return Decompressed::kUndecodable;
  out.assign(size + 1, '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
  stream.avail_in = static_cast<uInt>(bytes.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  const int result = inflate(&stream, Z_FINISH);
  const std::size_t made = out.size() - stream.avail_out;
  const bool whole = result == Z_STREAM_END && stream.avail_in == 0 && made == size;
  inflateEnd(&stream);
  out.resize(made);
  return whole ? Decompressed::kDone : Decompressed::kUndecodable;
}

bool Deflate(std::string_view bytes, int window, int level, std::string& out) {
  if (bytes.size() > UINT_MAX / 2) return false;
  z_stream stream{};
  if (deflateInit2(&stream, level, Z_DEFLATED, window, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
    return false;
  }
  // The gzip header of both builds alike: no time, no name, system unknown.
  gz_header header{};
  header.os = 255;
  if (window == kGzipWindow) deflateSetHeader(&stream, &header);
  out.assign(deflateBound(&stream, static_cast<uLong>(bytes.size())) + 32, '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
  stream.avail_in = static_cast<uInt>(bytes.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  const int result = deflate(&stream, Z_FINISH);
  out.resize(out.size() - stream.avail_out);
  deflateEnd(&stream);
  return result == Z_STREAM_END;
}

}  // namespace

Decompressed Decompress(Compression kind, std::string_view bytes, std::size_t size,
                        std::string& out) {
  switch (kind) {
    case Compression::kZlib:
      return Inflate(bytes, kZlibWindow, size, out);
    case Compression::kGzip:
      return Inflate(bytes, kGzipWindow, size, out);
    case Compression::kZstd:
      return DecompressZstd(bytes, size, out);
    case Compression::kNone:
      break;
  }
  if (bytes.size() != size) return Decompressed::kUndecodable;
  out.assign(bytes);
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
