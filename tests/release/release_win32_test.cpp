// The release as a game maker gets it: the archive unpacked (by the test's
// set-up) into C:\ソフト, its programs started from there and used through
// their windows and on the command line.
#include <gtest/gtest.h>
#include <windows.h>

#include "common/encoding.h"
#include "common/wide_win32.h"
#include "support/files.h"
#include "support/image_files.h"
#include "support/program.h"
#include "support/ui_driver_win32.h"
#include "support/windowed_program_win32.h"

namespace {

const std::string kRelease = std::string("C:\\") + RELEASE_PARENT + "\\" + RELEASE_NAME;

std::string InRelease(const std::string& name) { return kRelease + "\\" + name; }

// A sheet for the example rule "TileSheet": 256 x 128, eight columns and four
// rows of 32-pixel cells, each of its own colour; cell 0 is transparent.
constexpr int kCell = 32;

std::uint32_t CellColour(int cell) {
  if (cell == 0) return 0;
  return 0xFF000000u | (cell * 7u) << 16 | (255u - cell * 5u) << 8 | (cell * 37u % 256u);
}

// columns x rows cells of the sheet, given row by row.
Picture Cells(int columns, int rows, const std::vector<int>& cells) {
  Picture picture{columns * kCell, rows * kCell, {}};
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      picture.pixels.push_back(CellColour(cells[(y / kCell) * columns + x / kCell]));
    }
  }
  return picture;
}

Picture Sheet() {
  std::vector<int> all;
  for (int cell = 0; cell < 32; ++cell) all.push_back(cell);
  return Cells(8, 4, all);
}

// The pixels of a BMP file as GDI reads it, opaque.
Picture BmpPixels(const std::string& path) {
  auto* bitmap = static_cast<HBITMAP>(
      LoadImageW(nullptr, Wide(path).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  if (bitmap == nullptr) return {};
  BITMAP header = {};
  GetObjectA(bitmap, sizeof header, &header);
  Picture picture{
      header.bmWidth, header.bmHeight,
      std::vector<std::uint32_t>(static_cast<std::size_t>(header.bmWidth) * header.bmHeight)};
  BITMAPINFO request = {};
  request.bmiHeader = {
      sizeof(BITMAPINFOHEADER), picture.width, -picture.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, bitmap, 0, picture.height, picture.pixels.data(), &request, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  DeleteObject(bitmap);
  for (std::uint32_t& pixel : picture.pixels) pixel |= 0xFF000000;
  return picture;
}

// How many pixels of the area x0..x1, y0..y1 of shown differ from what
// expected(x, y) says.
template <typename Expected>
int Mismatches(const Picture& shown, int x0, int x1, int y0, int y1, Expected expected) {
  int count = 0;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) count += shown.At(x, y) != expected(x, y);
  }
  return count;
}

bool EndsLinesWithCrLf(const std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return false;
    if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) return false;
  }
  return !text.empty();
}

bool IsShiftJis(const std::string& text) {
  return MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()),
                             nullptr, 0) > 0;
}

TEST(Release, HoldsTheProgramsTheExampleRulesAndTheGuide) {
  // The console programs apart: Mosaikon.exe and mosaikon.exe are one name
  // to Windows.
  EXPECT_EQ(ListFolder(kRelease),
            (std::vector<std::string>{"Mosaikon.exe", "Vomarin+.exe", "cli", "readme.txt",
                                      "resource", "setting.ini"}));
  EXPECT_EQ(ListFolder(InRelease("cli")),
            (std::vector<std::string>{"mosaikon.exe", "vomarin.exe"}));
  EXPECT_EQ(ListFolder(InRelease("resource")), std::vector<std::string>{"check.bmp"});

  // Notepad: UTF-8 with a byte-order mark, CR LF.
  const std::string guide = ReadFile(InRelease("readme.txt"));
  EXPECT_EQ(guide.rfind("\xEF\xBB\xBF", 0), 0u);
  EXPECT_TRUE(EndsLinesWithCrLf(guide));
  // The guide explains every key of the rule file and the names it reserves.
  ASSERT_TRUE(IsUtf8(guide));
  const std::string& readable = guide;
  for (const char* key :
       {"[Process]", "default", "何もしない", "Specific", "Force", "Except", "Clip", "SrcDiv",
        "NewSize", "Replace", "FileDiv", "NameFoot", "Individual", "SubProcess", "Group", "XPAuto",
        "200X", "TileSize", "Terrain"}) {
    EXPECT_NE(readable.find(key), std::string::npos) << key;
  }

  // The programs read the rule file in Shift-JIS, without a byte-order mark.
  const std::string rules = ReadFile(InRelease("setting.ini"));
  EXPECT_TRUE(IsShiftJis(rules));
  EXPECT_TRUE(EndsLinesWithCrLf(rules));
  const std::string text = ShiftJisToUtf8(rules);
  EXPECT_NE(text.find("\r\n[Process]\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\ndefault=何もしない\r\n"), std::string::npos);
}

TEST(Release, ConvertsADroppedSheetByTheExampleRules) {
  TempFolder maps;
  const std::string sheet = maps / "森のタイル.png";
  const std::string note = maps / "メモ.png";
  WriteFile(sheet, PngFile(Sheet(), true));
  WriteFile(note, PngFile(Picture{10, 10, std::vector<std::uint32_t>(100, 0xFF808080)}, false));

  ProgramUnderTest program(InRelease("Vomarin+.exe"));
  ASSERT_TRUE(program.Start());
  const DWORD id = program.Id();
  HWND main = WaitForWindow("Vomarin+", 30000, id);
  ASSERT_NE(main, nullptr);

  // The release's setting.ini sorts them: the sheet's size by TileSheet,
  // every other size by the Japanese rule name of "default".
  DropFiles(main, {sheet, note});
  const std::string listed =
      "以下のように判別されました\r\nさらにファイルを追加できます→\r\n"
      "開始ボタンで処理を開始します\r\n\r\n"
      "[TileSheet]\r\n 森のタイル.png\r\n[その他]\r\n 何もしない - メモ.png\r\n";
  EXPECT_EQ(AwaitControlText(main, 100, listed), listed);

  // The picker shows the sheet over the checker of the release's resource
  // folder, though the program was started from another folder.
  SendMessageTimeoutA(GetDlgItem(main, 301), BM_SETCHECK, BST_CHECKED, 0, SMTO_NORMAL, 5000,
                      nullptr);
  PressButton(main, IDOK);
  HWND picker = WaitForWindow("Vomarin+  透過色の決定", 20000, id);
  ASSERT_NE(picker, nullptr);
  SetWindowPos(picker, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Settle(picker);
  Sleep(500);
  RECT area = {0, 0, 2 * kCell, kCell};
  MapWindowPoints(GetDlgItem(picker, 100), nullptr, reinterpret_cast<POINT*>(&area), 2);
  const Picture shown = ScreenPixels(area);
  const Picture checker = BmpPixels(InRelease("resource\\check.bmp"));
  ASSERT_GT(checker.width, 0);
  EXPECT_EQ(
      Mismatches(shown, 0, kCell, 0, kCell,
                 [&](int x, int y) { return checker.At(x % checker.width, y % checker.height); }),
      0);
  EXPECT_EQ(Mismatches(shown, kCell, 2 * kCell, 0, kCell, [](int, int) { return CellColour(1); }),
            0);
  PressButton(picker, IDOK);

  EXPECT_EQ(AnswerMessageBox("作業の完了", IDNO, 20000, id),
            "変換が正常に完了しました。\n生成画像は元画像と同じ場所に出力されています。\n\n"
            "続けて他のファイルも処理しますか？");
  EXPECT_EQ(program.WaitForExit(), 0);

  // TileSheet: the columns' upper halves above their lower halves, in two
  // files; then its follow-on rule, the first four cells in a square.
  const std::string out = maps / "森のタイル";
  EXPECT_EQ(ListFolder(out),
            (std::vector<std::string>{"[V]森のタイル_preview.png", "[V]森のタイル_tile00.png",
                                      "[V]森のタイル_tile01.png"}));
  EXPECT_EQ(ReadPngFile(ReadFile(out + "\\[V]森のタイル_tile00.png")).pixels,
            Cells(4, 4, {0, 1, 2, 3, 8, 9, 10, 11, 16, 17, 18, 19, 24, 25, 26, 27}).pixels);
  EXPECT_EQ(ReadPngFile(ReadFile(out + "\\[V]森のタイル_tile01.png")).pixels,
            Cells(4, 4, {4, 5, 6, 7, 12, 13, 14, 15, 20, 21, 22, 23, 28, 29, 30, 31}).pixels);
  EXPECT_EQ(ReadPngFile(ReadFile(out + "\\[V]森のタイル_preview.png")).pixels,
            Cells(2, 2, {0, 1, 2, 3}).pixels);
  EXPECT_FALSE(FolderExists(maps / "メモ"));
}

TEST(Release, OtherProgramsRunFromTheReleaseFolder) {
  // As the guide tells: the console programs from a prompt in the release
  // folder, where cli\vomarin.exe finds setting.ini.
  TempFolder maps;
  const std::string sheet = maps / "森のタイル.png";
  WriteFile(sheet, PngFile(Sheet(), true));
  const ProgramResult dryRun =
      RunProgram(InRelease("cli\\vomarin.exe"), {"--dry-run", sheet}, kRelease);
  EXPECT_EQ(dryRun.status, 0) << dryRun.err;
  EXPECT_EQ(dryRun.out, "[TileSheet]\n 森のタイル.png\n");
  // The shipped rule file, in Shift-JIS, passes the check.
  const ProgramResult check = RunProgram(InRelease("cli\\vomarin.exe"), {"--check"}, kRelease);
  EXPECT_EQ(check.out, "規則ファイルに誤りは見つかりませんでした\n");
  EXPECT_EQ(check.status, 0) << check.err;

  const ProgramResult combined = RunProgram(
      InRelease("cli\\mosaikon.exe"), {"--width", "256", "-o", maps / "結合.png", sheet}, kRelease);
  EXPECT_EQ(combined.status, 0) << combined.err;
  EXPECT_EQ(ReadPngFile(ReadFile(maps / "結合.png")).pixels, Sheet().pixels);

  ProgramUnderTest mosaikon(InRelease("Mosaikon.exe"));
  ASSERT_TRUE(mosaikon.Start());
  HWND window = WaitForWindow("マップ結合", 30000, mosaikon.Id());
  ASSERT_NE(window, nullptr);
  PressButton(window, IDCANCEL);
  EXPECT_NE(mosaikon.WaitForExit(), -1);
}

// The release's rule file holds the autotile rules that its own
// cli\vomarin.exe generates, byte for byte, and sorts the game-making
// tools' sheets of blocks to them by their size.
TEST(Release, TheAutotileRulesAreTheProgramsOwnAndConvertAWholeSheetOfBlocks) {
  const std::string rules = ShiftJisToUtf8(ReadFile(InRelease("setting.ini")));
  const struct {
    std::vector<std::string> arguments;
    const char* sizeLine;
  } generated[] = {
      {{"--tile", "32"}, "\r\n64,96=Autotile_block2x3_blob47_32\r\n"},
      {{"--tile", "32", "--blocks", "8,4"}, "\r\n512,384=Autotile_block2x3_blob47_32_8x4\r\n"},
      {{"--tile", "48"}, "\r\n96,144=Autotile_block2x3_blob47_48\r\n"},
      {{"--tile", "48", "--blocks", "8,4"}, "\r\n768,576=Autotile_block2x3_blob47_48_8x4\r\n"},
  };
  // Printed beside a rule file that lacks them, so that their names are free.
  TempFolder other;
  WriteFile(other / "setting.ini", "; no rules\r\n");
  for (const auto& rule : generated) {
    std::vector<std::string> arguments = {"--setting", other / "setting.ini", "--autotile",
                                          "block2x3", "blob47"};
    arguments.insert(arguments.end(), rule.arguments.begin(), rule.arguments.end());
    const ProgramResult run = RunProgram(InRelease("cli\\vomarin.exe"), arguments, kRelease);
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.out.rfind("\r\n;", 0), 0u) << run.out;
    EXPECT_NE(rules.find(run.out.substr(2)), std::string::npos) << run.out;
    EXPECT_NE(rules.find(rule.sizeLine), std::string::npos) << rule.sizeLine;
  }

  // 8 x 4 blocks of 2 x 3 tiles of 32 pixels, each quarter of its own colour.
  constexpr int kQuarter = 16;
  const auto colour = [](int block, int qx, int qy) {
    return 0xFF000000u | static_cast<std::uint32_t>(block * 7 + 1) << 16 |
           static_cast<std::uint32_t>(qx * 60 + 10) << 8 | static_cast<std::uint32_t>(qy * 40 + 10);
  };
  Picture sheet{512, 384, {}};
  for (int y = 0; y < sheet.height; ++y) {
    for (int x = 0; x < sheet.width; ++x) {
      sheet.pixels.push_back(colour(y / 96 * 8 + x / 64, x % 64 / kQuarter, y % 96 / kQuarter));
    }
  }
  TempFolder maps;
  WriteFile(maps / "水辺.png", PngFile(sheet, true));
  const ProgramResult run =
      RunProgram(InRelease("cli\\vomarin.exe"), {maps / "水辺.png"}, kRelease);
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(ListFolder(maps / "水辺").size(), 32u);
  // One piece per block; the variant without neighbours (mask 0, the
  // fourth row's first tile) is the block's four outer corners.
  for (const int block : {0, 31}) {
    const std::string number = (block < 10 ? "0" : "") + std::to_string(block);
    const Picture piece = ReadPngFile(ReadFile(maps / ("水辺\\[V]水辺_blob47" + number + ".png")));
    ASSERT_EQ(piece.width, 384);
    ASSERT_EQ(piece.height, 128);
    const int outer[4][2] = {{0, 2}, {3, 2}, {0, 5}, {3, 5}};
    for (int corner = 0; corner < 4; ++corner) {
      const int x = (corner % 2) * kQuarter + 1;
      const int y = 3 * 32 + (corner / 2) * kQuarter + 1;
      EXPECT_EQ(piece.At(x, y), colour(block, outer[corner][0], outer[corner][1]))
          << "block " << block << " corner " << corner;
    }
  }
}

}  // namespace
