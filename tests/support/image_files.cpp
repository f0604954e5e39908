#include "support/image_files.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace {

// --- bytes -------------------------------------------------------------------

void Le16(std::string& out, unsigned value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}
void Le32(std::string& out, std::uint32_t value) {
  Le16(out, value & 0xFFFF);
  Le16(out, value >> 16);
}
void Be16(std::string& out, unsigned value) {
  out += static_cast<char>((value >> 8) & 0xFF);
  out += static_cast<char>(value & 0xFF);
}
void Be32(std::string& out, std::uint32_t value) {
  Be16(out, value >> 16);
  Be16(out, value & 0xFFFF);
}
std::uint32_t ReadBe32(const std::string& in, std::size_t at) {
  if (at + 4 > in.size()) throw std::runtime_error("PNG: truncated");
  auto byte = [&](std::size_t i) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(in[at + i]));
  };
  return byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3);
}

unsigned Red(std::uint32_t argb) { return (argb >> 16) & 0xFF; }
unsigned Green(std::uint32_t argb) { return (argb >> 8) & 0xFF; }
unsigned Blue(std::uint32_t argb) { return argb & 0xFF; }
unsigned Alpha(std::uint32_t argb) { return argb >> 24; }

// Indices packed most significant bits first, each row padded to a byte.
std::string PackedRow(const IndexedPicture& picture, int y, int bits) {
  std::string row((static_cast<std::size_t>(picture.width) * bits + 7) / 8, '\0');
  for (int x = 0; x < picture.width; ++x) {
    const unsigned index = picture.indices[static_cast<std::size_t>(y) * picture.width + x];
    const std::size_t bit = static_cast<std::size_t>(x) * bits;
    row[bit / 8] = static_cast<char>(row[bit / 8] | index << (8 - bits - bit % 8));
  }
  return row;
}

// --- PNG ---------------------------------------------------------------------

std::uint32_t Crc32(const std::string& bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char byte : bytes) {
    crc ^= byte;
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  return ~crc;
}

// A zlib stream of stored (uncompressed) deflate blocks.
std::string StoredZlib(const std::string& data) {
  std::string out = "\x78\x01";
  std::size_t at = 0;
  do {
    const std::size_t length = std::min<std::size_t>(data.size() - at, 65535);
    out += static_cast<char>(at + length == data.size() ? 1 : 0);
    Le16(out, static_cast<unsigned>(length));
    Le16(out, static_cast<unsigned>(~length & 0xFFFF));
    out.append(data, at, length);
    at += length;
  } while (at < data.size());
  std::uint32_t a = 1, b = 0;
  for (unsigned char byte : data) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  Be32(out, b << 16 | a);
  return out;
}

std::string PngHeader(int width, int height, int bits, int colour_type) {
  std::string header;
  Be32(header, static_cast<std::uint32_t>(width));
  Be32(header, static_cast<std::uint32_t>(height));
  header += static_cast<char>(bits);
  header += static_cast<char>(colour_type);
  header += std::string(3, '\0');
  return std::string("\x89PNG\r\n\x1a\n", 8) + PngChunk("IHDR", header);
}

// --- inflate (for reading PNG back) --------------------------------------------

class Inflater {
 public:
  explicit Inflater(const std::string& in) : in(in) {}

  std::string Run() {
    bool last = false;
    while (!last) {
      last = Bits(1) != 0;
      const unsigned type = Bits(2);
      if (type == 0) {
        Stored();
      } else if (type == 1) {
        Fixed();
      } else if (type == 2) {
        Dynamic();
      } else {
        throw std::runtime_error("inflate: bad block type");
      }
    }
    return out;
  }

 private:
  // Canonical Huffman code: how many codes of each length, symbols by code.
  struct Code {
    int count[16] = {};
    std::vector<int> symbols;
  };

  unsigned Bits(int need) {
    while (held < need) {
      if (at >= in.size()) throw std::runtime_error("inflate: out of input");
      buffer |= static_cast<std::uint32_t>(static_cast<unsigned char>(in[at++])) << held;
      held += 8;
    }
    const unsigned value = buffer & ((1u << need) - 1);
    buffer >>= need;
    held -= need;
    return value;
  }

  static Code Build(const std::vector<int>& lengths) {
    Code code;
    for (int length : lengths) ++code.count[length];
    int offsets[16] = {};
    for (int i = 1; i < 15; ++i) offsets[i + 1] = offsets[i] + code.count[i];
    code.symbols.assign(lengths.size(), 0);
    for (std::size_t symbol = 0; symbol < lengths.size(); ++symbol) {
      if (lengths[symbol] != 0) code.symbols[offsets[lengths[symbol]]++] = static_cast<int>(symbol);
    }
    return code;
  }

  int Decode(const Code& code) {
    int value = 0, first = 0, index = 0;
    for (int length = 1; length < 16; ++length) {
      value |= static_cast<int>(Bits(1));
      const int count = code.count[length];
      if (value - first < count)
        return code.symbols[static_cast<std::size_t>(index + value - first)];
      index += count;
      first = (first + count) << 1;
      value <<= 1;
    }
    throw std::runtime_error("inflate: bad code");
  }

  void Stored() {
    buffer = 0;
    held = 0;  // to the byte boundary
    if (at + 4 > in.size()) throw std::runtime_error("inflate: out of input");
    const unsigned length =
        static_cast<unsigned char>(in[at]) | static_cast<unsigned char>(in[at + 1]) << 8;
    at += 4;
    if (at + length > in.size()) throw std::runtime_error("inflate: out of input");
    out.append(in, at, length);
    at += length;
  }

  void Fixed() {
    std::vector<int> lengths(288, 8);
    std::fill(lengths.begin() + 144, lengths.begin() + 256, 9);
    std::fill(lengths.begin() + 256, lengths.begin() + 280, 7);
    Codes(Build(lengths), Build(std::vector<int>(30, 5)));
  }

  void Dynamic() {
    const int literal_count = static_cast<int>(Bits(5)) + 257;
    const int distance_count = static_cast<int>(Bits(5)) + 1;
    const int length_count = static_cast<int>(Bits(4)) + 4;
    static const int kOrder[19] = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                   11, 4,  12, 3, 13, 2, 14, 1, 15};
    std::vector<int> length_lengths(19, 0);
    for (int i = 0; i < length_count; ++i) length_lengths[kOrder[i]] = static_cast<int>(Bits(3));
    const Code length_code = Build(length_lengths);
    std::vector<int> lengths;
    while (static_cast<int>(lengths.size()) < literal_count + distance_count) {
      const int symbol = Decode(length_code);
      if (symbol < 16) {
        lengths.push_back(symbol);
      } else {
        int repeat = 0, value = 0;
        if (symbol == 16) {
          if (lengths.empty()) throw std::runtime_error("inflate: repeat without length");
          value = lengths.back();
          repeat = 3 + static_cast<int>(Bits(2));
        } else {
          repeat = symbol == 17 ? 3 + static_cast<int>(Bits(3)) : 11 + static_cast<int>(Bits(7));
        }
        lengths.insert(lengths.end(), static_cast<std::size_t>(repeat), value);
      }
    }
    lengths.resize(static_cast<std::size_t>(literal_count + distance_count));
    Codes(Build(std::vector<int>(lengths.begin(), lengths.begin() + literal_count)),
          Build(std::vector<int>(lengths.begin() + literal_count, lengths.end())));
  }

  void Codes(const Code& literals, const Code& distances) {
    static const int kLengthBase[29] = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                        15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                        67, 83, 99, 115, 131, 163, 195, 227, 258};
    static const int kLengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                         2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
    static const int kDistanceBase[30] = {
        1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
        193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
    static const int kDistanceExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                           6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
    for (;;) {
      const int symbol = Decode(literals);
      if (symbol < 256) {
        out += static_cast<char>(symbol);
      } else if (symbol == 256) {
        return;
      } else {
        const int l = symbol - 257;
        if (l >= 29) throw std::runtime_error("inflate: bad length");
        const int length = kLengthBase[l] + static_cast<int>(Bits(kLengthExtra[l]));
        const int d = Decode(distances);
        if (d >= 30) throw std::runtime_error("inflate: bad distance");
        const std::size_t distance =
            static_cast<std::size_t>(kDistanceBase[d]) + Bits(kDistanceExtra[d]);
        if (distance > out.size()) throw std::runtime_error("inflate: distance too far");
        for (int i = 0; i < length; ++i) out += out[out.size() - distance];
      }
    }
  }

  const std::string& in;
  std::size_t at = 2;  // past the zlib header
  std::uint32_t buffer = 0;
  int held = 0;
  std::string out;
};

// --- GIF ---------------------------------------------------------------------

// LZW codes packed least significant bit first.
class CodeWriter {
 public:
  void Put(unsigned code, int width) {
    buffer |= code << held;
    held += width;
    while (held >= 8) {
      bytes += static_cast<char>(buffer & 0xFF);
      buffer >>= 8;
      held -= 8;
    }
  }
  std::string Finish() {
    if (held > 0) bytes += static_cast<char>(buffer & 0xFF);
    return bytes;
  }

 private:
  std::uint32_t buffer = 0;
  int held = 0;
  std::string bytes;
};

// --- JPEG --------------------------------------------------------------------

class BitWriter {
 public:
  void Put(unsigned value, int count) {
    for (int i = count - 1; i >= 0; --i) {
      current = static_cast<unsigned char>(current << 1 | ((value >> i) & 1));
      if (++held == 8) Flush();
    }
  }
  std::string Finish() {
    while (held != 0) Put(1, 1);  // padded with one bits
    return bytes;
  }

 private:
  void Flush() {
    bytes += static_cast<char>(current);
    if (current == 0xFF) bytes += '\0';  // stuffed, so no marker appears
    current = 0;
    held = 0;
  }
  unsigned char current = 0;
  int held = 0;
  std::string bytes;
};

void JpegSegment(std::string& out, unsigned marker, const std::string& body) {
  Be16(out, marker);
  Be16(out, static_cast<unsigned>(body.size() + 2));
  out += body;
}

}  // namespace

Picture IndexedPicture::Expanded() const {
  Picture picture{width, height, {}};
  for (std::uint8_t index : indices) picture.pixels.push_back(palette.at(index));
  return picture;
}

std::string PngChunk(const std::string& type, const std::string& data) {
  std::string chunk;
  Be32(chunk, static_cast<std::uint32_t>(data.size()));
  chunk += type + data;
  Be32(chunk, Crc32(type + data));
  return chunk;
}

std::string PngFile(const IndexedPicture& picture, int bits) {
  std::string palette, alphas, rows;
  for (std::uint32_t entry : picture.palette) {
    palette += {static_cast<char>(Red(entry)), static_cast<char>(Green(entry)),
                static_cast<char>(Blue(entry))};
    alphas += static_cast<char>(Alpha(entry));
  }
  while (!alphas.empty() && static_cast<unsigned char>(alphas.back()) == 255) alphas.pop_back();
  for (int y = 0; y < picture.height; ++y) rows += '\0' + PackedRow(picture, y, bits);
  std::string file = PngHeader(picture.width, picture.height, bits, 3) + PngChunk("PLTE", palette);
  if (!alphas.empty()) file += PngChunk("tRNS", alphas);
  return file + PngChunk("IDAT", StoredZlib(rows)) + PngChunk("IEND", "");
}

std::string PngFile(const Picture& picture, bool alpha) {
  std::string rows;
  for (int y = 0; y < picture.height; ++y) {
    rows += '\0';
    for (int x = 0; x < picture.width; ++x) {
      const std::uint32_t p = picture.At(x, y);
      rows += {static_cast<char>(Red(p)), static_cast<char>(Green(p)), static_cast<char>(Blue(p))};
      if (alpha) rows += static_cast<char>(Alpha(p));
    }
  }
  return PngHeader(picture.width, picture.height, 8, alpha ? 6 : 2) +
         PngChunk("IDAT", StoredZlib(rows)) + PngChunk("IEND", "");
}

std::string BmpFile(const IndexedPicture& picture, int bits) {
  const int entries = 1 << bits;
  const std::size_t stride = ((static_cast<std::size_t>(picture.width) * bits + 31) / 32) * 4;
  std::string table, pixels;
  for (int i = 0; i < entries; ++i) {
    const std::uint32_t entry =
        i < static_cast<int>(picture.palette.size()) ? picture.palette[i] : 0;
    table += {static_cast<char>(Blue(entry)), static_cast<char>(Green(entry)),
              static_cast<char>(Red(entry)), '\0'};
  }
  for (int y = picture.height - 1; y >= 0; --y) {
    std::string row = PackedRow(picture, y, bits);
    row.resize(stride, '\0');
    pixels += row;
  }
  const std::uint32_t offset = 14 + 40 + static_cast<std::uint32_t>(table.size());
  std::string file = "BM";
  Le32(file, offset + static_cast<std::uint32_t>(pixels.size()));
  Le32(file, 0);
  Le32(file, offset);
  Le32(file, 40);
  Le32(file, static_cast<std::uint32_t>(picture.width));
  Le32(file, static_cast<std::uint32_t>(picture.height));
  Le16(file, 1);
  Le16(file, static_cast<unsigned>(bits));
  Le32(file, 0);  // no compression
  Le32(file, static_cast<std::uint32_t>(pixels.size()));
  Le32(file, 2835);
  Le32(file, 2835);
  Le32(file, static_cast<std::uint32_t>(entries));
  Le32(file, 0);
  return file + table + pixels;
}

std::string BmpFile(const Picture& picture) {
  const std::size_t stride = ((static_cast<std::size_t>(picture.width) * 3 + 3) / 4) * 4;
  std::string pixels;
  for (int y = picture.height - 1; y >= 0; --y) {
    std::string row;
    for (int x = 0; x < picture.width; ++x) {
      const std::uint32_t p = picture.At(x, y);
      row += {static_cast<char>(Blue(p)), static_cast<char>(Green(p)), static_cast<char>(Red(p))};
    }
    row.resize(stride, '\0');
    pixels += row;
  }
  std::string file = "BM";
  Le32(file, 54 + static_cast<std::uint32_t>(pixels.size()));
  Le32(file, 0);
  Le32(file, 54);
  Le32(file, 40);
  Le32(file, static_cast<std::uint32_t>(picture.width));
  Le32(file, static_cast<std::uint32_t>(picture.height));
  Le16(file, 1);
  Le16(file, 24);
  Le32(file, 0);
  Le32(file, static_cast<std::uint32_t>(pixels.size()));
  Le32(file, 2835);
  Le32(file, 2835);
  Le32(file, 0);
  Le32(file, 0);
  return file + pixels;
}

std::string GifFile(const IndexedPicture& picture, int transparent_index) {
  int table_bits = 1;
  while ((1 << table_bits) < static_cast<int>(picture.palette.size())) ++table_bits;
  std::string file = "GIF89a";
  Le16(file, static_cast<unsigned>(picture.width));
  Le16(file, static_cast<unsigned>(picture.height));
  file +=
      static_cast<char>(0x80 | 0x70 | (table_bits - 1));  // global table, 8-bit colour resolution
  file += std::string(2, '\0');
  for (int i = 0; i < (1 << table_bits); ++i) {
    const std::uint32_t entry =
        i < static_cast<int>(picture.palette.size()) ? picture.palette[i] : 0;
    file += {static_cast<char>(Red(entry)), static_cast<char>(Green(entry)),
             static_cast<char>(Blue(entry))};
  }
  if (transparent_index >= 0) {
    file +=
        std::string("\x21\xF9\x04\x01\x00\x00", 6) + static_cast<char>(transparent_index) + '\0';
  }
  file += ',';
  Le32(file, 0);
  Le16(file, static_cast<unsigned>(picture.width));
  Le16(file, static_cast<unsigned>(picture.height));
  file += '\0';

  // Only literal codes, with a clear code before the table would outgrow
  // the first code width: valid LZW that every decoder reads.
  const int minimum = std::max(2, table_bits);
  const unsigned clear = 1u << minimum;
  const int width = minimum + 1;
  const std::size_t run = clear - 2;
  CodeWriter codes;
  for (std::size_t i = 0; i < picture.indices.size(); ++i) {
    if (i % run == 0) codes.Put(clear, width);
    codes.Put(picture.indices[i], width);
  }
  codes.Put(clear + 1, width);
  const std::string data = codes.Finish();
  file += static_cast<char>(minimum);
  for (std::size_t at = 0; at < data.size(); at += 255) {
    const std::size_t length = std::min<std::size_t>(255, data.size() - at);
    file += static_cast<char>(length);
    file.append(data, at, length);
  }
  return file + '\0' + ';';
}

namespace {

// Uncompressed little-endian TIFF of one strip; entries are (tag, type,
// count, value or offset of extra data that follows the directory).
struct TiffEntry {
  unsigned tag, type;
  std::uint32_t count;
  std::string extra;  // data too large for the entry itself
  std::uint32_t value;
};

std::string TiffOf(std::vector<TiffEntry> entries, const std::string& pixels) {
  const std::uint32_t directory_size = 2 + static_cast<std::uint32_t>(entries.size()) * 12 + 4;
  std::uint32_t extra_at = 8 + directory_size;
  std::string extras;
  for (TiffEntry& entry : entries) {
    if (!entry.extra.empty()) {
      entry.value = extra_at + static_cast<std::uint32_t>(extras.size());
      extras += entry.extra;
    }
  }
  const std::uint32_t pixels_at = extra_at + static_cast<std::uint32_t>(extras.size());
  std::string file = "II*";
  file += '\0';
  Le32(file, 8);
  Le16(file, static_cast<unsigned>(entries.size()));
  for (const TiffEntry& entry : entries) {
    Le16(file, entry.tag);
    Le16(file, entry.type);
    Le32(file, entry.count);
    Le32(file, entry.tag == 273 ? pixels_at : entry.value);  // StripOffsets
  }
  Le32(file, 0);
  return file + extras + pixels;
}

constexpr unsigned kShort = 3, kLong = 4;

}  // namespace

std::string TiffFile(const IndexedPicture& picture) {
  std::string pixels(picture.indices.begin(), picture.indices.end());
  std::string colour_map;
  for (int channel = 16; channel >= 0; channel -= 8) {
    for (int i = 0; i < 256; ++i) {
      const std::uint32_t entry =
          i < static_cast<int>(picture.palette.size()) ? picture.palette[i] : 0;
      Le16(colour_map, ((entry >> channel) & 0xFF) * 257);
    }
  }
  const auto w = static_cast<std::uint32_t>(picture.width),
             h = static_cast<std::uint32_t>(picture.height);
  return TiffOf({{256, kLong, 1, "", w},
                 {257, kLong, 1, "", h},
                 {258, kShort, 1, "", 8},
                 {259, kShort, 1, "", 1},
                 {262, kShort, 1, "", 3},
                 {273, kLong, 1, "", 0},
                 {277, kShort, 1, "", 1},
                 {278, kLong, 1, "", h},
                 {279, kLong, 1, "", static_cast<std::uint32_t>(pixels.size())},
                 {284, kShort, 1, "", 1},
                 {320, kShort, 3 * 256, colour_map, 0}},
                pixels);
}

std::string TiffFile(const Picture& picture) {
  std::string pixels, bits;
  for (std::uint32_t p : picture.pixels) {
    pixels += {static_cast<char>(Red(p)), static_cast<char>(Green(p)), static_cast<char>(Blue(p))};
  }
  for (int i = 0; i < 3; ++i) Le16(bits, 8);
  const auto w = static_cast<std::uint32_t>(picture.width),
             h = static_cast<std::uint32_t>(picture.height);
  return TiffOf({{256, kLong, 1, "", w},
                 {257, kLong, 1, "", h},
                 {258, kShort, 3, bits, 0},
                 {259, kShort, 1, "", 1},
                 {262, kShort, 1, "", 2},
                 {273, kLong, 1, "", 0},
                 {277, kShort, 1, "", 3},
                 {278, kLong, 1, "", h},
                 {279, kLong, 1, "", static_cast<std::uint32_t>(pixels.size())},
                 {284, kShort, 1, "", 1}},
                pixels);
}

std::string JpegFile(const Picture& picture) {
  const bool grey = std::all_of(picture.pixels.begin(), picture.pixels.end(), [](std::uint32_t p) {
    return Red(p) == Green(p) && Green(p) == Blue(p);
  });
  const int components = grey ? 1 : 3;
  std::string file = "\xFF\xD8";
  JpegSegment(file, 0xFFE0, std::string("JFIF\0\x01\x01\x00\x00\x01\x00\x01\x00\x00", 14));
  JpegSegment(file, 0xFFDB, std::string(1, '\0') + std::string(64, '\x01'));  // every step 1
  std::string frame = "\x08";
  Be16(frame, static_cast<unsigned>(picture.height));
  Be16(frame, static_cast<unsigned>(picture.width));
  frame += static_cast<char>(components);
  for (int c = 1; c <= components; ++c) frame += {static_cast<char>(c), '\x11', '\0'};
  JpegSegment(file, 0xFFC0, frame);
  // DC: the usual luminance table (categories 0 to 11); AC: end of block
  // alone, as code 00.
  static const unsigned char kDcCounts[16] = {0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0};
  std::string tables =
      std::string(1, '\x00') + std::string(reinterpret_cast<const char*>(kDcCounts), 16);
  for (int i = 0; i < 12; ++i) tables += static_cast<char>(i);
  tables += '\x10' + std::string("\x00\x01", 2) + std::string(14, '\0') + '\0';
  JpegSegment(file, 0xFFC4, tables);
  std::string scan(1, static_cast<char>(components));
  for (int c = 1; c <= components; ++c) scan += {static_cast<char>(c), '\0'};
  scan += std::string("\x00\x3F\x00", 3);
  JpegSegment(file, 0xFFDA, scan);

  static const unsigned kDcCode[12] = {0, 2, 3, 4, 5, 6, 14, 30, 62, 126, 254, 510};
  static const int kDcLength[12] = {2, 3, 3, 3, 3, 3, 4, 5, 6, 7, 8, 9};
  BitWriter bits;
  int previous[3] = {};
  for (int by = 0; by < (picture.height + 7) / 8; ++by) {
    for (int bx = 0; bx < (picture.width + 7) / 8; ++bx) {
      const std::uint32_t p = picture.At(bx * 8, by * 8);
      const double r = Red(p), g = Green(p), b = Blue(p);
      const double samples[3] = {0.299 * r + 0.587 * g + 0.114 * b,
                                 -0.168736 * r - 0.331264 * g + 0.5 * b + 128,
                                 0.5 * r - 0.418688 * g - 0.081312 * b + 128};
      for (int c = 0; c < components; ++c) {
        // A block of one value v has the single coefficient 8 (v - 128).
        const int dc = static_cast<int>(std::lround(8 * (samples[c] - 128)));
        const int difference = dc - previous[c];
        previous[c] = dc;
        int category = 0;
        while ((std::abs(difference) >> category) != 0) ++category;
        bits.Put(kDcCode[category], kDcLength[category]);
        if (category > 0) {
          const int stored = difference > 0 ? difference : difference + (1 << category) - 1;
          bits.Put(static_cast<unsigned>(stored), category);
        }
        bits.Put(0, 2);  // end of block
      }
    }
  }
  file += bits.Finish();
  return file + "\xFF\xD9";
}

namespace {

// A non-interlaced PNG's header fields, palette and unfiltered rows.
struct PngRows {
  int width = 0, height = 0, depth = 0, type = 0, channels = 0;
  std::string palette, alphas;  // PLTE and tRNS as stored
  std::size_t stride = 0;
  std::vector<std::vector<unsigned char>> rows;
};

PngRows ReadPngRows(const std::string& bytes) {
  if (bytes.compare(0, 8, std::string("\x89PNG\r\n\x1a\n", 8)) != 0)
    throw std::runtime_error("PNG: no signature");
  std::string header, data;
  PngRows png;
  for (std::size_t at = 8; at < bytes.size();) {
    const std::uint32_t length = ReadBe32(bytes, at);
    if (at + 12 + length > bytes.size()) throw std::runtime_error("PNG: truncated chunk");
    const std::string type = bytes.substr(at + 4, 4), body = bytes.substr(at + 8, length);
    if (Crc32(type + body) != ReadBe32(bytes, at + 8 + length))
      throw std::runtime_error("PNG: bad CRC");
    if (type == "IHDR") header = body;
    if (type == "PLTE") png.palette = body;
    if (type == "tRNS") png.alphas = body;
    if (type == "IDAT") data += body;
    if (type == "IEND") break;
    at += 12 + length;
  }
  if (header.size() != 13) throw std::runtime_error("PNG: no header");
  png.width = static_cast<int>(ReadBe32(header, 0));
  png.height = static_cast<int>(ReadBe32(header, 4));
  png.depth = static_cast<unsigned char>(header[8]);
  png.type = static_cast<unsigned char>(header[9]);
  static const int kChannels[7] = {1, 0, 3, 1, 2, 0, 4};
  if (png.type > 6 || kChannels[png.type] == 0 || header[12] != 0 ||
      (png.depth != 8 && !(png.type == 3 && png.depth < 8))) {
    throw std::runtime_error("PNG: a format these tests do not read");
  }
  png.channels = kChannels[png.type];
  png.stride = (static_cast<std::size_t>(png.width) * png.channels * png.depth + 7) / 8;
  const std::size_t step = static_cast<std::size_t>(std::max(1, png.channels * png.depth / 8));
  const std::string raw = Inflater(data).Run();
  if (raw.size() < (png.stride + 1) * png.height) throw std::runtime_error("PNG: too little data");

  std::vector<unsigned char> previous(png.stride, 0), row(png.stride);
  for (int y = 0; y < png.height; ++y) {
    const unsigned char filter = static_cast<unsigned char>(raw[(png.stride + 1) * y]);
    for (std::size_t i = 0; i < png.stride; ++i) {
      const int a = i >= step ? row[i - step] : 0, b = previous[i],
                c = i >= step ? previous[i - step] : 0;
      int predicted = 0;
      if (filter == 1) predicted = a;
      if (filter == 2) predicted = b;
      if (filter == 3) predicted = (a + b) / 2;
      if (filter == 4) {
        const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
        predicted = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
      }
      if (filter > 4) throw std::runtime_error("PNG: bad filter");
      row[i] = static_cast<unsigned char>(
          static_cast<unsigned char>(raw[(png.stride + 1) * y + 1 + i]) + predicted);
    }
    png.rows.push_back(row);
    previous = row;
  }
  return png;
}

unsigned IndexAt(const PngRows& png, int y, int x) {
  const std::size_t bit = static_cast<std::size_t>(x) * png.depth;
  return (png.rows[y][bit / 8] >> (8 - png.depth - bit % 8)) & ((1u << png.depth) - 1);
}

}  // namespace

Picture ReadPngFile(const std::string& bytes) {
  const IndexedPicture indexed = ReadIndexedPngFile(bytes, true);
  if (!indexed.palette.empty()) return indexed.Expanded();
  const PngRows png = ReadPngRows(bytes);
  Picture picture{png.width, png.height, {}};
  for (int y = 0; y < png.height; ++y) {
    for (int x = 0; x < png.width; ++x) {
      const unsigned char* s = png.rows[y].data() + static_cast<std::size_t>(x) * png.channels;
      if (png.type == 0 || png.type == 4) {
        picture.pixels.push_back((png.type == 4 ? s[1] : 255u) << 24 | s[0] * 0x010101u);
      } else {
        picture.pixels.push_back((png.type == 6 ? s[3] : 255u) << 24 | s[0] << 16 | s[1] << 8 |
                                 s[2]);
      }
    }
  }
  return picture;
}

IndexedPicture ReadIndexedPngFile(const std::string& bytes, bool any_type) {
  const PngRows png = ReadPngRows(bytes);
  IndexedPicture picture{png.width, png.height, {}, {}};
  if (png.type != 3) {
    if (any_type) return picture;
    throw std::runtime_error("PNG: not a palette PNG");
  }
  if (png.palette.size() % 3 != 0 || png.palette.empty() || png.palette.size() > 768 ||
      png.alphas.size() > png.palette.size() / 3) {
    throw std::runtime_error("PNG: bad PLTE or tRNS");
  }
  const auto* entries = reinterpret_cast<const unsigned char*>(png.palette.data());
  for (std::size_t i = 0; i < png.palette.size() / 3; ++i) {
    const unsigned alpha = i < png.alphas.size() ? static_cast<unsigned char>(png.alphas[i]) : 255;
    picture.palette.push_back(alpha << 24 | entries[i * 3] << 16 | entries[i * 3 + 1] << 8 |
                              entries[i * 3 + 2]);
  }
  for (int y = 0; y < png.height; ++y) {
    for (int x = 0; x < png.width; ++x) {
      const unsigned index = IndexAt(png, y, x);
      if (index >= picture.palette.size())
        throw std::runtime_error("PNG: index beyond the palette");
      picture.indices.push_back(static_cast<std::uint8_t>(index));
    }
  }
  return picture;
}
