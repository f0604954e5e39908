// vomarin --index-table end to end: the table beside the pieces says where
// every slot landed, checked against the pixels of the pieces written.
#include <gtest/gtest.h>

#include <sstream>

#include "common/path.h"
#include "support/files.h"
#include "support/image_files.h"
#include "support/program.h"

namespace {

const std::string kSep(1, kPathSeparator);

// 10 x 4, opaque, every pixel of its own colour.
Picture Sheet() {
  Picture sheet{10, 4, {}};
  for (int y = 0; y < sheet.height; ++y) {
    for (int x = 0; x < sheet.width; ++x)
      sheet.pixels.push_back(0xFF000000u | static_cast<std::uint32_t>(x * 20) << 16 |
                             static_cast<std::uint32_t>(y * 50) << 8 | 0x33);
  }
  return sheet;
}

// T: cells of 2 x 2 from a clipped area (x from 2), a blank and a slot past
// the end of Replace, two pieces whose boundary cuts the middle column of
// slots. Its follow-on rule S: cells changed by an Individual rule, three
// pieces that leave the last slot in a strip that no piece holds.
constexpr char kRules[] =
    "[T]\nClip=2,0,8,4\nSrcDiv=4,2\nNewSize=6,4\nReplace=5,-1,2,7,0\nFileDiv=2,1\n"
    "NameFoot=_t\nSubProcess=S\n"
    "[S]\nSrcDiv=5,2\nNewSize=8,2\nReplace=9,8,7,6\nFileDiv=3,1\nNameFoot=_s\nIndividual=Flip\n"
    "[Flip]\nSrcDiv=2,1\nReplace=1,0\n"
    "[地面]\nSrcDiv=2,1\nReplace=1\nNameFoot=_地\n";

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> fields;
  std::string field;
  std::istringstream stream(text);
  while (std::getline(stream, field, separator)) fields.push_back(field);
  if (!text.empty() && text.back() == separator) fields.push_back("");
  return fields;
}

class IndexTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteRuleFile(folder / "setting.ini", kRules);
    WriteFile(folder / "sheet.png", PngFile(Sheet(), true));
  }

  ProgramResult Vomarin(const std::vector<std::string>& arguments) {
    return RunProgram(ProgramOfTheBuild(VOMARIN_PROGRAM), arguments, folder.Path());
  }

  std::string Output(const std::string& name) { return ReadFile(folder / ("sheet" + kSep + name)); }

  TempFolder folder;
};

TEST_F(IndexTableTest, EveryLineSaysWhereItsPartOfASlotLandedAndWhereItCameFrom) {
  const ProgramResult run = Vomarin({"--index-table", "--rule", "T", "sheet.png"});
  ASSERT_EQ(run.status, 0) << run.err;
  // Listed like the pieces, after them.
  EXPECT_NE(run.out.find(">sheet" + kSep + "[V]sheet_t01.png\n>sheet" + kSep + "[V]sheet_t.csv\n"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find(">sheet" + kSep + "[V]sheet_s02.png\n>sheet" + kSep + "[V]sheet_s.csv\n"),
            std::string::npos)
      << run.out;

  // Row by row over the slots; the blank slot 1 and the slot 4 of cell 0 are
  // cut at x = 3; slot 5 is past the end of Replace.
  const std::string table = Output("[V]sheet_t.csv");
  EXPECT_EQ(table,
            "piece,x,y,width,height,cell,source_x,source_y\n"
            "[V]sheet_t00.png,0,0,2,2,5,4,2\n"
            "[V]sheet_t00.png,2,0,1,2,-1,,\n"
            "[V]sheet_t01.png,0,0,1,2,-1,,\n"
            "[V]sheet_t01.png,1,0,2,2,2,6,0\n"
            "[V]sheet_t00.png,0,2,2,2,7,8,2\n"
            "[V]sheet_t00.png,2,2,1,2,0,2,0\n"
            "[V]sheet_t01.png,0,2,1,2,0,3,0\n"
            "[V]sheet_t01.png,1,2,2,2,-1,,\n");

  // Every line against the pieces: the source's pixels, or transparent.
  const Picture sheet = Sheet();
  std::vector<std::string> lines = Split(table, '\n');
  lines.erase(lines.begin());
  lines.pop_back();  // after the last line feed
  std::vector<std::vector<bool>> covered(2, std::vector<bool>(12, false));
  for (const std::string& line : lines) {
    SCOPED_TRACE(line);
    const std::vector<std::string> field = Split(line, ',');
    ASSERT_EQ(field.size(), 8u);
    const Picture piece = ReadPngFile(Output(field[0]));
    const int x = std::stoi(field[1]), y = std::stoi(field[2]);
    const int width = std::stoi(field[3]), height = std::stoi(field[4]);
    ASSERT_LE(x + width, piece.width);
    ASSERT_LE(y + height, piece.height);
    for (int dy = 0; dy < height; ++dy) {
      for (int dx = 0; dx < width; ++dx) {
        covered[field[0] == "[V]sheet_t01.png"][static_cast<std::size_t>((y + dy) * 3 + x + dx)] =
            true;
        if (field[5] == "-1") {
          EXPECT_TRUE(field[6].empty() && field[7].empty());
          EXPECT_EQ(piece.At(x + dx, y + dy) >> 24, 0u);
        } else {
          EXPECT_EQ(piece.At(x + dx, y + dy),
                    sheet.At(std::stoi(field[6]) + dx, std::stoi(field[7]) + dy));
        }
      }
    }
  }
  // Together the lines cover both pieces, each pixel once.
  for (const auto& piece : covered) EXPECT_EQ(piece, std::vector<bool>(12, true));

  // The follow-on rule's own table: an Individual rule changed the cells, so
  // each slot names its cell's top-left; the last slot is in no piece.
  EXPECT_EQ(Output("[V]sheet_s.csv"),
            "piece,x,y,width,height,cell,source_x,source_y\n"
            "[V]sheet_s00.png,0,0,2,2,9,8,2\n"
            "[V]sheet_s01.png,0,0,2,2,8,6,2\n"
            "[V]sheet_s02.png,0,0,2,2,7,4,2\n");
}

TEST_F(IndexTableTest, OnlyOnRequestAndATableThatCannotBeWrittenIsAnError) {
  ProgramResult run = Vomarin({"--rule", "T", "sheet.png"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.find(".csv"), std::string::npos) << run.out;
  EXPECT_EQ(ListFolder(folder / "sheet"),
            (std::vector<std::string>{"[V]sheet_s00.png", "[V]sheet_s01.png", "[V]sheet_s02.png",
                                      "[V]sheet_t00.png", "[V]sheet_t01.png"}));

  // A folder where the table should go: the pieces are written, the table
  // is reported like a piece that could not be saved, and the file counts
  // as not converted.
  MakeFolder(folder / ("sheet" + kSep + "[V]sheet_t.csv"));
  run = Vomarin({"--index-table", "--rule", "T", "sheet.png"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, ">保存できませんでした:" + (folder / ("sheet" + kSep + "[V]sheet_t.csv")) +
                         "（同じ名前のフォルダがあります）" + "\n");
  EXPECT_TRUE(FolderExists(folder / ("sheet" + kSep + "[V]sheet_t.csv")));
  EXPECT_TRUE(FileExists(folder / ("sheet" + kSep + "[V]sheet_s.csv")));
  // No temporary file is left behind.
  EXPECT_EQ(ListFolder(folder / "sheet").size(), 7u);
}

TEST_F(IndexTableTest, JapaneseNamesInTheBuildsEncoding) {
  WriteFile(folder / "地図.png", PngFile(Sheet(), true));
  const ProgramResult run = Vomarin({"--index-table", "--rule", "地面", "地図.png"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find(">地図" + kSep + "[V]地図_地.csv\n"), std::string::npos) << run.out;
  EXPECT_EQ(ReadFile(folder / ("地図" + kSep + "[V]地図_地.csv")),
            "piece,x,y,width,height,cell,source_x,source_y\n"
            "[V]地図_地.png,0,0,5,4,1,5,0\n"
            "[V]地図_地.png,5,0,5,4,-1,,\n");
}

}  // namespace
