// The command-line converter end to end: the built program on sheets and
// rule files in a temporary folder, as a user runs it (without a terminal).
#include <gtest/gtest.h>

#include "common/path.h"
#include "support/files.h"
#include "support/image_files.h"
#include "support/program.h"

namespace {

const std::string kSep(1, kPathSeparator);

constexpr std::uint32_t kMagenta = 0xFFFF00FF;  // palette entry 0: the transparent colour
constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kGreen = 0xFF00FF00;
constexpr std::uint32_t kBlue = 0xFF0000FF;
constexpr std::uint32_t kYellow = 0xFFFFFF00;

// A palette sheet whose pixels take the palette indexes of rows.
std::string PaletteSheet(const std::vector<std::vector<std::uint8_t>>& rows) {
  IndexedPicture picture;
  picture.width = static_cast<int>(rows[0].size());
  picture.height = static_cast<int>(rows.size());
  picture.palette = {kMagenta, kRed, kGreen, kBlue, kYellow};
  for (const auto& row : rows)
    picture.indices.insert(picture.indices.end(), row.begin(), row.end());
  return PngFile(picture, 8);
}

// 4 x 4 in quarters: magenta, red / green, blue.
std::string QuarterSheet() {
  return PaletteSheet({{0, 0, 1, 1}, {0, 0, 1, 1}, {2, 2, 3, 3}, {2, 2, 3, 3}});
}

// Each pixel of a picture of the size, row by row.
std::vector<std::uint32_t> Pixels(std::initializer_list<std::uint32_t> rowColours, int width) {
  std::vector<std::uint32_t> pixels;
  for (const std::uint32_t colour : rowColours) pixels.insert(pixels.end(), width, colour);
  return pixels;
}

constexpr char kRules[] =
    "[Process]\n"
    "4,4=Quarters\n"
    "4,2=Day/Night\n"
    "6,2=Strip\n"
    "default=何もしない\n"
    "[Quarters]\nSrcDiv=2,2\nNewSize=8,2\nReplace=3,2,1,0\nNameFoot=_q\n"
    "[Day]\nExcept=夜\n"
    "[Night]\nForce=night/夜\nReplace=0\n"
    "[Strip]\nSpecific=never\nSrcDiv=3,1\nReplace=0,1,2\nFileDiv=3,1\n"
    "[Lost]\nIndividual=Missing\n";

class CommandLineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteRuleFile(folder / "setting.ini", kRules);
    WriteFile(folder / "sheet.png", QuarterSheet());
    WriteFile(folder / "夜の表.png", PaletteSheet({{1, 1, 0, 0}, {1, 1, 0, 0}}));
    WriteFile(folder / "day.png", PaletteSheet({{1, 1, 1, 1}, {1, 1, 1, 1}}));
    WriteFile(folder / "strip.png", PaletteSheet({{1, 1, 2, 2, 3, 3}, {1, 1, 2, 2, 3, 3}}));
    WriteFile(folder / "leave.png", PaletteSheet({{1, 1, 1}, {1, 1, 1}, {1, 1, 1}}));
  }

  ProgramResult Vomarin(const std::vector<std::string>& arguments) {
    return RunProgram(ProgramOfTheBuild(VOMARIN_PROGRAM), arguments, folder.Path());
  }

  // The pixels of an output file of the source base name.
  Picture Output(const std::string& base, const std::string& name) {
    return ReadPngFile(ReadFile(folder / (base + kSep + name)));
  }

  TempFolder folder;
};

TEST_F(CommandLineTest, ClassifiesListsAndConvertsEveryFile) {
  // The rule file of the working folder; names relative to it.
  const ProgramResult run =
      Vomarin({"sheet.png", "夜の表.png", "day.png", "strip.png", "leave.png"});

  EXPECT_EQ(run.out,
            "[Night]\n"
            " 夜の表.png\n"
            "[Quarters]\n"
            " sheet.png\n"
            "[Strip]\n"
            " strip.png\n"
            "[その他]\n"
            " 自動判別できません（候補:Day/Night） - day.png\n"
            " 何もしない - leave.png\n"
            "\n"
            "加工を開始:" +
                (folder / "sheet.png") +
                "\n"
                ">sheet" +
                kSep +
                "[V]sheet_q.png\n"
                "加工の終了\n"
                "加工を開始:" +
                (folder / "夜の表.png") +
                "\n"
                ">夜の表" +
                kSep +
                "[V]夜の表.png\n"
                "加工の終了\n"
                "加工を開始:" +
                (folder / "strip.png") +
                "\n"
                ">strip" +
                kSep +
                "[V]strip00.png\n"
                ">strip" +
                kSep +
                "[V]strip01.png\n"
                ">strip" +
                kSep +
                "[V]strip02.png\n"
                "加工の終了\n");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.status, 1);  // day.png was not converted

  // Cells 3, 2, 1, 0 in a row; palette entry 0 became transparent.
  const Picture quarters = Output("sheet", "[V]sheet_q.png");
  ASSERT_EQ(quarters.width, 8);
  EXPECT_EQ(quarters.pixels,
            (std::vector<std::uint32_t>{kBlue, kBlue, kGreen, kGreen, kRed, kRed, 0, 0, kBlue,
                                        kBlue, kGreen, kGreen, kRed, kRed, 0, 0}));
  EXPECT_EQ(Output("夜の表", "[V]夜の表.png").pixels,
            (std::vector<std::uint32_t>{kRed, kRed, 0, 0, kRed, kRed, 0, 0}));
  EXPECT_EQ(Output("strip", "[V]strip00.png").pixels, Pixels({kRed, kRed}, 2));
  EXPECT_EQ(Output("strip", "[V]strip01.png").pixels, Pixels({kGreen, kGreen}, 2));
  EXPECT_EQ(Output("strip", "[V]strip02.png").pixels, Pixels({kBlue, kBlue}, 2));
  EXPECT_FALSE(FolderExists(folder / "day"));
  EXPECT_FALSE(FolderExists(folder / "leave"));
}

TEST_F(CommandLineTest, OptionsChooseTheRuleTheTransparencyAndADryRun) {
  MakeFolder(folder / "sub");
  WriteFile(folder / ("sub" + kSep + "day.png"), QuarterSheet());

  ProgramResult run = Vomarin({"--dry-run", "sheet.png", "leave.png"});
  EXPECT_EQ(run.out, "[Quarters]\n sheet.png\n[その他]\n 何もしない - leave.png\n");
  EXPECT_EQ(run.status, 0);  // a file for "何もしない" is left alone on purpose
  EXPECT_FALSE(FolderExists(folder / "sheet"));

  // A 4 x 4 sheet named like a 4 x 2 one, given its rule; palette entry 0 kept.
  run = Vomarin({"--setting", folder / "setting.ini", "--rule=Quarters", "--no-transparency",
                 "sub" + kSep + "day.png"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(
      run.out.find("[Quarters]\n day.png\n\n加工を開始:" + (folder / ("sub" + kSep + "day.png"))),
      std::string::npos)
      << run.out;
  const Picture kept = Output("sub" + kSep + "day", "[V]day_q.png");
  ASSERT_EQ(kept.pixels.size(), 16u);
  EXPECT_EQ(kept.At(6, 0), kMagenta);

  run = Vomarin({"--rule", "何もしない", "sheet.png"});
  EXPECT_EQ(run.out, "[その他]\n 何もしない - sheet.png\n");
  EXPECT_EQ(run.status, 0);

  run = Vomarin({"--rule", "Nowhere", "sheet.png"});
  EXPECT_EQ(run.out, "[その他]\n 規則[Nowhere]がsetting.iniにありません - sheet.png\n");
  EXPECT_EQ(run.status, 1);
}

TEST_F(CommandLineTest, FilesThatFailMakeTheStatusOne) {
  WriteFile(folder / "broken.png", "no image");
  ProgramResult run = Vomarin({"broken.png", "sheet.png"});
  EXPECT_NE(run.out.find(" 無効なファイル - broken.png\n"), std::string::npos) << run.out;
  EXPECT_TRUE(FileExists(folder / ("sheet" + kSep + "[V]sheet_q.png")));
  EXPECT_EQ(run.status, 1);

  // The error channel goes to the standard error, the report to the output.
  run = Vomarin({"--rule", "Lost", "day.png"});
  // Lines of a file carry its indent on either channel.
  EXPECT_EQ(run.err, ">規則[Missing]を使えません: 規則[Missing]がsetting.iniにありません\n");
  EXPECT_NE(run.out.find("加工の終了\n"), std::string::npos);
  EXPECT_EQ(run.status, 1);

  // A file where the output folder should be: the piece cannot be written.
  WriteFile(folder / "strip", "in the way");
  run = Vomarin({"strip.png"});
  EXPECT_NE(run.err.find("保存できませんでした:" + (folder / ("strip" + kSep + "[V]strip00.png"))),
            std::string::npos)
      << run.err;
  EXPECT_EQ(run.status, 1);
}

TEST_F(CommandLineTest, CombineWritesOneSheetPerGroupAsTheCombinerWould) {
  WriteRuleFile(folder / "groups.ini",
            "[Process]\n4,4=Narrow\ndefault=Auto\n"
            "[Narrow]\nSrcDiv=2,2\nReplace=3\nGroup=200X\n"
            "[Auto]\nGroup=XPAuto\n");
  WriteFile(folder / "b.png", QuarterSheet());
  WriteFile(folder / "a.png", PaletteSheet({{1, 1, 1, 1}, {1, 1, 1, 1}, {1, 1, 1, 1}, {1, 1, 1, 1}}));
  ProgramResult run =
      Vomarin({"--setting", "groups.ini", "--combine", "combined", "b.png", "a.png", "strip.png"});
  EXPECT_EQ(run.status, 0) << run.err;

  // "200X": the outputs sorted by path (a before b), 128 wide.
  const Picture narrow = ReadPngFile(ReadFile(folder / ("combined" + kSep + "200X.png")));
  ASSERT_EQ(narrow.width, 128);
  ASSERT_EQ(narrow.height, 8);
  EXPECT_EQ(narrow.At(0, 0), kRed);   // a's output: its last cell, all red
  EXPECT_EQ(narrow.At(0, 4), kBlue);  // b's output: its blue quarter
  EXPECT_EQ(narrow.At(2, 0) >> 24, 0u);
  // "XP/VX" takes the input itself (palette entry 0 transparent), 256 wide,
  // under a name without the slash.
  const Picture wide = ReadPngFile(ReadFile(folder / ("combined" + kSep + "XP_VX.png")));
  ASSERT_EQ(wide.width, 256);
  ASSERT_EQ(wide.height, 2);
  EXPECT_EQ(wide.At(0, 0), kRed);
  EXPECT_EQ(wide.At(6, 0) >> 24, 0u);
  EXPECT_NE(run.out.find("結合:" + (folder / ("combined" + kSep + "XP_VX.png"))), std::string::npos);

  // A folder that cannot be made is refused before anything is converted.
  run = Vomarin({"--setting", "groups.ini", "--combine", "no" + kSep + "where", "a.png"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err.rfind("vomarin: 結合した画像の出力フォルダを作れません", 0), 0u) << run.err;
  EXPECT_EQ(run.out, "");
}

TEST_F(CommandLineTest, AMissingRuleFileOrAWrongUsageIsStatusTwo) {
  const struct {
    std::vector<std::string> arguments;
    std::string message;
  } cases[] = {
      {{"--setting", "nothere.ini", "sheet.png"},
       "vomarin: 規則ファイルが見つかりません: nothere.ini（ファイルがありません）\n"},
      {{}, "vomarin: 画像ファイルを指定してください\n"},
      {{"--frobnicate", "sheet.png"}, "vomarin: 不明なオプションです: --frobnicate\n"},
      {{"--dry-run=yes", "sheet.png"}, "vomarin: 不明なオプションです: --dry-run=yes\n"},
      {{"sheet.png", "--rule"}, "vomarin: --ruleには値が必要です\n"},
  };
  for (const auto& usage : cases) {
    const ProgramResult run = Vomarin(usage.arguments);
    EXPECT_EQ(run.status, 2) << usage.message;
    EXPECT_EQ(run.err.substr(0, usage.message.size()), usage.message);
    EXPECT_EQ(run.out, "");
  }

  // Without --setting, a folder without setting.ini and none beside the program.
  RemoveFile(folder / "setting.ini");
  const ProgramResult run = Vomarin({"sheet.png"});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("vomarin: 規則ファイルが見つかりません: " + (folder / "setting.ini")),
            std::string::npos)
      << run.err;
  EXPECT_FALSE(FolderExists(folder / "sheet"));

  const ProgramResult help = Vomarin({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("使い方: vomarin [--setting FILE] [--rule NAME] [--no-transparency] "
                           "[--dry-run] FILE...\n",
                           0),
            0u);
  const ProgramResult version = Vomarin({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("vomarin ", 0), 0u);
}

}  // namespace
