// vomarin --autotile end to end: the rules it generates convert a block of
// quarter-tiles, each of its own colour, into the layouts as game makers'
// tools define them (written out here by hand), and back.
#include <gtest/gtest.h>

#include "common/path.h"
#include "support/files.h"
#include "support/image_files.h"
#include "support/picture_assertions.h"
#include "support/program.h"

namespace {

const std::string kSep(1, kPathSeparator);

constexpr int kTile = 8;
constexpr int kQuarter = kTile / 2;

// The neighbour bits of a variant's mask.
enum : int { N = 1, NE = 2, E = 4, SE = 8, S = 16, SW = 32, W = 64, NW = 128 };

// The 3 x 3 minimal template of 47 tiles, row by row; -1 the blank tile.
// clang-format off
const int kBlob47[4][12] = {
    {16, 20, 84, 80, 213,  92, 116,  87, 28, 125, 124, 112},
    {17, 21, 85, 81,  29, 127, 253, 113, 31, 119,  -1, 245},
    { 1,  5, 69, 65,  23, 223, 247, 209, 95, 255, 221, 241},
    { 0,  4, 68, 64, 117,  71, 197,  93,  7, 199, 215, 193},
};
// clang-format on

struct Quarter {
  int qx, qy;
};

// Where a block of 2 x 3 tiles draws each kind of quarter, for the corners
// top left, top right, bottom left, bottom right.
// clang-format off
const Quarter kOuter[4]      = {{0, 2}, {3, 2}, {0, 5}, {3, 5}};
const Quarter kHorizontal[4] = {{2, 2}, {1, 2}, {2, 5}, {1, 5}};
const Quarter kVertical[4]   = {{0, 4}, {3, 4}, {0, 3}, {3, 3}};
const Quarter kInner[4]      = {{2, 0}, {3, 0}, {2, 1}, {3, 1}};
const Quarter kInterior[4]   = {{2, 4}, {1, 4}, {2, 3}, {1, 3}};
// clang-format on

// The block's quarter that the variant of mask shows at corner (0 to 3):
// by the side beside it across (h), the side above or below (v) and the
// corner between (d).
Quarter QuarterFor(int mask, int corner) {
  const int h = mask & (corner % 2 == 0 ? W : E);
  const int v = mask & (corner < 2 ? N : S);
  const int d = mask & (corner == 0 ? NW : corner == 1 ? NE : corner == 2 ? SW : SE);
  if (h && v) return d ? kInterior[corner] : kInner[corner];
  if (v) return kVertical[corner];
  if (h) return kHorizontal[corner];
  return kOuter[corner];
}

// Each quarter of block number block a colour of its own.
std::uint32_t QuarterColour(int block, int qx, int qy) {
  return 0xFF000000u | static_cast<std::uint32_t>(block * 100 + qx * 30 + 10) << 16 |
         static_cast<std::uint32_t>(qy * 40 + 10) << 8 | 0x55u;
}

// columns blocks side by side, each 2 x 3 tiles of four quarters.
Picture Blocks(int columns) {
  Picture sheet{columns * 2 * kTile, 3 * kTile, {}};
  for (int y = 0; y < sheet.height; ++y) {
    for (int x = 0; x < sheet.width; ++x) {
      const int block = x / (2 * kTile);
      sheet.pixels.push_back(QuarterColour(block, x % (2 * kTile) / kQuarter, y / kQuarter));
    }
  }
  return sheet;
}

// Whether every pixel of the quarter at quarter column qx, row qy of
// picture is colour; says which is not.
::testing::AssertionResult QuarterIs(const Picture& picture, int qx, int qy, std::uint32_t colour) {
  return Filled(picture, qx * kQuarter, qy * kQuarter, kQuarter, kQuarter, colour);
}

class AutotileTest : public ::testing::Test {
 protected:
  void SetUp() override { WriteFile(folder / "setting.ini", "; autotile rules\r\n"); }

  ProgramResult Vomarin(const std::vector<std::string>& arguments) {
    return RunProgram(ProgramOfTheBuild(VOMARIN_PROGRAM), arguments, folder.Path());
  }

  // Appends the rule of arguments to the rule file and converts sheet
  // with it (by its name, or the rule's); the piece written, read back.
  Picture Convert(const std::vector<std::string>& autotile, const std::string& rule,
                  const Picture& sheet, const std::string& sheetName, const std::string& piece) {
    std::vector<std::string> arguments = {"--autotile"};
    arguments.insert(arguments.end(), autotile.begin(), autotile.end());
    arguments.push_back("--append");
    ProgramResult run = Vomarin(arguments);
    EXPECT_EQ(run.status, 0) << run.err;
    WriteFile(folder / (sheetName + ".png"), PngFile(sheet, true));
    run = Vomarin({"--rule", rule, sheetName + ".png"});
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    return ReadPngFile(ReadFile(folder / (sheetName + kSep + "[V]" + sheetName + piece + ".png")));
  }

  TempFolder folder;
};

// Every tile of picture, columns x rows, is the variant mask(column, row)
// of block number block: each quarter the block's of its corner and kind;
// a tile of mask -1 is blank.
template <typename Mask>
void ExpectVariants(const Picture& picture, int columns, int rows, Mask mask, int block) {
  ASSERT_EQ(picture.width, columns * kTile);
  ASSERT_EQ(picture.height, rows * kTile);
  for (int row = 0; row < rows; ++row) {
    for (int column = 0; column < columns; ++column) {
      for (int corner = 0; corner < 4; ++corner) {
        const int shown = mask(column, row);
        const Quarter from = shown < 0 ? Quarter{} : QuarterFor(shown, corner);
        EXPECT_TRUE(QuarterIs(picture, column * 2 + corner % 2, row * 2 + corner / 2,
                              shown < 0 ? 0 : QuarterColour(block, from.qx, from.qy)))
            << "block " << block << " tile " << column << "," << row << " corner " << corner;
      }
    }
  }
}

int Blob47Mask(int column, int row) { return kBlob47[row][column]; }

// Tile (e % 4, e / 4) has the sides e: N 1, E 2, S 4, W 8.
int Wang16Mask(int column, int row) {
  const int e = row * 4 + column;
  return (e & 1 ? N : 0) | (e & 2 ? E : 0) | (e & 4 ? S : 0) | (e & 8 ? W : 0);
}

TEST_F(AutotileTest, TheBlockBecomesEveryVariantAndComesBack) {
  const std::string tile = std::to_string(kTile);
  const Picture blob = Convert({"block2x3", "blob47", "--tile", tile}, "Autotile_block2x3_blob47_8",
                               Blocks(1), "block", "_blob47");
  ExpectVariants(blob, 12, 4, Blob47Mask, 0);
  ExpectVariants(Convert({"block2x3", "wang16", "--tile", tile}, "Autotile_block2x3_wang16_8",
                         Blocks(1), "block", "_wang16"),
                 4, 4, Wang16Mask, 0);

  // Back: every quarter of the block, the preview but the variant of mask 0.
  const Picture block = Convert({"blob47", "block2x3", "--tile", tile},
                                "Autotile_blob47_block2x3_8", blob, "blob", "_block2x3");
  ASSERT_EQ(block.width, 2 * kTile);
  ASSERT_EQ(block.height, 3 * kTile);
  for (int qy = 0; qy < 6; ++qy) {
    for (int qx = 0; qx < 4; ++qx) {
      const Quarter from = qx < 2 && qy < 2 ? QuarterFor(0, qy * 2 + qx) : Quarter{qx, qy};
      EXPECT_TRUE(QuarterIs(block, qx, qy, QuarterColour(0, from.qx, from.qy))) << qx << "," << qy;
    }
  }

  // The inverse of the rule puts every quarter a variant uses back; no
  // variant takes the preview's quarters: they stay blank.
  ProgramResult run =
      Vomarin({"--invert", "Autotile_block2x3_blob47_8", "--size",
               std::to_string(2 * kTile) + "," + std::to_string(3 * kTile), "--append"});
  ASSERT_EQ(run.status, 0) << run.err;
  run = Vomarin({"--rule", "Autotile_block2x3_blob47_8_inverse", "blob.png"});
  ASSERT_EQ(run.status, 0) << run.err;
  const Picture back = ReadPngFile(ReadFile(folder / ("blob" + kSep + "[V]blob_inverse.png")));
  ASSERT_EQ(back.width, 2 * kTile);
  ASSERT_EQ(back.height, 3 * kTile);
  for (int qy = 0; qy < 6; ++qy) {
    for (int qx = 0; qx < 4; ++qx) {
      const bool preview = qx < 2 && qy < 2;
      EXPECT_TRUE(QuarterIs(back, qx, qy, preview ? 0 : QuarterColour(0, qx, qy)))
          << qx << "," << qy;
    }
  }
}

TEST_F(AutotileTest, ASheetOfBlocksGivesOnePiecePerBlock) {
  const Picture first = Convert(
      {"block2x3", "blob47", "--tile", std::to_string(kTile), "--blocks", "2,1", "--name", "水辺"},
      "水辺", Blocks(2), "sheet", "_blob4700");
  ExpectVariants(first, 12, 4, Blob47Mask, 0);
  ExpectVariants(ReadPngFile(ReadFile(folder / ("sheet" + kSep + "[V]sheet_blob4701.png"))), 12, 4,
                 Blob47Mask, 1);
  EXPECT_FALSE(FileExists(folder / ("sheet" + kSep + "[V]sheet_blob4702.png")));
}

TEST_F(AutotileTest, BothBuildsPrintTheSameBytes) {
  const ProgramResult run = Vomarin({"--autotile", "block2x3", "wang16", "--tile", "16", "--utf8"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out,
            "\r\n"
            "; 自動タイルの規則: block2x3の画像（32 x 48、タイル16 x 16）をwang16の並び（64 x "
            "64）に並べ替えます\r\n"
            "; 作り方: vomarin --autotile block2x3 wang16 --tile 16\r\n"
            "[Autotile_block2x3_wang16_16]\r\n"
            "Clip=0,0,32,48\r\n"
            "SrcDiv=4,6\r\n"
            "NewSize=64,64\r\n"
            "Replace=8,11,16,19,8,9,16,3,20,23,20,23,20,21,20,21,8,11,16,19,8,9,16,3,12,15,12,"
            "15,12,7,12,7,10,11,2,19,10,9,2,3,22,23,22,23,22,21,22,21,10,11,2,19,10,9,2,3,6,15,6,"
            "15,6,7,6,7\r\n"
            "NameFoot=_wang16\r\n"
            "TileSize=16,16\r\n"
            "Terrain=wang16\r\n");
}

TEST_F(AutotileTest, GeneratedRulesAreCheckedExplainedAndNotAppendedTwice) {
  for (const std::vector<std::string>& rule :
       {std::vector<std::string>{"block2x3", "blob47", "--tile", "32"},
        std::vector<std::string>{"block2x3", "blob47", "--tile", "48", "--blocks", "8,4"},
        std::vector<std::string>{"blob47", "block2x3", "--tile", "16"}}) {
    std::vector<std::string> arguments = {"--autotile"};
    arguments.insert(arguments.end(), rule.begin(), rule.end());
    arguments.push_back("--append");
    const ProgramResult run = Vomarin(arguments);
    EXPECT_EQ(run.status, 0) << run.err;
    // A name the file has is refused, and the file stays as it was.
    const std::string before = ReadFile(folder / "setting.ini");
    const ProgramResult again = Vomarin(arguments);
    EXPECT_EQ(again.status, 2);
    EXPECT_NE(again.err.find("規則ファイルに同じ名前のセクションがあります"), std::string::npos)
        << again.err;
    EXPECT_EQ(ReadFile(folder / "setting.ini"), before);
  }
  EXPECT_NE(ReadFile(folder / "setting.ini").find("[Autotile_block2x3_blob47_48_8x4_block]"),
            std::string::npos);
  WriteFile(folder / "setting.ini",
            "[Process]\r\n64,96=Autotile_block2x3_blob47_32\r\n"
            "768,576=Autotile_block2x3_blob47_48_8x4\r\n"
            "192,64=Autotile_blob47_block2x3_16\r\n" +
                ReadFile(folder / "setting.ini"));
  const ProgramResult check = Vomarin({"--check"});
  EXPECT_EQ(check.status, 0) << check.out;

  const ProgramResult explain =
      Vomarin({"--explain", "Autotile_block2x3_blob47_48_8x4", "-o", "picture.png"});
  EXPECT_EQ(explain.status, 0) << explain.err;
  EXPECT_NE(explain.out.find("出力ファイル（32枚）"), std::string::npos) << explain.out;
  EXPECT_TRUE(FileExists(folder / "picture.png"));
}

TEST_F(AutotileTest, MistakesAreUsageErrorsThatSayWhatThereIs) {
  const std::string pairs = "（作れるのはblock2x3 → blob47、block2x3 → wang16、blob47 → block2x3）";
  const struct {
    std::vector<std::string> arguments;
    std::string message;
  } cases[] = {
      {{"--autotile", "block", "blob47", "--tile", "32"},
       "並び「block」はありません（あるのはblock2x3、blob47、wang16）"},
      {{"--autotile", "block2x3", "blob47", "--tile", "33"},
       "タイルの大きさ「33」は2以上の偶数ではありません"},
      {{"--autotile", "block2x3", "blob47", "--tile", "0"},
       "タイルの大きさ「0」は2以上の偶数ではありません"},
      {{"--autotile", "block2x3", "blob47", "--tile", "-2"},
       "タイルの大きさ「-2」は2以上の偶数ではありません"},
      {{"--autotile", "blob47", "blob47", "--tile", "32"},
       "blob47からblob47への規則はありません" + pairs},
      {{"--autotile", "wang16", "blob47", "--tile", "32"},
       "wang16からblob47への規則はありません" + pairs},
      {{"--autotile", "block2x3", "blob47"}, "--autotileには--tile（タイルの大きさ）が必要です"},
      {{"--autotile", "block2x3"}, "--autotileには元の並びと先の並びが必要です"},
      {{"--tile", "32"}, "--tileと--blocksは--autotileと一緒に使います"},
      {{"--autotile", "block2x3", "blob47", "--tile", "32", "--blocks", "0,2"},
       "ブロックの数「0,2」は「列,行」の1以上の整数ではありません"},
      {{"--autotile", "block2x3", "blob47", "--tile", "32", "sheet.png"},
       "--autotileには画像ファイルを指定できません"},
      {{"--autotile", "block2x3", "blob47", "--tile", "32", "--invert", "X"},
       "--autotileは--check、--explain、--invertと一緒に使えません"},
      {{"--autotile", "block2x3", "blob47", "--tile", "32", "--name", "process"},
       "セクション名「process」: 大きさの表と「何もしない」の名前は規則の名前に使えません"},
      {{"--autotile", "block2x3", "blob47", "--tile", "32", "--blocks", "2,2", "--name", "a]"},
       "セクション名「a]」: 「]」を含む名前は使えません"},
      {{"--autotile", "block2x3", "blob47", "--tile", "2", "--blocks", "3000,3000"},
       "自動タイルの規則の画像（72000 x 24000）が扱える大きさを超えます"},
      {{"--autotile", "block2x3", "blob47", "--tile", "2", "--blocks", "100,100"},
       "自動タイルの規則が規則ファイルの1つのセクションに収まる大きさ（32767バイト）を超えます"},
  };
  const std::string rules = ReadFile(folder / "setting.ini");
  for (const auto& c : cases) {
    std::vector<std::string> arguments = {"--append"};
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    const ProgramResult run = Vomarin(arguments);
    EXPECT_EQ(run.status, 2) << c.message;
    EXPECT_EQ(run.out, "") << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(ReadFile(folder / "setting.ini"), rules) << c.message;
  }
}

}  // namespace
