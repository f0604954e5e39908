#include <gtest/gtest.h>

#include "common/program_options.h"
#include "support/files.h"

namespace {

std::string Boxes(const ProgramOptions& o) {
  return std::string(o.chooseTransparency ? "T" : "-") + (o.combineMaps ? "C" : "-") +
         (o.writeIndexTable ? "I" : "-") + (o.writeTilesets ? "W" : "") +
         (o.hasLanguage ? (o.language == Language::English ? "en" : "ja") : "");
}

TEST(ProgramOptions, ReadsWhatItUnderstandsAndDefaultsTheRest) {
  const struct {
    const char* bytes;
    const char* expected;
  } cases[] = {
      {"", "---"},
      {"ChooseTransparency=1\nCombineMaps=1\nWriteIndexTable=1\nLanguage=en\n", "TCIen"},
      {"WriteIndexTable=1\r\nLanguage=ja\r\n", "--Ija"},
      {"WriteTilesets=1\nCombineMaps=1\n", "-C-W"},
      {"WriteTilesets=2\n", "---"},
      // Damage: values, keys and bytes that mean nothing leave the defaults.
      {"ChooseTransparency=yes\nCombineMaps=\nLanguage=fr\n", "---"},
      {"\xff\xfe\x00garbage\nWriteIndexTable", "---"},
      {"CombineMaps=1\n\x81\x40=1\nwriteindextable=1\n", "-C-"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Boxes(ParseProgramOptions(std::string(c.bytes))), c.expected) << c.bytes;
  }
}

TEST(ProgramOptions, SurviveTheRoundTripThroughTheFile) {
  TempFolder folder;
  const std::string path = folder / kProgramOptionsFileName;
  EXPECT_EQ(Boxes(ReadProgramOptions(path)), "---");  // missing file
  ProgramOptions options;
  options.combineMaps = true;
  options.writeIndexTable = true;
  options.hasLanguage = true;
  options.language = Language::English;
  ASSERT_TRUE(WriteProgramOptions(path, options));
  EXPECT_EQ(ReadFile(path),
            "ChooseTransparency=0\nCombineMaps=1\nWriteIndexTable=1\nLanguage=en\n");
  EXPECT_EQ(Boxes(ReadProgramOptions(path)), "-CIen");
  // A folder where the file should be cannot be written and changes nothing.
  EXPECT_FALSE(WriteProgramOptions(folder.Path(), options));
  // The tileset box has its line only when it is ticked, so that a file of
  // the boxes before it stays as it was.
  options.writeTilesets = true;
  ASSERT_TRUE(WriteProgramOptions(path, options));
  EXPECT_EQ(ReadFile(path),
            "ChooseTransparency=0\nCombineMaps=1\nWriteIndexTable=1\nWriteTilesets=1\n"
            "Language=en\n");
  EXPECT_EQ(Boxes(ReadProgramOptions(path)), "-CIWen");
}

}  // namespace
