// The mosaikon command line from end to end: the program of this build is
// run on sheets the test writes, and the file it writes is read back. Both
// builds expect the same pixels, down to one fingerprint of them.
#include <gtest/gtest.h>

#include "support/files.h"
#include "support/image_files.h"
#include "support/run_program.h"

namespace {

ProgramRun Mosaikon(const std::vector<std::string>& arguments) {
  return RunProgram(MOSAIKON_PROGRAM, arguments);
}

// Opaque pixels that tell sheet, column and row apart.
Picture Sheet(int sheet, int width, int height) {
  Picture picture{width, height, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      picture.pixels.push_back(0xFF000000u | static_cast<std::uint32_t>(sheet) << 18 |
                               static_cast<std::uint32_t>(x) << 9 | static_cast<std::uint32_t>(y));
    }
  }
  return picture;
}

// FNV-1a over the pixels, every fully transparent one counted as 0.
std::uint64_t Fingerprint(const Picture& picture) {
  std::uint64_t hash = 14695981039346656037ull;
  for (std::uint32_t pixel : picture.pixels) {
    if (pixel >> 24 == 0) pixel = 0;
    for (int shift = 0; shift < 32; shift += 8) {
      hash = (hash ^ ((pixel >> shift) & 0xFF)) * 1099511628211ull;
    }
  }
  return hash;
}

class MosaikonCommand : public testing::Test {
 protected:
  void SetUp() override {
    WriteFile(folder / "one.png", PngFile(Sheet(1, 256, 512), true));
    WriteFile(folder / "two.png", PngFile(Sheet(2, 512, 256), true));
    // A 128 x 128 palette sheet whose entry 0, magenta, is its background.
    IndexedPicture three{128, 128, {0xFFFF00FF, 0xFF3366CC}, {}};
    for (int y = 0; y < 128; ++y) {
      for (int x = 0; x < 128; ++x) three.indices.push_back(x < 64 && y < 64 ? 1 : 0);
    }
    WriteFile(folder / "three.png", PngFile(three, 8));
  }

  std::vector<std::string> Sheets() const {
    return {folder / "one.png", folder / "two.png", folder / "three.png"};
  }

  TempFolder folder;
};

TEST_F(MosaikonCommand, WritesTheCombinedSheetAtEitherWidth) {
  std::vector<std::string> arguments = {"--width", "256", "-o", folder / "wide.png"};
  for (const std::string& sheet : Sheets()) arguments.push_back(sheet);
  const ProgramRun wide = Mosaikon(arguments);
  EXPECT_EQ(wide.status, 0) << wide.output;
  EXPECT_EQ(wide.output, "");
  const Picture widePicture = ReadPngFile(ReadFile(folder / "wide.png"));
  ASSERT_EQ(widePicture.width, 256);
  ASSERT_EQ(widePicture.height, 1152);
  EXPECT_EQ(widePicture.At(255, 511), Sheet(1, 256, 512).At(255, 511));
  EXPECT_EQ(widePicture.At(0, 768), Sheet(2, 512, 256).At(256, 0));
  EXPECT_EQ(widePicture.At(63, 1024 + 63), 0xFF3366CCu);
  EXPECT_EQ(widePicture.At(64, 1024) >> 24, 0u);   // palette entry 0
  EXPECT_EQ(widePicture.At(200, 1024) >> 24, 0u);  // beside a narrower sheet
  EXPECT_EQ(Fingerprint(widePicture), 0x90644d3638301b25ull);

  // The width defaults to 128, as the window starts.
  arguments = {"-o", folder / "narrow.png"};
  for (const std::string& sheet : Sheets()) arguments.push_back(sheet);
  const ProgramRun narrow = Mosaikon(arguments);
  EXPECT_EQ(narrow.status, 0) << narrow.output;
  const Picture narrowPicture = ReadPngFile(ReadFile(folder / "narrow.png"));
  ASSERT_EQ(narrowPicture.width, 128);
  ASSERT_EQ(narrowPicture.height, 2176);
  EXPECT_EQ(narrowPicture.At(0, 512), Sheet(1, 256, 512).At(128, 0));
  EXPECT_EQ(narrowPicture.At(127, 2047), Sheet(2, 512, 256).At(511, 255));
  EXPECT_EQ(Fingerprint(narrowPicture), 0xb3f7b3c1fb9c1b25ull);
}

TEST_F(MosaikonCommand, FailsNamingTheSheetOrFileThatDidNotWork) {
  WriteFile(folder / "notes.txt", "no image");
  const ProgramRun unreadable =
      Mosaikon({"-o", folder / "out.png", folder / "one.png", folder / "notes.txt"});
  EXPECT_EQ(unreadable.status, 1);
  EXPECT_NE(unreadable.output.find(folder / "notes.txt"), std::string::npos) << unreadable.output;
  EXPECT_NE(unreadable.output.find("無効なファイル"), std::string::npos) << unreadable.output;
  EXPECT_FALSE(FileExists(folder / "out.png"));

  // A file in a folder that does not exist.
  const std::string nowhere = (folder / "missing") + (folder / "out.png").substr(folder.Path().size());
  const ProgramRun unwritable = Mosaikon({"-o", nowhere, folder / "one.png"});
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_NE(unwritable.output.find(nowhere), std::string::npos) << unwritable.output;
}

TEST_F(MosaikonCommand, RefusesWrongArgumentsAndAnswersHelpAndVersion) {
  const std::string out = folder / "out.png";
  const std::string sheet = folder / "one.png";
  const std::vector<std::vector<std::string>> wrong = {
      {sheet},                                   // no output
      {"-o", out},                               // no sheets
      {"--width", "512", "-o", out, sheet},      // no such width
      {"--width"},                               // width missing
      {"-o", out, "--scale", "2", sheet},        // unknown option
      {"-o", out, "-o", folder / "b.png", sheet} // two outputs
  };
  for (const auto& arguments : wrong) {
    const ProgramRun run = Mosaikon(arguments);
    EXPECT_EQ(run.status, 2) << arguments.size() << " arguments: " << run.output;
    EXPECT_NE(run.output.find("mosaikon [--width 128|256] -o"), std::string::npos);
  }
  EXPECT_FALSE(FileExists(out));

  const ProgramRun help = Mosaikon({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.output.find("既定: 128"), std::string::npos) << help.output;
  const ProgramRun version = Mosaikon({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.output.rfind("mosaikon 1.0.0.0", 0), 0u) << version.output;
}

}  // namespace
