// Straight into Tiled, end to end through vomarin: a tileset beside every
// piece (--tileset), and maps drawn with a sheet remapped to its pieces
// (--remap) in every payload format, byte for byte, in both builds.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "common/path.h"
#include "convert/autotile_masks.h"
#include "support/files.h"
#include "support/image_files.h"
#include "support/program.h"
#include "tiled/base64.h"
#include "tiled/compression.h"

namespace {

const std::string kSep(1, kPathSeparator);

// 64 x 32: eight tiles of 16 x 16 in four columns, every pixel its own colour.
Picture Sheet(int width = 64, int height = 32) {
  Picture sheet{width, height, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      sheet.pixels.push_back(0xFF000000u | static_cast<std::uint32_t>(x * 4) << 16 |
                             static_cast<std::uint32_t>(y * 8) << 8 |
                             static_cast<std::uint32_t>(x / 16 + y / 16 * 4) * 30);
    }
  }
  return sheet;
}

// R reverses the tiles onto two pieces of 2 x 2 tiles: old tile i lands in
// slot 7 - i, piece (7 - i) / 4, tile (7 - i) % 4. Drop leaves tile 3 out;
// Quarter reverses cells of a quarter tile, so no tile lands whole.
constexpr char kRules[] =
    "[R]\nSrcDiv=4,2\nNewSize=32,64\nReplace=7,6,5,4,3,2,1,0\nFileDiv=1,2\nNameFoot=_r\n"
    "[Drop]\nSrcDiv=4,2\nNewSize=32,64\nReplace=7,6,5,4,-1,2,1,0\nFileDiv=1,2\nNameFoot=_d\n"
    "[Quarter]\nSrcDiv=8,4\nReplace=31,30,29,28,27,26,25,24,23,22,21,20,19,18,17,16,15,14,13,12,"
    "11,10,9,8,7,6,5,4,3,2,1,0\nNameFoot=_q\n"
    "[Big]\nSrcDiv=4,2\nReplace=0,1,2,3,4,5,6,7\nFileDiv=2,1\nNameFoot=_b\nTileSize=32,32\n"
    "[Odd]\nSrcDiv=4,2\nReplace=0\nNameFoot=_o\nTileSize=24,24\n";

// The new gid of an old gid of the sheet's tileset (firstgid 1), its flags
// kept; the first piece takes the old entry's firstgid, the second follows
// the tileset "other" (firstgid 9, two tiles) at 11.
std::uint32_t Remapped(std::uint32_t gid) {
  const std::uint32_t flags = gid & 0xF0000000u;
  const std::uint32_t plain = gid & 0x0FFFFFFFu;
  if (plain < 1 || plain > 8) return gid;
  const std::uint32_t slot = 7 - (plain - 1);
  return flags | (slot < 4 ? 1 + slot : 11 + (slot - 4));
}

// The cells of the test maps: every flip and rotation bit, the other
// tileset and empty cells.
const std::vector<std::uint32_t> kCells = {1, 0x80000002u, 0x40000003u, 0x30000004u,
                                           5, 6, 9, 0};
const std::vector<std::uint32_t> kTileCells = {7, 8, 0xA0000001u, 10, 0, 0, 0, 2};

std::string Csv(const std::vector<std::uint32_t>& gids) {
  std::string text;
  for (std::size_t i = 0; i < gids.size(); ++i) {
    text += std::to_string(gids[i]) + (i + 1 == gids.size() ? "" : i % 4 == 3 ? ",\n" : ",");
  }
  return text;
}

std::string Base64(const std::vector<std::uint32_t>& gids, Compression compression) {
  std::string bytes;
  for (const std::uint32_t gid : gids) {
    for (int b = 0; b < 4; ++b) bytes += static_cast<char>(gid >> (8 * b));
  }
  std::string compressed;
  EXPECT_TRUE(Compress(compression, bytes, -1, compressed));
  return EncodeBase64(compressed);
}

std::vector<std::uint32_t> Mapped(std::vector<std::uint32_t> gids) {
  for (std::uint32_t& gid : gids) gid = Remapped(gid);
  return gids;
}

std::string TileElements(const std::vector<std::uint32_t>& gids) {
  std::string text;
  for (const std::uint32_t gid : gids) {
    text += gid == 0 ? "   <tile/>\n" : "   <tile gid=\"" + std::to_string(gid) + "\"/>\n";
  }
  return text;
}

// A map of the sheet's tileset (in the map, with a property and an
// animation) beside another, with layers in every format but zstd.
std::string FiniteMap(const std::function<std::vector<std::uint32_t>(std::vector<std::uint32_t>)>& cells,
                      const std::string& sheetEntry, const std::string& added) {
  const std::vector<std::uint32_t> c = cells(kCells);
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<map version=\"1.8\" tiledversion=\"1.8.2\" orientation=\"orthogonal\" "
         "renderorder=\"right-down\" width=\"4\" height=\"2\" tilewidth=\"16\" tileheight=\"16\" "
         "infinite=\"0\" nextlayerid=\"7\" nextobjectid=\"4\">\n"
         " <!-- drawn before the conversion -->\n " +
         sheetEntry + "\n <tileset firstgid=\"9\" name=\"other\" tilewidth=\"16\" tileheight=\"16\" "
         "tilecount=\"2\" columns=\"2\">\n  <image source=\"other.png\" width=\"32\" "
         "height=\"16\"/>\n </tileset>" + added + "\n"
         " <layer id=\"1\" name=\"csv\" width=\"4\" height=\"2\">\n  <data encoding=\"csv\">\n" +
         Csv(c) + "\n</data>\n </layer>\n"
         " <layer id=\"2\" name=\"plain\" width=\"4\" height=\"2\">\n  <data encoding=\"base64\">\n   " +
         Base64(c, Compression::kNone) + "\n  </data>\n </layer>\n"
         " <group id=\"3\" name=\"packed\">\n"
         "  <layer id=\"4\" name=\"zlib\" width=\"4\" height=\"2\">\n"
         "   <data encoding=\"base64\" compression=\"zlib\">\n   " + Base64(c, Compression::kZlib) +
         "\n   </data>\n  </layer>\n"
         "  <layer id=\"5\" name=\"gzip\" width=\"4\" height=\"2\">\n"
         "   <data encoding=\"base64\" compression=\"gzip\">\n   " + Base64(c, Compression::kGzip) +
         "\n   </data>\n  </layer>\n </group>\n"
         " <layer id=\"6\" name=\"tiles\" width=\"4\" height=\"2\">\n  <data>\n" +
         TileElements(cells(kTileCells)) + "  </data>\n </layer>\n"
         " <objectgroup id=\"7\" name=\"things\">\n"
         "  <object id=\"1\" gid=\"" + std::to_string(cells({0x80000006u})[0]) +
         "\" x=\"0\" y=\"16\" width=\"16\" height=\"16\"/>\n"
         "  <object id=\"2\" gid=\"" + std::to_string(cells({9})[0]) +
         "\" x=\"16\" y=\"16\" width=\"16\" height=\"16\"/>\n"
         "  <object id=\"3\" name=\"start\" x=\"1\" y=\"2\"/>\n"
         " </objectgroup>\n</map>\n";
}

const std::string kSheetTileset =
    "<tileset firstgid=\"1\" name=\"sheet\" tilewidth=\"16\" tileheight=\"16\" tilecount=\"8\" "
    "columns=\"4\">\n  <image source=\"sheet.png\" width=\"64\" height=\"32\"/>\n"
    "  <tile id=\"1\">\n   <properties>\n    <property name=\"p\" value=\"v\"/>\n"
    "   </properties>\n  </tile>\n  <tile id=\"5\">\n   <animation>\n"
    "    <frame tileid=\"5\" duration=\"100\"/>\n    <frame tileid=\"4\" duration=\"100\"/>\n"
    "   </animation>\n  </tile>\n </tileset>";

std::vector<std::uint32_t> Same(std::vector<std::uint32_t> gids) { return gids; }

class TiledTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteRuleFile(folder / "setting.ini", kRules);
    WriteFile(folder / "sheet.png", PngFile(Sheet(), true));
    WriteFile(folder / "other.png", PngFile(Sheet(32, 16), true));
  }

  ProgramResult Vomarin(const std::vector<std::string>& arguments) {
    return RunProgram(ProgramOfTheBuild(VOMARIN_PROGRAM), arguments, folder.Path());
  }

  // Converts the sheet with rule, its index table beside the pieces.
  void Convert(const std::string& rule) {
    const ProgramResult run = Vomarin({"--rule", rule, "--index-table", "sheet.png"});
    ASSERT_EQ(run.status, 0) << run.err;
  }

  std::string Table(const std::string& foot) { return "sheet" + kSep + "[V]sheet" + foot + ".csv"; }

  TempFolder folder;
};

TEST_F(TiledTest, EveryPieceGetsATilesetOfItsTileSizeOrALineSayingWhyNot) {
  ProgramResult run = Vomarin({"--rule", "Big", "--tileset", "sheet.png"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find(">sheet" + kSep + "[V]sheet_b00.png\n>sheet" + kSep +
                         "[V]sheet_b00.tsx\n>sheet" + kSep + "[V]sheet_b01.png\n>sheet" + kSep +
                         "[V]sheet_b01.tsx\n"),
            std::string::npos)
      << run.out;
  EXPECT_EQ(ReadFile(folder / ("sheet" + kSep + "[V]sheet_b01.tsx")),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<tileset version=\"1.8\" tiledversion=\"1.8.2\" name=\"[V]sheet_b01\" "
            "tilewidth=\"32\" tileheight=\"32\" tilecount=\"1\" columns=\"1\">\n"
            " <image source=\"[V]sheet_b01.png\" width=\"32\" height=\"32\"/>\n"
            "</tileset>\n");

  run = Vomarin({"--rule", "Odd", "--tileset", "sheet.png"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find(">[V]sheet_o.png: 大きさ（64 x 32）がタイル（24 x 24）の整数倍でないため、"
                         "タイルセットを書きません\n"),
            std::string::npos)
      << run.out;
  EXPECT_FALSE(FileExists(folder / ("sheet" + kSep + "[V]sheet_o.tsx")));
}

TEST_F(TiledTest, AnAutotileRulesTilesetHasTheWangIdsOfItsVariants) {
  WriteFile(folder / "block.png", PngFile(Sheet(32, 48), true));
  for (const auto& [layout, type] : {std::pair{AutotileLayout::kBlob47, "mixed"},
                                     std::pair{AutotileLayout::kWang16, "edge"}}) {
    SCOPED_TRACE(type);
    const std::string name = AutotileLayoutName(layout);
    ProgramResult run = Vomarin({"--autotile", "block2x3", name, "--tile", "16", "--append"});
    ASSERT_EQ(run.status, 0) << run.err;
    run = Vomarin({"--rule", "Autotile_block2x3_" + name + "_16", "--tileset", "block.png"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string tileset = ReadFile(folder / ("block" + kSep + "[V]block_" + name + ".tsx"));
    EXPECT_NE(tileset.find("<wangset name=\"Autotile_block2x3_" + name + "_16\" type=\"" + type +
                           "\" tile=\"-1\">"),
              std::string::npos)
        << tileset;
    // Every variant tile, in the order of Tiled's wangid (top, then
    // clockwise), 1 where its mask has that neighbour; the blank tile none.
    const AutotileTable& table = AutotileTableOf(layout);
    std::string expected;
    for (int id = 0; id < table.columns * table.rows; ++id) {
      const int mask = table.MaskAt(id % table.columns, id / table.columns);
      if (mask == AutotileTable::kNoVariant) continue;
      std::string wangId;
      for (int side = 0; side < 8; ++side) wangId += (side ? "," : "") + std::to_string(mask >> side & 1);
      expected += "   <wangtile tileid=\"" + std::to_string(id) + "\" wangid=\"" + wangId + "\"/>\n";
    }
    const std::size_t first = tileset.find("   <wangtile");
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(tileset.substr(first, tileset.find("  </wangset>") - first), expected);
  }
}

TEST_F(TiledTest, AMapIsRemappedInEveryFormatAndItsTileDataMovesWithItsTiles) {
  Convert("R");
  const std::string original = FiniteMap(Same, kSheetTileset, "");
  WriteFile(folder / "map.tmx", original);

  // A dry run counts per layer and writes nothing.
  ProgramResult run = Vomarin({"--remap", "map.tmx", Table("_r"), "--dry-run"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "csv: 6マス、オブジェクト0個が変わります\n"
            "plain: 6マス、オブジェクト0個が変わります\n"
            "zlib: 6マス、オブジェクト0個が変わります\n"
            "gzip: 6マス、オブジェクト0個が変わります\n"
            "tiles: 4マス、オブジェクト0個が変わります\n"
            "things: 0マス、オブジェクト1個が変わります\n");
  EXPECT_EQ(ListFolder(folder.Path()),
            (std::vector<std::string>{"map.tmx", "other.png", "setting.ini", "sheet", "sheet.png"}));

  run = Vomarin({"--remap", "map.tmx", Table("_r")});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadFile(folder / "map.tmx.bak"), original);
  EXPECT_EQ(ReadFile(folder / "map.tmx"),
            FiniteMap(Mapped, "<tileset firstgid=\"1\" source=\"sheet/[V]sheet_r00.tsx\"/>",
                      "\n <tileset firstgid=\"11\" source=\"sheet/[V]sheet_r01.tsx\"/>"));
  const std::string head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<tileset version=\"1.8\" "
                           "tiledversion=\"1.8.2\" name=\"[V]sheet_r0";
  EXPECT_EQ(ReadFile(folder / ("sheet" + kSep + "[V]sheet_r00.tsx")),
            head + "0\" tilewidth=\"16\" tileheight=\"16\" tilecount=\"4\" columns=\"2\">\n"
                   " <image source=\"[V]sheet_r00.png\" width=\"32\" height=\"32\"/>\n"
                   " <tile id=\"2\">\n  <animation>\n   <frame tileid=\"2\" duration=\"100\"/>\n"
                   "   <frame tileid=\"3\" duration=\"100\"/>\n  </animation>\n </tile>\n"
                   "</tileset>\n");
  EXPECT_EQ(ReadFile(folder / ("sheet" + kSep + "[V]sheet_r01.tsx")),
            head + "1\" tilewidth=\"16\" tileheight=\"16\" tilecount=\"4\" columns=\"2\">\n"
                   " <image source=\"[V]sheet_r01.png\" width=\"32\" height=\"32\"/>\n"
                   " <tile id=\"2\">\n  <properties>\n   <property name=\"p\" value=\"v\"/>\n"
                   "  </properties>\n </tile>\n</tileset>\n");

  // Once remapped, the map has no tileset of the sheet left.
  run = Vomarin({"--remap", "map.tmx", Table("_r")});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("の画像のタイルセットがありません"), std::string::npos) << run.err;
}

TEST_F(TiledTest, ChunksOfAnInfiniteMapAndZstdPayloads) {
  Convert("R");
  const auto map = [](const std::vector<std::uint32_t>& cells, const std::string& entry,
                      const std::string& zstd) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<map version=\"1.8\" "
           "orientation=\"orthogonal\" width=\"4\" height=\"2\" tilewidth=\"16\" "
           "tileheight=\"16\" infinite=\"1\">\n " + entry + "\n"
           " <layer id=\"1\" name=\"chunks\" width=\"4\" height=\"2\">\n  <data encoding=\"csv\">\n"
           "   <chunk x=\"-16\" y=\"0\" width=\"2\" height=\"2\">\n" +
           Csv({cells[0], cells[1], cells[4], cells[5]}) + "\n</chunk>\n"
           "   <chunk x=\"0\" y=\"0\" width=\"2\" height=\"2\">\n" +
           Csv({cells[2], cells[3], cells[6], cells[7]}) + "\n</chunk>\n  </data>\n </layer>\n" +
           zstd + "</map>\n";
  };
  const std::string entry =
      "<tileset firstgid=\"1\" name=\"sheet\" tilewidth=\"16\" tileheight=\"16\" tilecount=\"8\" "
      "columns=\"4\">\n  <image source=\"sheet.png\" width=\"64\" height=\"32\"/>\n </tileset>";
  const std::vector<std::uint32_t> cells = {1, 2, 3, 4, 5, 6, 7, 8};
  WriteFile(folder / "infinite.tmx", map(cells, entry, ""));
  ProgramResult run = Vomarin({"--remap", "infinite.tmx", Table("_r")});
  ASSERT_EQ(run.status, 0) << run.err;
  // Without another tileset, the second piece follows the largest gid in use.
  std::vector<std::uint32_t> expected;
  for (const std::uint32_t gid : cells) {
    const std::uint32_t slot = 7 - (gid - 1);
    expected.push_back(slot < 4 ? 1 + slot : 9 + (slot - 4));
  }
  EXPECT_EQ(ReadFile(folder / "infinite.tmx"),
            map(expected, "<tileset firstgid=\"1\" source=\"sheet/[V]sheet_r00.tsx\"/>\n <tileset "
                          "firstgid=\"9\" source=\"sheet/[V]sheet_r01.tsx\"/>",
                ""));

  // Made by the zstd program, not by ours.
  const std::string zstdLayer = " <layer id=\"2\" name=\"zstd\" width=\"4\" height=\"2\">\n"
                                "  <data encoding=\"base64\" compression=\"zstd\">\n"
                                "   <chunk x=\"0\" y=\"0\" width=\"4\" height=\"2\">"
                                "KLUv/QRYAQEAAQAAAAIAAAADAAAABAAAAAUAAAAGAAAABwAAAAgAAABlFlKj"
                                "</chunk>\n  </data>\n </layer>\n";
  WriteFile(folder / "zstd.tmx", map(cells, entry, zstdLayer));
  run = Vomarin({"--remap", "zstd.tmx", Table("_r")});
#ifdef _WIN32
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("レイヤー「zstd」: zstd で圧縮されたデータはこの版では読めません"),
            std::string::npos)
      << run.err;
  EXPECT_FALSE(FileExists(folder / "zstd.tmx.bak"));
#else
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(ReadFile(folder / "zstd.tmx")
                .find("height=\"2\">" + Base64(expected, Compression::kZstd) + "</chunk>"),
            std::string::npos);
#endif
}

TEST_F(TiledTest, NothingIsWrittenWhereATileDidNotLandWholeOrTheInputIsWrong) {
  Convert("Drop");
  Convert("Quarter");
  Convert("R");
  const std::string map = FiniteMap(Same, kSheetTileset, "");
  WriteFile(folder / "map.tmx", map);
  WriteFile(folder / "map.tmj", "{\"type\": \"map\"}");
  WriteFile(folder / "tileset.tmx", "<tileset name=\"x\"/>");
  WriteFile(folder / "short.tmx",
            "<map width=\"4\" height=\"2\">" + kSheetTileset +
                "<layer name=\"short\" width=\"4\" height=\"2\"><data encoding=\"csv\">1,2,3"
                "</data></layer></map>");
  WriteFile(folder / "broken.tmx", "<map><layer></map>");
  struct Refused {
    const char* name;
    std::vector<std::string> arguments;
    int status;
    std::vector<std::string> said;
  };
  const Refused cases[] = {
      {"a dropped tile", {"--remap", "map.tmx", Table("_d")}, 1,
       {"vomarin: タイル3（csv 3,0 plain 3,0 zlib 3,0 gzip 3,0）: 変換で置かれていません\n"}},
      {"quarters", {"--remap", "map.tmx", Table("_q")}, 1,
       {"vomarin: タイル0（csv 0,0 plain 0,0 zlib 0,0 gzip 0,0 tiles 2,0）: ばらばらに置かれたか",
        "vomarin: タイル5（csv 1,1 plain 1,1 zlib 1,1 gzip 1,1 オブジェクト1）: "}},
      {"a JSON map", {"--remap", "map.tmj", Table("_r")}, 1,
       {"JSON のマップは書き換えられません。Tiled で .tmx として保存してください"}},
      {"not a map", {"--remap", "tileset.tmx", Table("_r")}, 1, {"Tiled のマップではありません"}},
      {"too few cells", {"--remap", "short.tmx", Table("_r")}, 1,
       {"レイヤー「short」: データが 4 x 2 のマスの数でありません（3個）"}},
      {"not XML", {"--remap", "broken.tmx", Table("_r")}, 1, {"XML として正しくありません"}},
      {"no table", {"--remap", "map.tmx"}, 2, {"--remap にはマップと対応表"}},
      {"not a table", {"--remap", "map.tmx", "setting.ini"}, 1, {"対応表（--index-table で書いたもの）ではありません"}},
      {"no such tileset", {"--remap", "map.tmx", Table("_r"), "--tileset", "nothing"}, 1,
       {"タイルセット「nothing」がありません"}},
  };
  for (const Refused& c : cases) {
    SCOPED_TRACE(c.name);
    const ProgramResult run = Vomarin(c.arguments);
    EXPECT_EQ(run.status, c.status) << run.err;
    for (const std::string& said : c.said) EXPECT_NE(run.err.find(said), std::string::npos) << run.err;
    EXPECT_EQ(ReadFile(folder / "map.tmx"), map);
    EXPECT_FALSE(FileExists(folder / "map.tmx.bak"));
    EXPECT_FALSE(FileExists(folder / ("sheet" + kSep + "[V]sheet_r00.tsx")));
  }

  // A sheet grown since its conversion: the tables are of another image.
  WriteFile(folder / "sheet.png", PngFile(Sheet(32, 32), true));
  const ProgramResult run = Vomarin({"--remap", "map.tmx", Table("_r")});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("と大きさの違う画像のものです"), std::string::npos) << run.err;
}

}  // namespace

#ifndef _WIN32
// Judged by Tiled itself: its tmxrasterizer draws each map before and after
// the remap, and the two pictures must be the same, pixel for pixel.
namespace {

constexpr char kRasterizer[] = "/usr/bin/tmxrasterizer";
constexpr char kExamples[] = "/usr/share/doc/tiled/examples";

bool CanRender() { return FileExists(kRasterizer); }

Picture Rendered(const std::string& folder, const std::string& map, const std::string& png) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  const ProgramResult run = RunProgram(kRasterizer, {map, png}, folder);
  EXPECT_EQ(run.status, 0) << map << ": " << run.err;
  return ReadPngFile(ReadFile(folder + kSep + png));
}

void ExpectSamePicture(const Picture& before, const Picture& after) {
  ASSERT_EQ(before.width, after.width);
  ASSERT_EQ(before.height, after.height);
  std::size_t differing = 0;
  for (std::size_t i = 0; i < before.pixels.size(); ++i) differing += before.pixels[i] != after.pixels[i];
  EXPECT_EQ(differing, 0u) << "of " << before.pixels.size() << " pixels";
}

std::string Reversed(int count) {
  std::string list;
  for (int i = count - 1; i >= 0; --i) list += std::to_string(i) + (i > 0 ? "," : "");
  return list;
}

TEST_F(TiledTest, TiledDrawsGeneratedMapsAndTheTilesetsOfPiecesAlike) {
  if (!CanRender()) GTEST_SKIP() << "needs tmxrasterizer (Debian's tiled, installed by scripts/setup)";
  Convert("R");
  WriteFile(folder / "map.tmx", FiniteMap(Same, kSheetTileset, ""));
  const Picture before = Rendered(folder.Path(), "map.tmx", "before.png");
  ASSERT_EQ(Vomarin({"--remap", "map.tmx", Table("_r")}).status, 0);
  ExpectSamePicture(before, Rendered(folder.Path(), "map.tmx", "after.png"));

  // A piece's own tileset, as --tileset writes it, draws the piece.
  ASSERT_EQ(Vomarin({"--rule", "Big", "--tileset", "sheet.png"}).status, 0);
  WriteFile(folder / "piece.tmx",
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<map version=\"1.8\" "
            "orientation=\"orthogonal\" renderorder=\"right-down\" width=\"1\" height=\"1\" "
            "tilewidth=\"32\" tileheight=\"32\" infinite=\"0\">\n <tileset firstgid=\"1\" "
            "source=\"sheet/[V]sheet_b01.tsx\"/>\n <layer id=\"1\" name=\"l\" width=\"1\" "
            "height=\"1\">\n  <data encoding=\"csv\">1</data>\n </layer>\n</map>\n");
  ExpectSamePicture(ReadPngFile(ReadFile(folder / ("sheet" + kSep + "[V]sheet_b01.png"))),
                    Rendered(folder.Path(), "piece.tmx", "piece.png"));
}

// An example map of Tiled's, the files it needs and a rule that moves the
// tiles of its tileset's image around.
struct Example {
  const char* name;
  std::vector<std::string> files;  // relative to the examples, "/" separated
  std::string map;
  std::string image;
  std::string rule;  // the section's keys
};

TEST(TiledExamples, TiledDrawsEachExampleMapAlikeBeforeAndAfterItsTilesMoved) {
  if (!CanRender()) GTEST_SKIP() << "needs tmxrasterizer (Debian's tiled, installed by scripts/setup)";
  if (!FolderExists(kExamples)) GTEST_SKIP() << "needs Tiled's examples in " << kExamples;
  const Example examples[] = {
      {"margin and spacing, Wang sets, an external tileset",
       {"desert.tmx", "desert.tsx", "tmw_desert_spacing.png"}, "desert.tmx",
       "tmw_desert_spacing.png",
       "Clip=1,1,264,198\nSrcDiv=8,6\nReplace=" + Reversed(48) + "\nFileDiv=2,1\n"},
      {"zlib layers, flipped tile objects", {"orthogonal-outside.tmx.gz", "buch-outdoor.png"},
       "orthogonal-outside.tmx", "buch-outdoor.png",
       "SrcDiv=24,12\nReplace=" + Reversed(288) + "\nFileDiv=2,1\n"},
      {"an infinite map in chunks",
       {"isometric_staggered_grass_and_water.tmx.gz", "isometric_grass_and_water.png"},
       "isometric_staggered_grass_and_water.tmx", "isometric_grass_and_water.png",
       "SrcDiv=4,6\nReplace=" + Reversed(24) + "\nFileDiv=1,2\n"},
      {"CSV with all four flag bits",
       {"test_hexagonal_tile_60x60x30.tmx", "test_hexagonal_tile_60x60x30.png"},
       "test_hexagonal_tile_60x60x30.tmx", "test_hexagonal_tile_60x60x30.png",
       "NewSize=120,60\nReplace=-1,0\n"},
      {"animations", {"rpg/island.tmx", "rpg/beach_tileset.tsx", "rpg/beach_tileset.png"},
       "rpg/island.tmx", "rpg/beach_tileset.png", "SrcDiv=36,26\nReplace=" + Reversed(936) + "\n"},
      {"two tilesets, a document type, a colour key",
       {"sewer_automap/sewers.tmx", "sewer_automap/rules_sewers.png", "sewer_tileset.png"},
       "sewer_automap/sewers.tmx", "sewer_tileset.png",
       "Clip=0,0,192,216\nSrcDiv=8,9\nReplace=" + Reversed(72) + "\nFileDiv=1,3\n"},
      {"a tileset without image size, an offset",
       {"perspective_walls.tmx", "perspective_walls.tsx", "perspective_walls.png"},
       "perspective_walls.tmx", "perspective_walls.png",
       "SrcDiv=4,4\nReplace=" + Reversed(16) + "\nFileDiv=1,2\n"},
      {"hexagonal, a remainder beside the tiles", {"hexagonal-mini.tmx", "hexmini.png"},
       "hexagonal-mini.tmx", "hexmini.png",
       "Clip=0,0,90,72\nSrcDiv=5,4\nReplace=" + Reversed(20) + "\n"},
  };
  for (const Example& example : examples) {
    SCOPED_TRACE(example.name);
    TempFolder folder;
    for (const std::string& file : example.files) {
      const std::string local = folder.Path() + kSep + file;
      if (file.find('/') != std::string::npos) MakeFolder(FolderPart(local));
      WriteFile(local, ReadFile(std::string(kExamples) + "/" + file));
      if (file.size() > 3 && file.compare(file.size() - 3, 3, ".gz") == 0) {
        ASSERT_EQ(RunProgram("/bin/gzip", {"-d", file}, folder.Path()).status, 0);
      }
    }
    WriteRuleFile(folder / "setting.ini", "[Moved]\n" + example.rule + "NameFoot=_m\n");
    const Picture before = Rendered(folder.Path(), example.map, "before.png");
    ProgramResult run = RunProgram(ProgramOfTheBuild(VOMARIN_PROGRAM),
                                   {"--rule", "Moved", "--no-transparency", "--index-table",
                                    example.image},
                                   folder.Path());
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string base = BaseName(example.image);
    const std::string imageFolder = example.image.substr(0, example.image.rfind('/') + 1);
    run = RunProgram(ProgramOfTheBuild(VOMARIN_PROGRAM),
                     {"--remap", example.map, imageFolder + base + "/[V]" + base + "_m.csv"},
                     folder.Path());
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    ExpectSamePicture(before, Rendered(folder.Path(), example.map, "after.png"));
  }
}

}  // namespace
#endif
