#include "tiled/compression.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <system_error>
#include <thread>
#include <vector>

namespace {

// zlib's window bits for a zlib stream, and for one with a gzip header
// (which Inflate reads and Deflate writes itself).
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

// Raw deflate of part, primed with the window of data before it, ending on
// a byte boundary (an empty stored block) unless it is the last part.
bool DeflateRaw(std::string_view part, std::string_view before, int level, bool last,
                std::string& out) {
  z_stream stream{};
  if (deflateInit2(&stream, level, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK) return false;
  if (!before.empty()) {
    deflateSetDictionary(&stream, reinterpret_cast<const Bytef*>(before.data()),
                         static_cast<uInt>(before.size()));
  }
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(part.data()));
  stream.avail_in = static_cast<uInt>(part.size());
  // Room grows as the stream needs it: tile data packs to a fraction.
  out.resize(part.size() / 8 + 1024);
  std::size_t made = 0;
  const int flush = last ? Z_FINISH : Z_SYNC_FLUSH;
  int result = Z_OK;
  while (true) {
    if (made == out.size()) out.resize(out.size() * 2);
    stream.next_out = reinterpret_cast<Bytef*>(out.data() + made);
    stream.avail_out = static_cast<uInt>(out.size() - made);
    result = deflate(&stream, flush);
    made = out.size() - stream.avail_out;
    if (result != Z_OK || (!last && stream.avail_out != 0)) break;
  }
  out.resize(made);
  deflateEnd(&stream);
  return last ? result == Z_STREAM_END : result == Z_OK;
}

// A zlib or gzip stream of bytes. A large layer is deflated in parts on
// threads of their own, each part primed with the window before it, so the
// stream is the same whatever the machine: the parts depend on the size alone.
bool Deflate(std::string_view bytes, int window, int level, std::string& out) {
  if (bytes.size() > UINT_MAX / 2) return false;
  if (level < 0) level = kLevelWhereUnsaid;
  if (level > 9) level = 9;
  constexpr std::size_t kPartSize = std::size_t{1} << 20;
  constexpr std::size_t kMostParts = 4;
  const std::size_t count = std::clamp<std::size_t>(bytes.size() / kPartSize, 1, kMostParts);
  const std::size_t step = bytes.size() / count;
  std::vector<std::string> parts(count);
  std::vector<char> done(count, 0);
  const auto deflatePart = [&](std::size_t i) {
    const std::size_t begin = i * step;
    const std::size_t end = i + 1 == count ? bytes.size() : begin + step;
    const std::size_t windowStart = begin > 32768 ? begin - 32768 : 0;
    done[i] = DeflateRaw(bytes.substr(begin, end - begin),
                         bytes.substr(windowStart, begin - windowStart), level, i + 1 == count,
                         parts[i]);
  };
  std::vector<std::thread> threads;
  try {
    for (std::size_t i = 1; i < count; ++i) threads.emplace_back(deflatePart, i);
  } catch (const std::system_error&) {
    // No thread to be had: the rest here, one after another.
  }
  deflatePart(0);
  for (std::thread& thread : threads) thread.join();
  for (std::size_t i = threads.size() + 1; i < count; ++i) deflatePart(i);
  if (std::find(done.begin(), done.end(), 0) != done.end()) return false;

  // The header and the check value zlib itself writes for the whole.
  const auto byte = [&out](unsigned value) { out += static_cast<char>(value & 0xFF); };
  out.clear();
  if (window == kGzipWindow) {
    // No time, no name, system unknown: alike in both builds.
    for (const unsigned value : {0x1Fu, 0x8Bu, 8u, 0u, 0u, 0u, 0u, 0u}) byte(value);
    byte(level == 9 ? 2 : level == 1 ? 4 : 0);
    byte(255);
  } else {
    const unsigned levelFlags = level < 2 ? 0 : level < 6 ? 1 : level == 6 ? 2 : 3;
    unsigned header = (0x78u << 8) | (levelFlags << 6);
    header += 31 - header % 31;
    byte(header >> 8);
    byte(header);
  }
  for (const std::string& part : parts) out += part;
  const auto* data = reinterpret_cast<const Bytef*>(bytes.data());
  if (window == kGzipWindow) {
    const uLong crc = crc32(crc32(0, nullptr, 0), data, static_cast<uInt>(bytes.size()));
    for (int shift = 0; shift < 32; shift += 8) byte(static_cast<unsigned>(crc >> shift));
    for (int shift = 0; shift < 32; shift += 8) byte(static_cast<unsigned>(bytes.size() >> shift));
  } else {
    const uLong sum = adler32(adler32(0, nullptr, 0), data, static_cast<uInt>(bytes.size()));
    for (int shift = 24; shift >= 0; shift -= 8) byte(static_cast<unsigned>(sum >> shift));
  }
  return true;
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
