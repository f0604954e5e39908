// KeepPalette=1 end to end: the converter writes the pieces of a palette
// sheet as palette PNGs with the sheet's own palette and indices, and
// everything else as before.
#include <gtest/gtest.h>

#include "common/path.h"
#include "support/files.h"
#include "support/image_files.h"
#include "support/program.h"

namespace {

const std::string kSep(1, kPathSeparator);

constexpr std::uint32_t kMagenta = 0xFFFF00FF;
constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kBlue = 0xFF0000FF;
constexpr std::uint32_t kGreen = 0xFF00FF00;
constexpr std::uint32_t kBlack = 0xFF000000;

constexpr char kPaletteNotKept[] = "パレットを保てないため、32ビットカラーで保存します";

// Two 2 x 2 cells; entries 0 and 2 are both magenta, 1 and 5 both red.
IndexedPicture Sheet() {
  return {4, 2, {kMagenta, kRed, kMagenta, kBlue, kGreen, kRed}, {0, 1, 2, 3, 2, 5, 4, 0}};
}

// Keep: cell 1, a blank slot, cell 0. Plain: the same as 32-bit. Cells: each
// cell mirrored by Flip, which keeps the palette, or by FlipPlain, which
// does not. Twice: Keep again as a follow-on rule.
constexpr char kRules[] =
    "[Process]\ndefault=何もしない\n"
    "[Keep]\nSrcDiv=2,1\nNewSize=6,2\nReplace=1,-1,0\nNameFoot=_k\nKeepPalette=1\n"
    "[Plain]\nSrcDiv=2,1\nNewSize=6,2\nReplace=1,-1,0\nNameFoot=_p\nKeepPalette=0\n"
    "[Cells]\nSrcDiv=2,1\nReplace=0,1\nIndividual=Flip\nNameFoot=_c\nKeepPalette=1\n"
    "[Flip]\nSrcDiv=2,1\nReplace=1,0\nKeepPalette=1\n"
    "[CellsPlain]\nSrcDiv=2,1\nReplace=0,1\nIndividual=FlipPlain\nNameFoot=_c\nKeepPalette=1\n"
    "[FlipPlain]\nSrcDiv=2,1\nReplace=1,0\n"
    "[Twice]\nReplace=0\nNameFoot=_t\nKeepPalette=1\nSubProcess=Keep\n"
    "[Wrong]\nKeepPalette=yes\n";

class KeepPaletteTest : public ::testing::Test {
 protected:
  void SetUp() override { WriteRuleFile(folder / "setting.ini", kRules); }

  ProgramResult Vomarin(const std::vector<std::string>& arguments) {
    return RunProgram(ProgramOfTheBuild(VOMARIN_PROGRAM), arguments, folder.Path());
  }

  std::string Output(const std::string& base, const std::string& name) {
    return ReadFile(folder / (base + kSep + name));
  }

  TempFolder folder;
};

// Every entry of the colour of key made transparent.
std::vector<std::uint32_t> Keyed(std::vector<std::uint32_t> palette, std::uint32_t key) {
  for (auto& entry : palette) {
    if ((entry & 0xFFFFFF) == (key & 0xFFFFFF)) entry &= 0xFFFFFF;
  }
  return palette;
}

std::vector<std::uint32_t> Padded(std::size_t length) {
  std::vector<std::uint32_t> palette = Sheet().palette;
  palette.resize(length, kBlack);  // the writers fill their tables with black
  return palette;
}

// Pixels as a viewer shows them: every transparent pixel alike.
std::vector<std::uint32_t> Shown(std::vector<std::uint32_t> pixels) {
  for (auto& pixel : pixels) pixel = pixel >> 24 ? pixel : 0;
  return pixels;
}

TEST_F(KeepPaletteTest, PalettePiecesKeepTheSheetsPaletteAndIndices) {
  const std::vector<std::uint8_t> rearranged = {2, 3, 0, 0, 0, 1, 4, 0, 0, 0, 2, 5};
  const std::vector<std::uint8_t> mirrored = {1, 0, 3, 2, 5, 2, 0, 4};
  const struct {
    std::string file, bytes, rule, option;
    std::vector<std::uint32_t> palette;  // as the file holds it
    std::vector<std::uint8_t> indices;
  } cases[] = {
      {"sheet.png", PngFile(Sheet(), 8), "Keep", "", Keyed(Sheet().palette, kMagenta), rearranged},
      {"sheet.png", PngFile(Sheet(), 8), "Keep", "--no-transparency", Sheet().palette, rearranged},
      {"sheet.gif", GifFile(Sheet()), "Keep", "", Keyed(Padded(8), kMagenta), rearranged},
      {"sheet.bmp", BmpFile(Sheet(), 8), "Keep", "", Keyed(Padded(256), kMagenta), rearranged},
      {"sheet.bmp", BmpFile(Sheet(), 4), "Keep", "--no-transparency", Padded(16), rearranged},
      {"sheet.png", PngFile(Sheet(), 4), "Cells", "", Keyed(Sheet().palette, kMagenta), mirrored},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file + " " + c.rule + " " + c.option);
    WriteFile(folder / c.file, c.bytes);
    std::vector<std::string> arguments = {"--rule", c.rule, c.file};
    if (!c.option.empty()) arguments.insert(arguments.begin(), c.option);
    ProgramResult run = Vomarin(arguments);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.find(kPaletteNotKept), std::string::npos);
    const std::string base = BaseName(c.file);
    const std::string written =
        Output(base, "[V]" + base + "_" + (c.rule == "Keep" ? "k" : "c") + ".png");
    ASSERT_GT(written.size(), 26u);
    EXPECT_EQ(written.substr(24, 2), std::string("\x08\x03", 2));  // 8 bits, palette
    const IndexedPicture kept = ReadIndexedPngFile(written);
    EXPECT_EQ(kept.palette, c.palette);
    EXPECT_EQ(kept.indices, c.indices);

    // The same pixels as without the key, but for the blank slot: index 0.
    if (c.rule != "Keep") continue;
    arguments[arguments.size() - 2] = "Plain";
    run = Vomarin(arguments);
    Picture plain = ReadPngFile(Output(base, "[V]" + base + "_p.png"));
    for (std::size_t i = 0; i < plain.pixels.size(); ++i) {
      if (kept.indices[i] == 0 && plain.pixels[i] == 0) plain.pixels[i] = c.palette[0];
    }
    EXPECT_EQ(Shown(kept.Expanded().pixels), Shown(plain.pixels));
  }
}

TEST_F(KeepPaletteTest, PiecesWithoutIndicesAreWrittenAsBeforeWithOneNotice) {
  const Picture colours = Sheet().Expanded();
  WriteFile(folder / "colour.png", PngFile(colours, false));
  WriteFile(folder / "sheet.png", PngFile(Sheet(), 8));

  // A truecolour sheet, its pieces written by two rules that keep the
  // palette: one notice for the file.
  ProgramResult run = Vomarin({"--rule", "Twice", "colour.png"});
  EXPECT_EQ(run.status, 0) << run.err;
  const std::size_t notice = run.out.find(kPaletteNotKept);
  EXPECT_NE(notice, std::string::npos) << run.out;
  EXPECT_EQ(run.out.find(kPaletteNotKept, notice + 1), std::string::npos) << run.out;
  const std::string keep = Output("colour", "[V]colour_k.png");
  const std::string twice = Output("colour", "[V]colour_t.png");
  EXPECT_EQ(keep.substr(24, 2), std::string("\x08\x06", 2));  // 8 bits, RGBA, as before
  EXPECT_EQ(ReadPngFile(twice).pixels, colours.pixels);
  run = Vomarin({"--rule", "Plain", "colour.png"});
  EXPECT_EQ(ReadPngFile(keep).pixels, ReadPngFile(Output("colour", "[V]colour_p.png")).pixels);

  // Cells returned by a rule that does not keep the palette.
  run = Vomarin({"--rule", "CellsPlain", "sheet.png"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find(kPaletteNotKept), std::string::npos) << run.out;
  const std::string cells = Output("sheet", "[V]sheet_c.png");
  EXPECT_EQ(cells.substr(24, 2), std::string("\x08\x06", 2));
  EXPECT_EQ(ReadPngFile(cells).At(0, 0), kRed);
}

TEST_F(KeepPaletteTest, AValueOtherThanZeroOrOneRefusesTheRule) {
  WriteFile(folder / "sheet.png", PngFile(Sheet(), 8));
  const ProgramResult run = Vomarin({"--rule", "Wrong", "sheet.png"});
  EXPECT_NE(
      run.out.find("[その他]\n [Wrong] KeepPaletteの値「yes」は0か1にして下さい - sheet.png\n"),
      std::string::npos)
      << run.out;
  EXPECT_EQ(run.status, 1);
  EXPECT_FALSE(FolderExists(folder / "sheet"));
}

}  // namespace
