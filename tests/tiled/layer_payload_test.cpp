// Layer payloads in every format a map stores them in: read, rewritten, and
// refused where they do not hold the layer's cells.
#include <gtest/gtest.h>

#include "tiled/base64.h"
#include "tiled/layer_payload.h"

namespace {

const std::vector<std::uint32_t> kGids = {0, 1, 0x80000002u, 0xF0000003u, 70000, 4294967295u};

struct Format {
  const char* name;
  PayloadFormat format;
};

std::vector<Format> Formats() {
  return {{"csv", {false, Compression::kNone, -1}},
          {"base64", {true, Compression::kNone, -1}},
          {"zlib", {true, Compression::kZlib, -1}},
          {"gzip", {true, Compression::kGzip, 9}},
          {"zstd", {true, Compression::kZstd, -1}}};
}

TEST(LayerPayload, EveryFormatReadsBackWhatWasWritten) {
  for (const Format& f : Formats()) {
    // The text of a layer of zeros, as a map holds it.
    const std::string before = f.format.base64 ? "\n   AAAA\n  " : "\n0,0,0,\n0,0,0\n  ";
    std::string written;
    const bool writable = WritePayload(before, f.format, kGids, written);
#ifdef _WIN32
    if (f.format.compression == Compression::kZstd) {
      EXPECT_FALSE(writable);
      std::vector<std::uint32_t> gids;
      EXPECT_EQ(ReadPayload("KLUv/SAEIQAAAAAA", f.format, 1, gids), PayloadRead::kNotReadable);
      continue;
    }
#endif
    ASSERT_TRUE(writable) << f.name;
    std::vector<std::uint32_t> gids;
    EXPECT_EQ(ReadPayload(written, f.format, kGids.size(), gids), PayloadRead::kRead) << f.name;
    EXPECT_EQ(gids, kGids) << f.name;
    if (f.format.base64) {
      EXPECT_EQ(written.substr(0, 4), "\n   ") << f.name << ": the blanks around it stay";
      EXPECT_EQ(written.substr(written.size() - 3), "\n  ") << f.name;
    }
  }
}

TEST(LayerPayload, ALargeLayerDeflatedInPartsIsOneStreamOfItsKind) {
  // 3 MiB of cells: deflated in three parts, read back through zlib, whose
  // check value covers the whole.
  std::vector<std::uint32_t> gids(3 << 18);
  for (std::size_t i = 0; i < gids.size(); ++i) gids[i] = static_cast<std::uint32_t>(i * 7 % 1000);
  for (const Compression compression : {Compression::kZlib, Compression::kGzip}) {
    const PayloadFormat format{true, compression, -1};
    std::string written;
    ASSERT_TRUE(WritePayload("AAAA", format, gids, written));
    std::vector<std::uint32_t> read;
    EXPECT_EQ(ReadPayload(written, format, gids.size(), read), PayloadRead::kRead);
    EXPECT_TRUE(read == gids);
  }
}

TEST(LayerPayload, CsvKeepsEveryByteButTheNumbersThatChange) {
  const std::string text = "\n1,2,\r\n 3 ,04,\n0\n";
  std::vector<std::uint32_t> gids;
  ASSERT_EQ(ReadPayload(text, {}, 5, gids), PayloadRead::kRead);
  EXPECT_EQ(gids, (std::vector<std::uint32_t>{1, 2, 3, 4, 0}));
  std::string written;
  ASSERT_TRUE(WritePayload(text, {}, {1, 20, 3, 4, 0x80000000u}, written));
  EXPECT_EQ(written, "\n1,20,\r\n 3 ,04,\n2147483648\n");
}

TEST(LayerPayload, RefusesPayloadsThatDoNotHoldTheCells) {
  struct Refused {
    const char* name;
    std::string text;
    PayloadFormat format;
    std::size_t count;
    PayloadRead read;
  };
  const Refused cases[] = {
      {"csv, one short", "1,2", {}, 3, PayloadRead::kWrongCount},
      {"csv, one more", "1,2,3,4", {}, 3, PayloadRead::kWrongCount},
      {"csv, not a number", "1,x,3", {}, 3, PayloadRead::kUndecodable},
      {"csv, empty field", "1,,3", {}, 3, PayloadRead::kUndecodable},
      {"csv, beyond 32 bits", "4294967296", {}, 1, PayloadRead::kUndecodable},
      {"base64, bad character", "AAAA*AAA", {true, Compression::kNone, -1}, 2,
       PayloadRead::kUndecodable},
      {"base64, wrong size", "AAAAAAAA", {true, Compression::kNone, -1}, 3,
       PayloadRead::kWrongCount},
      {"zlib, not zlib", "AAAAAAAA", {true, Compression::kZlib, -1}, 1, PayloadRead::kUndecodable},
      {"gzip, not gzip", "AAAAAAAA", {true, Compression::kGzip, -1}, 1, PayloadRead::kUndecodable},
  };
  for (const Refused& c : cases) {
    std::vector<std::uint32_t> gids;
    EXPECT_EQ(ReadPayload(c.text, c.format, c.count, gids), c.read) << c.name;
  }
  // A stream that unpacks to more than the layer holds stops at one byte past.
  std::string big;
  ASSERT_TRUE(WritePayload("", {true, Compression::kZlib, -1},
                           std::vector<std::uint32_t>(100000, 7), big));
  std::vector<std::uint32_t> gids;
  EXPECT_EQ(ReadPayload(big, {true, Compression::kZlib, -1}, 10, gids),
            PayloadRead::kUndecodable);
}

TEST(Base64, DecodesWhatItEncodesAndRefusesMisplacedPadding) {
  for (const std::string bytes : {"", "a", "ab", "abc", "abcd", "\xff\x00\x80"}) {
    std::string decoded;
    ASSERT_TRUE(DecodeBase64(EncodeBase64(bytes), decoded));
    EXPECT_EQ(decoded, bytes);
  }
  std::string decoded;
  EXPECT_TRUE(DecodeBase64(" YW\nJj ", decoded));
  EXPECT_EQ(decoded, "abc");
  for (const char* bad : {"Y", "Y===", "YW=J", "=YWJ", "YWJj="}) {
    EXPECT_FALSE(DecodeBase64(bad, decoded)) << bad;
  }
}

}  // namespace
