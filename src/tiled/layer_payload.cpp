#include "tiled/layer_payload.h"

#include <algorithm>
#include <charconv>

#include "tiled/base64.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Payloads hold little-endian gids.
bool LittleEndianHost() {
  const std::uint32_t probe = 1;
  return *reinterpret_cast<const unsigned char*>(&probe) == 1;
}

std::uint32_t Swapped(std::uint32_t gid) {
  return gid >> 24 | (gid >> 8 & 0xFF00u) | (gid << 8 & 0xFF0000u) | gid << 24;
}

// Calls number(begin, end, value) for each number of a CSV text; false at
// anything but digits, commas and blanks, an empty field or a number that
// is no gid.
template <typename OnNumber>
bool ForEachCsvNumber(std::string_view text, OnNumber number) {
  std::size_t at = 0;
  while (at < text.size() && IsBlank(text[at])) ++at;
  if (at == text.size()) return true;
  while (true) {
    const std::size_t begin = at;
    std::uint64_t value = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
      value = value * 10 + static_cast<std::uint64_t>(text[at] - '0');
      if (value > UINT32_MAX) return false;
      ++at;
    }
    if (at == begin) return false;
    if (!number(begin, at, static_cast<std::uint32_t>(value))) return false;
    while (at < text.size() && IsBlank(text[at])) ++at;
    if (at == text.size()) return true;
    if (text[at] != ',') return false;
    ++at;
    while (at < text.size() && IsBlank(text[at])) ++at;
  }
}

// The encoded text between the blanks at either end.
std::string_view Trimmed(std::string_view text, std::size_t& lead) {
  lead = 0;
  while (lead < text.size() && IsBlank(text[lead])) ++lead;
  std::size_t end = text.size();
  while (end > lead && IsBlank(text[end - 1])) --end;
  return text.substr(lead, end - lead);
}

}  // namespace

PayloadRead ReadPayload(std::string_view text, const PayloadFormat& format, std::size_t count,
                        std::vector<std::uint32_t>& gids) {
  gids.clear();
  if (!format.base64) {
    gids.reserve(count);
    bool tooMany = false;
    const bool read = ForEachCsvNumber(text, [&](std::size_t, std::size_t, std::uint32_t gid) {
      if (gids.size() == count) {
        tooMany = true;
        return false;
      }
      gids.push_back(gid);
      return true;
    });
    if (tooMany) return PayloadRead::kWrongCount;
    if (!read) return PayloadRead::kUndecodable;
    return gids.size() == count ? PayloadRead::kRead : PayloadRead::kWrongCount;
  }
  std::string bytes;
  if (!DecodeBase64(text, bytes)) return PayloadRead::kUndecodable;
  // The cells unpack into the gids' own memory, then take the host's order.
  gids.resize(count);
  switch (Decompress(format.compression, bytes, reinterpret_cast<char*>(gids.data()), count * 4)) {
    case Decompressed::kDone:
      break;
    case Decompressed::kNotReadable:
      return PayloadRead::kNotReadable;
    case Decompressed::kUndecodable:
      gids.clear();
      return format.compression == Compression::kNone ? PayloadRead::kWrongCount
                                                      : PayloadRead::kUndecodable;
  }
  if (!LittleEndianHost()) {
    for (std::uint32_t& gid : gids) gid = Swapped(gid);
  }
  return PayloadRead::kRead;
}

bool WritePayload(std::string_view text, const PayloadFormat& format,
                  const std::vector<std::uint32_t>& gids, std::string& out) {
  out.clear();
  if (!format.base64) {
    // One pass: the bytes go through a buffer of their own into out, so
    // that out neither grows by small appends nor is cleared first.
    out.reserve(text.size() + text.size() / 4);
    constexpr std::size_t kBuffer = 1 << 16;
    constexpr std::size_t kLongestGid = 10;
    char buffer[kBuffer];
    char* to = buffer;
    const auto flush = [&] {
      out.append(buffer, static_cast<std::size_t>(to - buffer));
      to = buffer;
    };
    const auto copy = [&](std::size_t from, std::size_t until) {
      if (until - from > kBuffer - static_cast<std::size_t>(to - buffer)) {
        flush();
        out.append(text.data() + from, until - from);
      } else {
        to = std::copy(text.data() + from, text.data() + until, to);
      }
    };
    std::size_t index = 0;
    std::size_t copied = 0;
    ForEachCsvNumber(text, [&](std::size_t begin, std::size_t end, std::uint32_t old) {
      const std::uint32_t gid = gids[index++];
      if (gid != old) {
        copy(copied, begin);
        if (kBuffer - static_cast<std::size_t>(to - buffer) < kLongestGid) flush();
        to = std::to_chars(to, to + kLongestGid, gid).ptr;
        copied = end;
      }
      return true;
    });
    copy(copied, text.size());
    flush();
    return true;
  }
  // The cells as little-endian bytes: the gids' own memory on such a host.
  std::vector<std::uint32_t> swapped;
  const std::uint32_t* cells = gids.data();
  if (!LittleEndianHost()) {
    for (const std::uint32_t gid : gids) swapped.push_back(Swapped(gid));
    cells = swapped.data();
  }
  const std::string_view bytes(reinterpret_cast<const char*>(cells), gids.size() * 4);
  std::string compressed;
  if (!Compress(format.compression, bytes, format.level, compressed)) return false;
  std::size_t lead = 0;
  const std::string_view encoded = Trimmed(text, lead);
  out.append(text.substr(0, lead));
  out += EncodeBase64(compressed);
  out.append(text.substr(lead + encoded.size()));
  return true;
}
