// The mosaikon command line from end to end: the program of this build is
// run on sheets the test writes, and the file it writes is read back. Both
// builds expect the same pixels, down to one fingerprint of them.
#include <gtest/gtest.h>

#include "support/files.h"
#include "support/image_files.h"
#include "support/program.h"

namespace {

// Its standard output and error together, in the order that matters here.
struct MosaikonRun {
  int status;
  std::string output;
};

MosaikonRun Mosaikon(const std::vector<std::string>& arguments) {
  static const TempFolder folder;
  const ProgramResult result = RunProgram(ProgramOfTheBuild(MOSAIKON_PROGRAM), arguments, folder.Path());
  return {result.status, result.out + result.err};
}

// Opaque pixels that tell sheet, column and row apart.
Picture Sheet(int sheet, int width, int height) {
  Picture picture{width, height, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      picture.pixels.push_back(0xFF000000u | static_cast<std::uint32_t>(sheet << 18 | x << 9 | y));
  }
  return picture;
}

// FNV-1a over the pixels, every fully transparent one counted as 0.
std::uint64_t Fingerprint(const Picture& picture) {
  std::uint64_t hash = 14695981039346656037ull;
  for (std::uint32_t pixel : picture.pixels) {
    for (int shift = 0; shift < 32; shift += 8)
      hash = (hash ^ (((pixel >> 24 ? pixel : 0) >> shift) & 0xFF)) * 1099511628211ull;
  }
  return hash;
}

TEST(MosaikonCommand, WritesTheCombinedSheetAtEitherWidthOrNamesWhatFailed) {
  TempFolder folder;
  WriteFile(folder / "one.png", PngFile(Sheet(1, 256, 512), true));
  WriteFile(folder / "two.png", PngFile(Sheet(2, 512, 256), true));
  // 128 x 128 in palette entry 0 (magenta) but for its top-left quarter.
  IndexedPicture three{128, 128, {0xFFFF00FF, 0xFF3366CC}, {}};
  for (int i = 0; i < 128 * 128; ++i) three.indices.push_back(i % 128 < 64 && i / 128 < 64);
  WriteFile(folder / "three.png", PngFile(three, 8));
  const std::vector<std::string> sheets = {folder / "one.png", folder / "two.png",
                                           folder / "three.png"};

  struct Case {
    std::vector<std::string> width;
    int expectedWidth, expectedHeight;
    std::uint64_t fingerprint;
  };
  const Case cases[] = {{{"--width", "256"}, 256, 1152, 0x90644d3638301b25ull},
                        {{}, 128, 2176, 0xb3f7b3c1fb9c1b25ull}};  // 128 unless given
  for (const Case& c : cases) {
    std::vector<std::string> arguments = c.width;
    arguments.insert(arguments.end(), {"-o", folder / "out.png"});
    arguments.insert(arguments.end(), sheets.begin(), sheets.end());
    const MosaikonRun run = Mosaikon(arguments);
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.output, "");
    const Picture out = ReadPngFile(ReadFile(folder / "out.png"));
    ASSERT_EQ(out.width, c.expectedWidth);
    ASSERT_EQ(out.height, c.expectedHeight);
    EXPECT_EQ(out.At(0, 1024 + c.expectedHeight - 1152), 0xFF3366CCu);  // three's first row
    EXPECT_EQ(out.At(64, c.expectedHeight - 128) >> 24, 0u);            // palette entry 0
    EXPECT_EQ(Fingerprint(out), c.fingerprint);
  }

  WriteFile(folder / "notes.txt", "no image");
  const MosaikonRun unreadable =
      Mosaikon({"-o", folder / "bad.png", sheets[0], folder / "notes.txt"});
  EXPECT_EQ(unreadable.status, 1);
  EXPECT_NE(unreadable.output.find(folder / "notes.txt" + "（無効なファイル）"), std::string::npos)
      << unreadable.output;
  EXPECT_FALSE(FileExists(folder / "bad.png"));
  const std::string nowhere = folder / "missing" + "/out.png";
  const MosaikonRun unwritable = Mosaikon({"-o", nowhere, sheets[0]});
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_NE(unwritable.output.find(nowhere), std::string::npos) << unwritable.output;
}

TEST(MosaikonCommand, RefusesWrongArgumentsAndAnswersHelpAndVersion) {
  const std::vector<std::vector<std::string>> wrong = {
      {"one.png"},
      {"-o", "out.png"},
      {"--width", "512", "-o", "out.png", "one.png"},
      {"--width"},
      {"-o", "out.png", "--scale", "2", "one.png"},
      {"-o", "a.png", "-o", "b.png", "one.png"}};
  for (const auto& arguments : wrong) {
    const MosaikonRun run = Mosaikon(arguments);
    EXPECT_EQ(run.status, 2) << run.output;
    EXPECT_NE(run.output.find("mosaikon [--width 128|256] -o"), std::string::npos);
  }
  const MosaikonRun help = Mosaikon({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.output.find("既定: 128"), std::string::npos) << help.output;
  const MosaikonRun version = Mosaikon({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.output.rfind("mosaikon 1.0.0.0", 0), 0u) << version.output;
}

}  // namespace
