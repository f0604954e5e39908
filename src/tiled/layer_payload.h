#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tiled/compression.h"

// The cells of a tile layer as a map stores them in the text of a <data>
// or <chunk> element: CSV, or base64 of little-endian 32-bit gids,
// uncompressed or compressed. (Cells as <tile gid> elements are values of
// attributes instead.)
struct PayloadFormat {
  bool base64 = false;  // false: CSV
  Compression compression = Compression::kNone;
  int level = -1;  // the map's compression level; -1 where it names none
};

enum class PayloadRead {
  kRead,
  kUndecodable,    // not CSV, not base64, not of its compression
  kWrongCount,     // another number of cells than the layer has
  kNotReadable,    // zstd where the build has none
};

// The gids of text, which must hold exactly count cells.
PayloadRead ReadPayload(std::string_view text, const PayloadFormat& format, std::size_t count,
                        std::vector<std::uint32_t>& gids);

// text holding gids in its format. CSV keeps every byte but the numbers
// that change; base64 keeps the blanks around the encoded text. False where
// the compression cannot be written.
bool WritePayload(std::string_view text, const PayloadFormat& format,
                  const std::vector<std::uint32_t>& gids, std::string& out);
