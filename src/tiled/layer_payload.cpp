#include "tiled/layer_payload.h"

#include "tiled/base64.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

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
  std::string cells;
  switch (Decompress(format.compression, bytes, count * 4, cells)) {
    case Decompressed::kDone:
      break;
    case Decompressed::kNotReadable:
      return PayloadRead::kNotReadable;
    case Decompressed::kUndecodable:
      return format.compression == Compression::kNone ? PayloadRead::kWrongCount
                                                      : PayloadRead::kUndecodable;
  }
  gids.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    const auto byte = [&](std::size_t at) {
      return static_cast<std::uint32_t>(static_cast<unsigned char>(cells[i * 4 + at]));
    };
    gids[i] = byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
  }
  return PayloadRead::kRead;
}

bool WritePayload(std::string_view text, const PayloadFormat& format,
                  const std::vector<std::uint32_t>& gids, std::string& out) {
  out.clear();
  if (!format.base64) {
    out.reserve(text.size() + text.size() / 8);
    std::size_t copied = 0;
    std::size_t index = 0;
    ForEachCsvNumber(text, [&](std::size_t begin, std::size_t end, std::uint32_t old) {
      const std::uint32_t gid = gids[index++];
      if (gid != old) {
        out.append(text.substr(copied, begin - copied));
        out += std::to_string(gid);
        copied = end;
      }
      return true;
    });
    out.append(text.substr(copied));
    return true;
  }
  std::string cells(gids.size() * 4, '\0');
  for (std::size_t i = 0; i < gids.size(); ++i) {
    for (int b = 0; b < 4; ++b) cells[i * 4 + b] = static_cast<char>(gids[i] >> (8 * b));
  }
  std::string compressed;
  if (!Compress(format.compression, cells, format.level, compressed)) return false;
  std::size_t lead = 0;
  const std::string_view encoded = Trimmed(text, lead);
  out.append(text.substr(0, lead));
  out += EncodeBase64(compressed);
  out.append(text.substr(lead + encoded.size()));
  return true;
}
