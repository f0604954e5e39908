// vomarin --check end to end: the built program on rule files with planted
// mistakes, and on the example rule file, as a user runs it.
#include <gtest/gtest.h>

#include <chrono>

#include "support/files.h"
#include "support/program.h"

namespace {

// A section of the rule file and what the check must say about it: one
// line per fragment, each line holding its fragment; none for a clean one.
struct Planted {
  std::string name;
  std::string body;
  std::vector<std::string> findings;
};

class CheckTest : public ::testing::Test {
 protected:
  ProgramResult Check(const std::string& ruleFile) {
    return RunProgram(ProgramOfTheBuild(VOMARIN_PROGRAM), {"--check", "--setting", ruleFile},
                      folder.Path(), std::string(), std::chrono::seconds(60));
  }

  TempFolder folder;
};

TEST_F(CheckTest, EveryPlantedMistakeIsFoundUnderItsOwnSection) {
  const std::vector<Planted> sections = {
      {"Process",
       "32,32=Clean/Twice\n"
       "0,5=Clean\n"
       "032,32=Clean\n"
       "2000000,1=Clean\n"
       "48,48=Clean//Nowhere\n"
       "16,16=clean\n"
       "40,40=何もしない\n"
       "96,32=ClipOut\n"
       "100,64=余りのある滝/Strip\n"
       "64,64=Beyond/Uneven/Pieces/Fine/Outer\n"
       "96,64=Blob/BlobPieces/WangSlots\n",
       {"0,5=Clean: キー0,5は「default」でも「幅,高さ」",
        "032,32=Clean: キー032,32は0で始まる数を含む",
        "2000000,1=Clean: キー2000000,1の大きさの画像は開けない",
        "48,48=Clean//Nowhere: 候補に空の名前", "48,48=Clean//Nowhere: 規則[Nowhere]がありません",
        "16,16=clean: 規則[clean]がありません（[Clean]のことですか）"}},
      {"Clean", "SrcDiv=2,2\nReplace=3,2,1,0\n", {}},
      {"Twice",
       "Specific=a\nSrcDiv=1,1\nReplace=0\nSrcDiv=2,2\n",
       {"キーSrcDivが2回書かれています。使われるのは最後の「SrcDiv=2,2」"}},
      {"Typo",
       "Replce=0\nsrcdiv=2,2\n",
       {"Replce=0: キーReplceはどこからも読まれません（Replaceのことですか）",
        "srcdiv=2,2: キーsrcdivはどこからも読まれません（SrcDivのことですか）"}},
      {"NoEquals",
       "SrcDiv=2,2\nReplace 0,1\nNameFoot=_x\n",
       {"「Replace 0,1」は「キー=値」の形ではないため、この行と後の1行は読まれません"}},
      {"Broken", "SrcDiv=a,1\n", {"規則として使えません: SrcDivの値「a」は数値ではありません"}},
      {"ZeroDiv", "SrcDiv=0,1\n", {"規則として使えません: 不正なSrcDiv（SrcDiv=0,1）"}},
      {"Cells",
       "SrcDiv=2,2\nReplace=0,4,-1,-2,3\n",
       {"Replace=0,4,-1,-2,3: 4, -2はSrcDiv=2,2のセルの番号（0〜3、空白は-1）ではない"}},
      {"Lonely",
       "Individual=Ghost\nSubProcess=Lost,,Leaf\n",
       {"Individual=Ghost: 規則[Ghost]がありません",
        "SubProcess=Lost,,Leaf: 規則[Lost]がありません",
        "SubProcess=Lost,,Leaf: 規則の名前が空の項目があります"}},
      {"Leaf", "NameFoot=_leaf\n", {}},
      {"LEAF",
       "NameFoot=_other\n",
       {"同じ名前のセクション[Leaf]"
        "が前にあるため、このセクションは読まれません（セクション名の大文字"
        "と小文字は区別されません）"}},
      {"CircleA", "SubProcess=CircleB\n", {}},
      {"CircleB",
       "Replace=0\nIndividual=CircleA\n",
       {"Individual=CircleA: 規則の呼び出しが元の規則に戻るため、変換は途中で中止されます: "
        "CircleA → CircleB → CircleA"}},
      {"ForceAlone",
       "Force=x\n",
       {"Force=x: この規則は[Process]で2つ以上の候補の1つになっていないため、Forceは読まれません"}},
      {"Palette",
       "KeepPalette=2\n",
       {"規則として使えません: KeepPaletteの値「2」は0か1にして下さい"}},
      {"KeptPalette", "KeepPalette=1\n", {}},
      {"Tiles", "TileSize=16,0\n", {"規則として使えません: TileSizeの値は1以上にして下さい"}},
      {"TileTypos",
       "Tilesize=16,16\nterrain=blob47\n",
       {"Tilesize=16,16: キーTilesizeはどこからも読まれません（TileSizeのことですか）",
        "terrain=blob47: キーterrainはどこからも読まれません（Terrainのことですか）"}},
      {"Grass",
       "Terrain=grass\n",
       {"規則として使えません: Terrainの値「grass」はblob47、wang16のどれかにして下さい"}},
      // For the sizes the size table sends.
      {"ClipOut",
       "Clip=0,0,64,64\nReplace=0\n",
       {"Clip=0,0,64,64: 96 x 32の画像（[Process] 96,32 → ClipOut）では、切り出す範囲が画像からは"
        "み出すため、何も切り出されません"}},
      {"余りのある滝",
       "SrcDiv=3,2\nNewSize=66,64\nReplace=0,1,2,3\n",
       {"SrcDiv=3,2: 100 x 64の画像（[Process] 100,64 → 余りのある滝）では、切り出した100 x "
        "64が3列2行で割り切れないため、右の1ピクセルがどのセルにも入りません"}},
      // Without NewSize the canvas is the clip: its strip is named once.
      {"Strip",
       "SrcDiv=3,2\nReplace=0,1\n",
       {"SrcDiv=3,2: 100 x 64の画像（[Process] 100,64 → Strip）では、切り出した100 x "
        "64が3列2行で割り切れないため、右の1ピクセルがどのセルにも入りません"}},
      {"Beyond",
       "Specific=b\nSrcDiv=4,4\nNewSize=32,16\nReplace=0,1,-1,2,3\n",
       {"Replace=0,1,-1,2,3: 64 x 64の画像（[Process] 64,64 → Beyond）では、キャンバス（32 x "
        "16）に置けるセル（16 x "
        "16）は2個（2列1行）だけのため、3番目から後のセル2個は置かれません"}},
      {"Uneven",
       "Specific=u\nSrcDiv=4,4\nNewSize=40,16\nReplace=0,1\n",
       {"NewSize=40,16: 64 x 64の画像（[Process] 64,64 → Uneven）では、キャンバス（40 x "
        "16）がセル（16 x 16）の整数倍ではないため、右の8ピクセルにはセルが置かれません"}},
      {"Pieces",
       "Specific=p\nReplace=0\nFileDiv=3,2\n",
       {"FileDiv=3,2: 64 x 64の画像（[Process] 64,64 → Pieces）では、キャンバス（64 x "
        "64）が3列2行で割り切れないため、右の1ピクセルはどのファイルにも入りません"}},
      {"Fine",
       "Specific=f\nReplace=0\nFileDiv=100,1\n",
       {"FileDiv=100,1: 64 x 64の画像（[Process] 64,64 → Fine）では、キャンバス（64 x "
        "64）より細かいため保存できません"}},
      // A Terrain rule's canvas, or each piece, holds the layout's tiles.
      {"Blob",
       "SrcDiv=2,2\nReplace=0,1,2,3\nTileSize=16,16\nTerrain=blob47\n",
       {"Terrain=blob47: 96 x 64の画像（[Process] 96,64 → Blob）では、キャンバス（96 x "
        "64）にblob47の12列4行のタイル（16 x 16）が収まりません"}},
      {"BlobPieces",
       "NewSize=384,64\nReplace=0\nFileDiv=4,1\nTileSize=16,16\nTerrain=blob47\n",
       {"Terrain=blob47: 96 x 64の画像（[Process] 96,64 → BlobPieces）では、出力ファイル1枚（96 x "
        "64）にblob47の12列4行のタイル（16 x 16）が収まりません"}},
      // Without TileSize the tiles are the slots: 24 x 16.
      {"WangSlots", "SrcDiv=4,4\nReplace=0\nTerrain=wang16\n", {}},
      // Each cell of 32 x 32 goes to a rule whose Clip is larger.
      {"Outer", "Specific=o\nSrcDiv=2,2\nReplace=0,1,2,3\nIndividual=Inner\nSubProcess=Leaf\n", {}},
      {"Inner",
       "Clip=0,0,40,40\nReplace=0\n",
       {"Clip=0,0,40,40: 32 x 32の画像（[Process] 64,64 → Outer → Inner）では、切り出す範囲が"}},
  };
  std::string rules = "; planted mistakes\n";
  for (const Planted& section : sections) rules += "[" + section.name + "]\n" + section.body;
  WriteRuleFile(folder / "planted.ini", rules);

  const ProgramResult run = Check("planted.ini");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "");

  // Each line under a section of the file, the sections in file order.
  std::vector<std::vector<std::string>> found(sections.size());
  std::size_t section = 0;
  for (const std::string& line : Lines(run.out)) {
    const auto under = [&](std::size_t i) {
      return line.rfind("[" + sections[i].name + "] ", 0) == 0;
    };
    while (section < sections.size() && !under(section)) ++section;
    ASSERT_LT(section, sections.size()) << "out of order or under no section: " << line;
    found[section].push_back(line);
  }
  for (std::size_t i = 0; i < sections.size(); ++i) {
    const Planted& planted = sections[i];
    EXPECT_EQ(found[i].size(), planted.findings.size()) << planted.name << ":\n" << run.out;
    for (const std::string& fragment : planted.findings) {
      bool seen = false;
      for (const std::string& line : found[i])
        seen = seen || line.find(fragment) != std::string::npos;
      EXPECT_TRUE(seen) << planted.name << ": " << fragment << "\n" << run.out;
    }
  }
}

TEST_F(CheckTest, HostileRuleFilesAreCheckedToTheEnd) {
  // A chain of four thousand rules, each running the next.
  std::string chain = "[Process]\n16,16=R0\n";
  for (int i = 0; i < 4000; ++i)
    chain += "[R" + std::to_string(i) + "]\nSubProcess=R" + std::to_string(i + 1) + "\n";
  // A circle of three thousand rules, each naming the next in its cells.
  std::string circle;
  for (int i = 0; i < 3000; ++i)
    circle += "[C" + std::to_string(i) + "]\nReplace=0\nIndividual=C" +
              std::to_string((i + 1) % 3000) + "\n";
  // Two hundred sizes that each reach three hundred rules.
  std::string fan = "[Process]\n";
  for (int i = 1; i <= 200; ++i) fan += std::to_string(i) + ",8=Fan\n";
  fan += "[Fan]\nSubProcess=F0";
  for (int i = 1; i < 300; ++i) fan += ",F" + std::to_string(i);
  fan += "\n";
  for (int i = 0; i < 300; ++i) fan += "[F" + std::to_string(i) + "]\n";
  // Section names beyond the reader's list, and a line beyond its section.
  std::string names;
  for (int i = 0; i < 5000; ++i) names += "[Padding" + std::to_string(10000 + i) + "]\n";
  std::string replace = "[Process]\n4,4=Long\n[Long]\nSrcDiv=2,2\nReplace=";
  for (int i = 0; i < 20000; ++i) replace += "0,";
  const std::string zero(1, '\0');

  const struct {
    std::string name, text, finding;
  } cases[] = {
      {"chain.ini", chain, "[R16] SubProcess=R17: 規則の呼び出しが16段を超えるため"},
      {"circle.ini", circle,
       "[C2999] Individual=C0: 規則の呼び出しが元の規則に戻るため、変換は途中で中止されます: "
       "C0 → C1 → C2 → C3 → C4 → C5 → … → C2995 → C2996 → C2997 → C2998 → C2999 → C0"},
      {"fan.ini", fan, "[Process] 規則と画像の大きさの組み合わせが多すぎるため"},
      {"names.ini", names, "セクション名の一覧が読み取れる長さ（32768バイト）を超えている"},
      {"line.ini", replace + "3\nNameFoot=_beyond\n",
       "[Long] セクションが読み取れる長さ（32767バイト）を超えている"},
      {"not-text.ini",
       "[Process]\ndefault=\xFF\xFE\x80\n[\xFF\xFE\x80]\nSrc\x81"
       "Div=1" +
           zero + "2\n",
       // Not UTF-8, so Shift-JIS: "\x81" and "D" are one character.
       "キーSrc．ivはどこからも読まれません"},
  };
  for (const auto& c : cases) {
    WriteFile(folder / c.name, c.text);
    const ProgramResult run = Check(c.name);
    EXPECT_FALSE(run.timedOut) << c.name;
    EXPECT_EQ(run.status, 1) << c.name;
    EXPECT_NE(run.out.find(c.finding), std::string::npos) << c.name << "\n"
                                                          << run.out.substr(0, 2000);
  }
}

TEST_F(CheckTest, ImageFilesOrAMissingRuleFileAreStatusTwo) {
  WriteRuleFile(folder / "setting.ini", "[Process]\ndefault=何もしない\n");
  const struct {
    std::vector<std::string> arguments;
    std::string message;
  } cases[] = {
      {{"--check", "sheet.png"}, "vomarin: --checkには画像ファイルを指定できません\n"},
      {{"--check", "--setting", "nothere.ini"},
       "vomarin: 規則ファイルが見つかりません: nothere.ini（ファイルがありません）\n"},
  };
  for (const auto& usage : cases) {
    const ProgramResult run =
        RunProgram(ProgramOfTheBuild(VOMARIN_PROGRAM), usage.arguments, folder.Path());
    EXPECT_EQ(run.status, 2) << usage.message;
    EXPECT_EQ(run.err.substr(0, usage.message.size()), usage.message);
    EXPECT_EQ(run.out, "");
  }
  // The rule file of the working folder, as for a conversion.
  const ProgramResult run =
      RunProgram(ProgramOfTheBuild(VOMARIN_PROGRAM), {"--check"}, folder.Path());
  EXPECT_EQ(run.out, "規則ファイルに誤りは見つかりませんでした\n");
  EXPECT_EQ(run.status, 0);
}

TEST_F(CheckTest, TheExampleRuleFilePassesWithTheReleasesAutotileRules) {
#ifdef _WIN32
  GTEST_SKIP() << "vomarin.exe reads Shift-JIS: the release test checks the shipped copy";
#else
  for (const bool release : {false, true}) {
    std::string rules = EXAMPLE_RULE_FILE;
    if (release) {
      rules = folder / "release.ini";
      const ProgramResult made =
          RunProgram(RELEASE_RULES, {EXAMPLE_RULE_FILE, rules}, folder.Path());
      ASSERT_EQ(made.status, 0) << made.err;
      const std::string text = ReadFile(rules);
      for (const char* line :
           {"\n64,96=Autotile_block2x3_blob47_32\n", "\n768,576=Autotile_block2x3_blob47_48_8x4\n",
            "\n[Autotile_block2x3_blob47_48_8x4_block]\n", "\n256,128=TileSheet\n"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line;
      }
    }
    const ProgramResult run = Check(rules);
    EXPECT_EQ(run.out, "規則ファイルに誤りは見つかりませんでした\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, 0);
  }
#endif
}

}  // namespace
