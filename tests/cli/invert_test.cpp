// vomarin --invert end to end: a sheet converted by a rule, then by the
// inverse the program printed for it, must give the sheet back.
#include <gtest/gtest.h>

#include "common/encoding.h"
#include "common/messages.h"
#include "common/path.h"
#include "support/files.h"
#include "support/image_files.h"
#include "support/program.h"

namespace {

const std::string kSep(1, kPathSeparator);

// An opaque truecolour sheet in which every pixel has a colour of its own.
Picture Sheet(int width, int height) {
  Picture sheet;
  sheet.width = width;
  sheet.height = height;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      sheet.pixels.push_back(0xFF000000u | static_cast<std::uint32_t>(x) << 12 |
                             static_cast<std::uint32_t>(y));
    }
  }
  return sheet;
}

// The pieces of a FileDiv split, joined in their order.
Picture Joined(const std::vector<Picture>& pieces, int columns) {
  Picture joined;
  const int rows = static_cast<int>(pieces.size()) / columns;
  joined.width = pieces[0].width * columns;
  joined.height = pieces[0].height * rows;
  joined.pixels.resize(static_cast<std::size_t>(joined.width) * joined.height);
  for (std::size_t p = 0; p < pieces.size(); ++p) {
    const int left = static_cast<int>(p) % columns * pieces[0].width;
    const int top = static_cast<int>(p) / columns * pieces[0].height;
    for (int y = 0; y < pieces[p].height; ++y) {
      for (int x = 0; x < pieces[p].width; ++x) {
        joined.pixels[static_cast<std::size_t>(top + y) * joined.width + left + x] =
            pieces[p].At(x, y);
      }
    }
  }
  return joined;
}

class InvertTest : public ::testing::Test {
 protected:
  // The programs run in Japanese; so are the texts expected of them.
  void SetUp() override { SetLanguage(Language::Japanese); }

  ProgramResult Vomarin(const std::vector<std::string>& arguments) {
    return RunProgram(ProgramOfTheBuild(VOMARIN_PROGRAM), arguments, folder.Path());
  }

  TempFolder folder;
};

// A rectangle of the sheet: where the rebuilt image lies, or where the
// rule's cells begin (x, y) and the size of one.
struct Area {
  int x, y, width, height;
};

// One rule converted there and back. The rebuilt image covers rebuilt of
// the sheet; the cells of the rule's grid (columns wide, the first at cells)
// listed in back come back, every other pixel is transparent.
struct RoundTrip {
  const char* what;
  std::string name;
  std::string rule;  // the keys of the section
  int sheetWidth, sheetHeight;
  std::vector<std::string> sizeArguments;  // how --invert learns the size
  int pieceColumns, pieces;                // FileDiv: the pieces to join
  Area rebuilt;
  Area cells;
  int columns;
  std::vector<int> back;
};

TEST_F(InvertTest, TheInverseGivesBackEveryPlacedCellAndLeavesTheRestBlank) {
  // One case a row, which clang-format would spread over a line per number.
  // clang-format off
  const RoundTrip cases[] = {
      {"a plain permutation, size from the sheet", "Reverse",
       "SrcDiv=4,2\nNewSize=32,4\nReplace=7,6,5,4,3,2,1,0\n", 16, 8, {"sheet.png"}, 1, 1,
       {0, 0, 16, 8}, {0, 0, 4, 4}, 4, {0, 1, 2, 3, 4, 5, 6, 7}},
      {"blanks, items beyond the grid and unused cells, size from --size", "Sparse",
       "SrcDiv=3,2\nNewSize=12,8\nReplace=5,-1,0,99,2\n", 12, 8, {"--size", "12,8"}, 1, 1,
       {0, 0, 12, 8}, {0, 0, 4, 4}, 3, {0, 2, 5}},
      {"a Clip on a cell boundary rebuilds the whole sheet, size from the size table", "Inner",
       "Clip=4,4,12,8\nSrcDiv=3,2\nReplace=5,4,3,2,1,0\n", 22, 13, {}, 1, 1,
       {0, 0, 20, 12}, {4, 4, 4, 4}, 3, {0, 1, 2, 3, 4, 5}},
      {"a Clip off the cell boundary rebuilds the clipped cells", "Offset",
       "Clip=2,1,13,9\nSrcDiv=3,2\nReplace=1,2,3,4\n", 20, 12, {"sheet.png"}, 1, 1,
       {2, 1, 12, 8}, {2, 1, 4, 4}, 3, {1, 2, 3, 4}},
      {"a canvas larger than needed, not a whole number of slots", "Roomy",
       "SrcDiv=2,2\nNewSize=22,10\nReplace=-1,3,-1,-1,-1,2,1,0\n", 8, 8, {"sheet.png"}, 1, 1,
       {0, 0, 8, 8}, {0, 0, 4, 4}, 2, {0, 1, 2, 3}},
      {"a cell used twice comes back from its first slot", "Twice",
       "SrcDiv=2,1\nReplace=1,1,0,1\nNewSize=16,4\n", 8, 4, {"sheet.png"}, 1, 1,
       {0, 0, 8, 4}, {0, 0, 4, 4}, 2, {0, 1}},
      {"pieces joined; a slot in the strip FileDiv leaves unwritten is lost", "Split",
       "SrcDiv=4,1\nReplace=3,2,1,0\nFileDiv=3,1\n", 16, 4, {"sheet.png"}, 3, 3,
       {0, 0, 16, 4}, {0, 0, 4, 4}, 4, {1, 2, 3}},
      {"a Japanese rule name", "並べ替え",
       "SrcDiv=2,2\nReplace=3,2,1,0\nGroup=地図\n", 8, 8, {"sheet.png"}, 1, 1,
       {0, 0, 8, 8}, {0, 0, 4, 4}, 2, {0, 1, 2, 3}},
  };
  // clang-format on
  for (const RoundTrip& trip : cases) {
    SCOPED_TRACE(trip.what);
    const TempFolder work;
    const auto run = [&](const std::vector<std::string>& arguments) {
      return RunProgram(ProgramOfTheBuild(VOMARIN_PROGRAM), arguments, work.Path());
    };
    const Picture sheet = Sheet(trip.sheetWidth, trip.sheetHeight);
    WriteFile(work / "sheet.png", PngFile(sheet, false));
    const std::string rules = "[Process]\r\n" + std::to_string(trip.sheetWidth) + "," +
                              std::to_string(trip.sheetHeight) + "=" + trip.name + "\r\n[" +
                              trip.name + "]\r\n" + trip.rule + "NameFoot=_out\r\n";
    WriteRuleFile(work / "setting.ini", rules);

    ProgramResult result = run({"--rule", trip.name, "sheet.png"});
    ASSERT_EQ(result.status, 0) << result.err;
    std::vector<Picture> pieces;
    for (int p = 0; p < trip.pieces; ++p) {
      const std::string number = trip.pieces > 1 ? "0" + std::to_string(p) : "";
      pieces.push_back(
          ReadPngFile(ReadFile(work / ("sheet" + kSep + "[V]sheet_out" + number + ".png"))));
    }
    const Picture canvas = Joined(pieces, trip.pieceColumns);
    WriteFile(work / "canvas.png", PngFile(canvas, true));

    std::vector<std::string> invert = {"--invert", trip.name};
    invert.insert(invert.end(), trip.sizeArguments.begin(), trip.sizeArguments.end());
    result = run(invert);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    // Every line ends with CR LF, ready to append to a rule file.
    std::string lines = result.out;
    for (std::size_t at; (at = lines.find("\r\n")) != std::string::npos;) lines.erase(at, 2);
    EXPECT_EQ(lines.find_first_of("\r\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("\r\n[" + trip.name + "_inverse]\r\n"), std::string::npos);
    WriteRuleFile(work / "setting.ini", rules + result.out);
    // The check finds nothing in the inverse, for the size it was made for.
    WriteRuleFile(work / "inverse.ini", "[Process]\r\n" + std::to_string(canvas.width) + "," +
                                        std::to_string(canvas.height) + "=" + trip.name +
                                        "_inverse\r\n" + result.out);
    const ProgramResult check = run({"--check", "--setting", "inverse.ini"});
    EXPECT_EQ(check.status, 0) << check.out;

    result = run({"--rule", trip.name + "_inverse", "canvas.png"});
    ASSERT_EQ(result.status, 0) << result.err;
    const Picture back = ReadPngFile(ReadFile(work / ("canvas" + kSep + "[V]canvas_inverse.png")));
    ASSERT_EQ(back.width, trip.rebuilt.width);
    ASSERT_EQ(back.height, trip.rebuilt.height);
    for (int y = 0; y < back.height; ++y) {
      for (int x = 0; x < back.width; ++x) {
        const int sx = x + trip.rebuilt.x;
        const int sy = y + trip.rebuilt.y;
        std::uint32_t expected = 0;
        for (const int cell : trip.back) {
          const int cellX = trip.cells.x + cell % trip.columns * trip.cells.width;
          const int cellY = trip.cells.y + cell / trip.columns * trip.cells.height;
          if (sx >= cellX && sx < cellX + trip.cells.width && sy >= cellY &&
              sy < cellY + trip.cells.height) {
            expected = sheet.At(sx, sy);
          }
        }
        ASSERT_EQ(back.At(x, y), expected) << "at " << x << "," << y;
      }
    }
  }
}

TEST_F(InvertTest, TheSectionNamesItsRuleAndWhatCannotComeBack) {
  WriteRuleFile(folder / "setting.ini",
            "[Process]\n24,8=Tiles\n"
            "[Tiles]\nClip=2,0,22,8\nSrcDiv=5,2\nNewSize=16,8\nReplace=0,1,1,3,9\n"
            "FileDiv=1,2\nSubProcess=Other,Next\nGroup=Map\n"
            "[Other]\n[Next]\n");
  const ProgramResult run = Vomarin({"--invert", "Tiles", "--name", "Back"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "\r\n"
            "; 規則[Tiles]の逆変換: 24 x 8の画像を変換した出力を元の並びに戻します\r\n"
            "; 入力: 規則[Tiles]の出力2枚（FileDiv=1,2）を番号順に左から右、上から下へつなげた"
            "16 x 8の画像。先につなげて下さい\r\n"
            "; 出力: Clip（2,0,22,8）がセルの境目で始まらないため、切り出した範囲のセルだけ"
            "（元画像の2,0から20 x 8）を戻します\r\n"
            "; 戻らないもの: 出力に残らないセル6個（2,4,5,6,7,8）。空白になります\r\n"
            "; 戻らないもの: Clip（2,0,22,8）の外の画素\r\n"
            "; 戻らないもの: SrcDivのセルに入らない右の2画素・下の0画素\r\n"
            "; SubProcessの規則（Other,Next）の出力は含みません\r\n"
            "[Back]\r\n"
            "SrcDiv=4,2\r\n"
            "NewSize=20,8\r\n"
            "Replace=0,1,-1,3,-1,-1,-1,-1,-1,4\r\n"
            "NameFoot=_inverse\r\n"
            "Group=Map\r\n");
}

TEST_F(InvertTest, RulesThatCannotBeInvertedAndWrongUsageAreRefused) {
  WriteRuleFile(folder / "setting.ini",
            "[Process]\n8,8=Cells\n8,4=Twice/Cells\n"
            "[Cells]\nSrcDiv=2,2\nReplace=3,2,1,0\n"
            "[Inner]\nIndividual=Cells\nSrcDiv=2,2\nReplace=0\n"
            "[Broken]\nSrcDiv=0,1\n"
            "[Empty]\nSrcDiv=2,2\nReplace=-1,7\n"
            "[Outside]\nClip=4,4,8,8\nReplace=0\n"
            "[Huge]\nSrcDiv=200,200\nReplace=0\n"
            "[cells_INVERSE]\n");
  WriteFile(folder / "sheet.png", PngFile(Sheet(8, 8), false));
  WriteFile(folder / "broken.png", "no image");
  const struct {
    std::vector<std::string> arguments;
    int status;
    std::string message;
  } cases[] = {
      {{"--invert", "Unlisted"},
       1,
       "vomarin: 規則[Unlisted]を読めません: 規則[Unlisted]がsetting.iniにありません\n"},
      {{"--invert", "Inner", "--size", "8,8"},
       1,
       "vomarin: "
       "規則[Inner]はIndividualの規則[Cells]"
       "でセルの中身を変えるため、並べ替えでは元に戻せません\n"},
      {{"--invert", "Broken", "--size", "8,8"},
       1,
       "vomarin: 規則[Broken]を読めません: 不正なSrcDiv\n"},
      {{"--invert", "Inner"}, 1, "vomarin: 規則[Inner]はIndividual"},
      {{"--invert", "Empty", "--name", "E", "sheet.png"},
       1,
       "vomarin: "
       "規則[Empty]は8 x 8の画像のセルを一つも出力に置かないため、逆変換がありません（Replaceが"},
      {{"--invert", "Outside", "--name", "O", "--size", "8,8"},
       1,
       "vomarin: "
       "規則[Outside]"
       "は8 x "
       "8の画像のセルを一つも出力に置かないため、逆変換がありません（Clipが画像の中にありません"
       "）\n"},
      {{"--invert", "Huge", "--name", "H", "--size", "400,400"},
       1,
       "vomarin: 逆変換の規則が規則ファイルの1つのセクションに収まる大きさ"},
      {{"--invert", "Twice", "--name", "T"}, 1, "vomarin: 規則[Twice]を読めません"},
      {{"--invert", "Empty", "--name", "E"},
       1,
       "vomarin: 規則[Empty]の画像の大きさが分かりません。"},
      {{"--invert", "Cells", "--name", "C", "broken.png"},
       1,
       "vomarin: 無効なファイル: broken.png\n"},
      {{"--invert", "Cells", "--name", "C", "--size", "8x8"}, 2, "vomarin: --sizeの値「8x8」は"},
      {{"--invert", "Cells"},
       2,
       "vomarin: 逆変換のセクション名「Cells_inverse」: "
       "規則ファイルに同じ名前のセクションがあります"},
      {{"--invert", "Cells", "--name", ""},
       2,
       "vomarin: 逆変換のセクション名「」: 空の名前は使えません"},
      {{"--invert", "Cells", "--name", "a]b"},
       2,
       "vomarin: 逆変換のセクション名「a]b」: 「]」を含む名前は使えません"},
      {{"--invert", "Cells", "--name", "a\nb"},
       2,
       "vomarin: 逆変換のセクション名「a\nb」: 改行などの制御文字"},
      {{"--invert", "Cells", "--name", " a"}, 2, "vomarin: 逆変換のセクション名「 a」: 前後に空白"},
      {{"--invert", "Cells", "--name", "X", "a.png", "b.png"},
       2,
       "vomarin: 画像ファイルは一つだけ"},
  };
  for (const auto& refusal : cases) {
    SCOPED_TRACE(refusal.message);
    const ProgramResult run = Vomarin(refusal.arguments);
    EXPECT_EQ(run.status, refusal.status);
    EXPECT_EQ(run.err.substr(0, refusal.message.size()), refusal.message) << run.err;
    EXPECT_EQ(run.out, "");
  }
}

TEST_F(InvertTest, AppendWritesTheSectionIntoTheRuleFileAndLeavesEveryOtherByte) {
  // Shift-JIS with a Japanese comment ("; 規則ファイル"), CR LF, and no line
  // end after the last line.
  const std::string rules =
      "; \x8b\x4b\x91\xa5\x83\x74\x83\x40\x83\x43\x83\x8b\r\n[Process]\r\n8,8=Tiles\r\n"
      "[Tiles]\r\nSrcDiv=2,2\r\nReplace=3,2,1,0\r\nGroup=Map";
  WriteFile(folder / "rules.ini", rules);
  const ProgramResult printed = Vomarin({"--invert", "Tiles", "--setting", "rules.ini"});
  ASSERT_EQ(printed.status, 0) << printed.err;

  ProgramResult run = Vomarin({"--invert", "Tiles", "--setting", "rules.ini", "--append"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out,
            Text(Message::kRuleFileSectionWritten, {"Tiles_inverse", folder / "rules.ini"}) + "\n");
  // The printed section, after the line end the last line lacked, in the
  // file's encoding.
  const std::string section = Utf8ToShiftJis(printed.out);
  EXPECT_EQ(ReadFile(folder / "rules.ini"), rules + "\r\n" + section);
  EXPECT_EQ(ReadFile(folder / "rules.ini.bak"), rules);
  const ProgramResult check = Vomarin({"--check", "--setting", "rules.ini"});
  EXPECT_EQ(check.status, 0) << check.out;

  // The default rule file, with LF line ends, takes a second inverse after
  // the first; the .bak is the file as the first left it.
  const std::string lf = "[Process]\n8,8=Tiles\n[Tiles]\nSrcDiv=2,2\nReplace=3,2,1,0\n";
  WriteFile(folder / "setting.ini", lf);
  ASSERT_EQ(Vomarin({"--invert", "Tiles", "--append"}).status, 0);
  ASSERT_EQ(Vomarin({"--invert", "Tiles", "--name", "Back", "--append"}).status, 0);
  const std::string once = ReadFile(folder / "setting.ini.bak");
  const std::string twice = ReadFile(folder / "setting.ini");
  EXPECT_EQ(once.rfind(lf + "\n; ", 0), 0u) << once;
  EXPECT_EQ(twice.rfind(once + "\n; ", 0), 0u) << twice;
  EXPECT_EQ(twice.find('\r'), std::string::npos) << twice;
  EXPECT_NE(once.find("\n[Tiles_inverse]\nSrcDiv=2,2\n"), std::string::npos) << once;
  EXPECT_NE(twice.find("\n[Back]\nSrcDiv=2,2\n"), std::string::npos) << twice;
}

TEST_F(InvertTest, AnAppendRefusedOrNotWrittenLeavesTheRuleFileAsItWas) {
  // Shift-JIS: the last comment is "; 規則".
  const std::string rules =
      "[Process]\r\n8,8=Tiles\r\n[Tiles]\r\nSrcDiv=2,2\r\nReplace=3,2,1,0\r\n"
      "[tiles_INVERSE]\r\n; \x8b\x4b\x91\xa5\r\n";
  struct Refusal {
    const char* what;
    std::vector<std::string> arguments;
    int status;
    std::string message;
  };
  std::vector<Refusal> cases = {
      {"a name the file has, letter case aside",
       {"--invert", "Tiles", "--append"},
       2,
       "vomarin: 逆変換のセクション名「Tiles_inverse」: "
       "規則ファイルに同じ名前のセクションがあります（--nameで別の名前を指定できます）\n"},
      {"--append without --invert",
       {"--check", "--append"},
       2,
       "vomarin: " + std::string(Text(Message::kAppendWithoutInvert)) + "\n"},
      {"a rule that cannot be inverted",
       {"--invert", "Unlisted", "--name", "U", "--append"},
       1,
       "vomarin: 規則[Unlisted]を読めません"},
      {"the .bak cannot be written", {"--invert", "Tiles", "--name", "B", "--append"}, 1, ""},
  };
  // --utf8: the message as it is, where Shift-JIS output would show "?".
  // Shift-JIS lacks Korean, and has no é but a look-alike e.
  const struct {
    std::string name;
    std::string character;
    std::string code;
  } unheld[] = {{u8"\ud55c", u8"\ud55c", "U+D55C"}, {u8"Caf\u00e9", u8"\u00e9", "U+00E9"}};
  for (const auto& name : unheld) {
    cases.push_back({"a name that Shift-JIS cannot hold",
                     {"--invert", "Tiles", "--name", name.name, "--append", "--utf8"},
                     2,
                     "vomarin: 逆変換のセクション名「" + name.name + "」: " +
                         Text(Message::kRuleFileCannotHold,
                              {name.name, name.character, name.code, "Shift-JIS"}) +
                         "（--nameで別の名前を指定できます）\n"});
  }

  for (const Refusal& refusal : cases) {
    SCOPED_TRACE(refusal.what);
    const TempFolder work;
    WriteFile(work / "setting.ini", rules);
    // A folder in the way of the .bak: the message names it, up to the
    // system's reason.
    const bool backupBlocked = refusal.message.empty();
    std::string message = refusal.message;
    if (backupBlocked) {
      MakeFolder(work / "setting.ini.bak");
      const std::string text =
          Text(Message::kRuleFileNotWritten, {work / "setting.ini.bak", "\x01"});
      message = "vomarin: " + text.substr(0, text.find('\x01'));
    }
    const ProgramResult run =
        RunProgram(ProgramOfTheBuild(VOMARIN_PROGRAM), refusal.arguments, work.Path());
    EXPECT_EQ(run.status, refusal.status);
    EXPECT_EQ(run.err.substr(0, message.size()), message) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(ReadFile(work / "setting.ini"), rules);
    const std::vector<std::string> files =
        backupBlocked ? std::vector<std::string>{"setting.ini", "setting.ini.bak"}
                      : std::vector<std::string>{"setting.ini"};
    EXPECT_EQ(ListFolder(work.Path()), files);
  }
}

}  // namespace
