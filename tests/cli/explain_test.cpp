// vomarin --explain end to end: the text, the picture (the same pixels from
// both builds) and what it does with bad input.
#include <gtest/gtest.h>

#include "common/path.h"
#include "support/files.h"
#include "support/image_files.h"
#include "support/program.h"

namespace {

const std::string kSep(1, kPathSeparator);

constexpr std::uint32_t kRed = 0xFFE01010;
constexpr std::uint32_t kBlue = 0xFF1030E0;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;

// 64 x 32: a red cell and a blue one, each with a white top-left pixel.
Picture TwoCells() {
  Picture sheet{64, 32, {}};
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 64; ++x)
      sheet.pixels.push_back(x % 32 == 0 && y == 0 ? kWhite : x < 32 ? kRed : kBlue);
  }
  return sheet;
}

// A hash of the pixels, the same wherever they were drawn.
std::uint64_t PixelHash(const Picture& picture) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const std::uint32_t pixel : picture.pixels) {
    for (int shift = 0; shift < 32; shift += 8) {
      hash ^= (pixel >> shift) & 0xFF;
      hash *= 1099511628211ull;
    }
  }
  return hash;
}

constexpr char kRules[] =
    "[Process]\n64,32=P\n"
    "[P]\nSrcDiv=2,1\nNewSize=96,32\nReplace=1,-1,0\nFileDiv=2,1\nNameFoot=_p\n"
    "[T]\nClip=2,0,8,4\nSrcDiv=4,2\nNewSize=6,4\nReplace=5,-1,2,7,0\nFileDiv=2,1\n"
    "NameFoot=_t\nSubProcess=P,地面\n"
    "[地面]\nSrcDiv=2,1\nReplace=1\nNameFoot=_地\nIndividual=Half\nKeepPalette=1\n"
    "[Half]\nClip=0,0,16,0\n"
    "[Broken]\nSrcDiv=0,1\n"
    "[Lost]\nIndividual=Nowhere\n"
    "[Wide]\nNewSize=1048576,128\n"
    "[Many]\nSrcDiv=1000,100\nReplace=99999,5\n"
    "[Long]\nSrcDiv=8,8\nReplace=0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,"
    "25,26,27,28,29,30,31,32,-1,64\n";

class ExplainTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteRuleFile(folder / "setting.ini", kRules);
    WriteFile(folder / "cells.png", PngFile(TwoCells(), true));
  }

  ProgramResult Vomarin(const std::vector<std::string>& arguments) {
    return RunProgram(ProgramOfTheBuild(VOMARIN_PROGRAM), arguments, folder.Path());
  }

  TempFolder folder;
};

TEST_F(ExplainTest, TellsTheGridTheCanvasThePiecesAndTheRulesItRuns) {
  // The size from the size table; the pieces named after the rule.
  ProgramResult run = Vomarin({"--explain", "P"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "規則[P]: 画像 64 x 32（[Process]の64,32）\n"
            "元画像: 2列 x 1行のセル（32 x 32）に分けます\n"
            "キャンバス: 96 x 32、3列 x 1行の位置（32 x 32）に置くセルの番号（-は空白）:\n"
            "  1 - 0\n"
            "出力ファイル（2枚）:\n"
            "  [V]P_p00.png  キャンバスの0,0 から 48 x 32\n"
            "  [V]P_p01.png  キャンバスの48,0 から 48 x 32\n");
  EXPECT_EQ(run.err, "");

  // --size, with a clip, a slot past the end of Replace and
  // follow-on rules.
  run = Vomarin({"--explain", "T", "--size", "11,5"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "規則[T]: 画像 11 x 5（--sizeの指定）\n"
            "元画像: Clip（2,0 から 8 x 4）を4列 x 2行のセル（2 x 2）に分けます\n"
            "キャンバス: 6 x 4、3列 x 2行の位置（2 x 2）に置くセルの番号（-は空白）:\n"
            "  5 - 2\n"
            "  7 0 -\n"
            "出力ファイル（2枚）:\n"
            "  [V]T_t00.png  キャンバスの0,0 から 3 x 4\n"
            "  [V]T_t01.png  キャンバスの3,0 から 3 x 4\n"
            "続けて同じ画像に適用する規則（SubProcess）: [P]、[地面]\n");

  // The sheet's size and name; an Individual rule sets the slots' size;
  // Japanese names in the build's encoding.
  WriteFile(folder / "地図.png", PngFile(TwoCells(), true));
  run = Vomarin({"--explain", "地面", "地図.png"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "規則[地面]: 画像 64 x 32（地図.pngの大きさ）\n"
            "元画像: 2列 x 1行のセル（32 x 32）に分けます\n"
            "キャンバス: 64 x 32、4列 x 1行の位置（16 x 32）に置くセルの番号（-は空白）:\n"
            "  1 - - -\n"
            "出力ファイル（1枚）:\n"
            "  [V]地図_地.png  キャンバスの0,0 から 64 x 32\n"
            "セルごとに先に適用する規則（Individual）: [Half]。セルは16 x 32になります\n"
            "KeepPalette=1: パレット画像は、パレットを保ったまま8ビットのPNGで保存します\n");

  // No size anywhere: the numbers only. A rule of a hundred thousand cells
  // is shown in part, and says so.
  run = Vomarin({"--explain", "Many"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("画像の大きさが分からないため"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("元画像: 1000列 x 100行のセル\n"
                         "置くセルの番号（キャンバスの左上の位置から行ごと、-は空白）:\n"
                         "  99999     5\n"),
            std::string::npos)
      << run.out;
  // 32 items to a line; the last line ends with the items, an item beyond
  // the grid is a blank.
  run = Vomarin({"--explain", "Long"});
  EXPECT_NE(run.out.find(" 30 31\n  32  -  -\n出力ファイル（1枚）:\n"), std::string::npos)
      << run.out;
  run = Vomarin({"--explain", "Many", "--size", "1000,100", "-o", "many.png"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("  （全1000列 x 100行のうち、左上の32列 x 64行だけを示しました）\n"),
            std::string::npos);
  EXPECT_NE(run.out.find("絵: 16ピクセルより小さいセルと、番号が収まらないセルには、"
                         "番号を描いていません\n"),
            std::string::npos);
  EXPECT_LT(run.out.size(), 20000u);
  const Picture many = ReadPngFile(ReadFile(folder / "many.png"));
  EXPECT_EQ(many.width, 2016);
  EXPECT_EQ(many.height, 100);
}

TEST_F(ExplainTest, ThePictureIsTheSameFromBothBuilds) {
  const ProgramResult run = Vomarin({"--explain", "P", "-o", "picture.png", "cells.png"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.find("絵:"), std::string::npos) << run.out;  // every number drawn
  EXPECT_FALSE(FolderExists(folder / "cells"));                  // no conversion output
  const Picture picture = ReadPngFile(ReadFile(folder / "picture.png"));
  // The source, a gap of 16 and the canvas, side by side.
  ASSERT_EQ(picture.width, 64 + 16 + 96);
  ASSERT_EQ(picture.height, 32);
  // The sheet's own pixels (the number boxes sit in the cells' middle) ...
  EXPECT_EQ(picture.At(0, 0), kWhite);
  EXPECT_EQ(picture.At(33, 30), kBlue);
  // ... and the canvas as the conversion composes it: cell 1, a blank, cell 0.
  EXPECT_EQ(picture.At(80 + 2, 2), kBlue);
  EXPECT_EQ(picture.At(80 + 4, 29), kBlue);
  EXPECT_EQ(picture.At(80 + 64 + 4, 29), kRed);
  // Pixels drawn by the program itself: hashed once and held to in both.
  EXPECT_EQ(PixelHash(picture), 10647909549249524853ull);
}

TEST_F(ExplainTest, BadInputGivesAMessageAndAStatus) {
  WriteFile(folder / "text.png", "not an image");
  const struct {
    std::vector<std::string> arguments;
    int status;
    std::string message;
  } cases[] = {
      {{"--explain", "P", "missing.png"},
       1,
       "vomarin: 画像ファイルが見つかりません: missing.png（ファイルがありません）\n"},
      {{"--explain", "P", "text.png"},
       1,
       "vomarin: " + (folder / "text.png") + ": 無効なファイル\n"},
      {{"--explain", "Broken"}, 1, "vomarin: 規則[Broken]を使えません: 不正なSrcDiv\n"},
      {{"--explain", "Nowhere"},
       1,
       "vomarin: 規則[Nowhere]を使えません: 規則[Nowhere]がsetting.iniにありません\n"},
      {{"--explain", "Lost", "--size", "4,4"},
       1,
       "vomarin: 規則[Nowhere]を使えません: 規則[Nowhere]がsetting.iniにありません\n"},
      {{"--explain", "P", "--size", "0,32"},
       2,
       "vomarin: --sizeの値「0,32」は「横,縦」の1以上の整数ではありません\n"},
      {{"--explain", "T", "-o", "t.png"},
       1,
       "vomarin: 画像の大きさが分からないため、絵を描けません\n"},
      // A canvas at the image limit: the picture beside it would be beyond.
      {{"--explain", "Wide", "--size", "64,32", "-o", "wide.png"},
       1,
       "vomarin: 絵（1048656 x 128）が画像の大きさの上限（1048576 x 1048576、134217728ピクセル）"
       "を超えるため、描けません\n"},
      {{"--explain", "P", "-o", "no" + kSep + "where.png", "cells.png"},
       1,
       "vomarin: 絵を保存できませんでした: no" + kSep + "where.png（フォルダがありません）\n"},
      // Cells of one pixel: text and a picture without numbers.
      {{"--explain", "Many", "--size", "1000,100"}, 0, ""},
  };
  for (const auto& bad : cases) {
    SCOPED_TRACE(bad.arguments[1] + " " + bad.message);
    const ProgramResult run = Vomarin(bad.arguments);
    EXPECT_EQ(run.status, bad.status);
    EXPECT_EQ(run.err.substr(0, run.err.find("詳しくは")), bad.message);
  }
  EXPECT_EQ(ListFolder(folder.Path()),
            (std::vector<std::string>{"cells.png", "setting.ini", "text.png"}));
}

}  // namespace
