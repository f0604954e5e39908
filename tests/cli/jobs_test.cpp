// vomarin --jobs end to end: whatever the number of jobs, a batch prints the
// same text on both streams, ends with the same status and leaves the same
// files, byte for byte.
#include <gtest/gtest.h>

#include <map>

#include "common/path.h"
#include "support/files.h"
#include "support/image_files.h"
#include "support/program.h"

namespace {

const std::string kSep(1, kPathSeparator);

// Swap writes two pieces and runs a follow-on rule into the same folder;
// Strip writes three; Lost fails on the error channel; all of Swap's
// outputs go to the combiner's group.
constexpr char kRules[] =
    "[Process]\n"
    "8,8=Swap\n"
    "6,2=Strip\n"
    "4,4=Lost\n"
    "default=何もしない\n"
    "[Swap]\nSrcDiv=2,2\nReplace=3,2,1,0\nNewSize=16,4\nFileDiv=2,1\nSubProcess=Copy\n"
    "Group=Maps\n"
    "[Copy]\nNameFoot=_c\nReplace=0\n"
    "[Strip]\nSrcDiv=3,1\nReplace=2,1,0\nFileDiv=3,1\n"
    "[Lost]\nIndividual=Missing\n";

// A palette sheet of the size whose pixels depend on seed.
std::string Sheet(int width, int height, int seed) {
  IndexedPicture picture;
  picture.width = width;
  picture.height = height;
  picture.palette = {0xFFFF00FF, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00};
  for (int i = 0; i < width * height; ++i)
    picture.indices.push_back(static_cast<std::uint8_t>((i * 7 + seed * 3 + i / width) % 5));
  return PngFile(picture, 8);
}

// A batch in folder: sheets of every rule, some in a subfolder, and three
// that write into one output folder ("same"), the last one's pieces
// overwriting the others'.
std::vector<std::string> WriteBatch(const TempFolder& folder) {
  WriteRuleFile(folder / "setting.ini", kRules);
  MakeFolder(folder / "sub");
  std::vector<std::string> names;
  for (int i = 0; i < 12; ++i) {
    const std::string name =
        (i % 3 == 0 ? "sub" + kSep : std::string()) + "sheet" + std::to_string(i) + ".png";
    const int kind = i % 4;
    WriteFile(folder / name, kind == 3   ? Sheet(4, 4, i)
                             : kind == 2 ? Sheet(6, 2, i)
                                         : Sheet(8, 8, i));
    names.push_back(name);
  }
  IndexedPicture other;
  other.width = 8;
  other.height = 8;
  other.palette = {0xFF000000, 0xFFFFFFFF};
  for (int i = 0; i < 64; ++i) other.indices.push_back(static_cast<std::uint8_t>(i % 3 == 0));
  WriteFile(folder / "same.png", Sheet(8, 8, 99));
  WriteFile(folder / "same.bmp", BmpFile(other, 8));
  WriteFile(folder / "same.gif", GifFile(other));
  WriteFile(folder / "leave.png", Sheet(3, 3, 0));
  for (const char* name : {"same.png", "leave.png", "same.bmp", "same.gif"}) names.push_back(name);
  return names;
}

// Every file under folder by its path relative to it, with its bytes.
void Snapshot(const std::string& folder, const std::string& prefix,
              std::map<std::string, std::string>& files) {
  for (const std::string& name : ListFolder(folder)) {
    const std::string path = folder + kSep + name;
    if (FolderExists(path)) {
      Snapshot(path, prefix + name + "/", files);
    } else {
      files[prefix + name] = ReadFile(path);
    }
  }
}

// text with every mention of folder replaced, so that runs in two folders
// compare.
std::string Relative(std::string text, const std::string& folder) {
  for (auto at = text.find(folder); at != std::string::npos; at = text.find(folder, at))
    text.replace(at, folder.size(), "<folder>");
  return text;
}

TEST(VomarinJobs, AnyNumberOfJobsGivesTheOutputAndFilesOfOne) {
  TempFolder one;
  const std::vector<std::string> names = WriteBatch(one);
  std::vector<std::string> arguments = {"--combine", "combined", "--jobs", "1"};
  arguments.insert(arguments.end(), names.begin(), names.end());
  const ProgramResult expected =
      RunProgram(ProgramOfTheBuild(VOMARIN_PROGRAM), arguments, one.Path());
  std::map<std::string, std::string> expectedFiles;
  Snapshot(one.Path(), "", expectedFiles);

  // The batch did all it can do: pieces, errors, a folder written thrice.
  EXPECT_EQ(expected.status, 1);
  EXPECT_NE(expected.err.find("規則[Missing]を使えません"), std::string::npos) << expected.err;
  EXPECT_TRUE(expectedFiles.count("same/[V]same00.png"));
  EXPECT_TRUE(expectedFiles.count("sub/sheet0/[V]sheet0_c.png"));
  EXPECT_TRUE(expectedFiles.count("combined/Maps.png"));

  for (const std::string jobs : {"--jobs=4", "--jobs=2", "--jobs=64", ""}) {
    TempFolder many;
    WriteBatch(many);
    arguments = {"--combine", "combined"};
    if (!jobs.empty()) arguments.push_back(jobs);
    arguments.insert(arguments.end(), names.begin(), names.end());
    const ProgramResult run =
        RunProgram(ProgramOfTheBuild(VOMARIN_PROGRAM), arguments, many.Path());
    EXPECT_EQ(run.status, expected.status) << jobs;
    EXPECT_EQ(Relative(run.out, many.Path()), Relative(expected.out, one.Path())) << jobs;
    EXPECT_EQ(Relative(run.err, many.Path()), Relative(expected.err, one.Path())) << jobs;
    std::map<std::string, std::string> files;
    Snapshot(many.Path(), "", files);
    EXPECT_EQ(files, expectedFiles) << jobs;
  }
}

TEST(VomarinJobs, AFileInAnotherFilesOutputFolderIsReadAsItWasBeforeTheRun) {
  // "[V]a00.png" alone, as a reference.
  TempFolder alone;
  WriteRuleFile(alone / "setting.ini", kRules);
  WriteFile(alone / "[V]a00.png", Sheet(8, 8, 2));
  ASSERT_EQ(RunProgram(ProgramOfTheBuild(VOMARIN_PROGRAM), {"[V]a00.png"}, alone.Path()).status, 0);
  const std::string expected = ReadFile(alone / "[V]a00" + kSep + "[V][V]a0000.png");
  ASSERT_FALSE(expected.empty());

  // The same file left by an earlier run of a.png, which this run writes
  // again before it is its turn (on Windows, where a decoded file stays open
  // until its image is keyed, it cannot: the status says so, whatever the
  // number of jobs).
  std::vector<int> statuses;
  for (const char* jobs : {"--jobs=1", "--jobs=4"}) {
    TempFolder folder;
    WriteRuleFile(folder / "setting.ini", kRules);
    WriteFile(folder / "a.png", Sheet(8, 8, 1));
    MakeFolder(folder / "a");
    const std::string earlier = "a" + kSep + "[V]a00.png";
    WriteFile(folder / earlier, Sheet(8, 8, 2));
    const ProgramResult run =
        RunProgram(ProgramOfTheBuild(VOMARIN_PROGRAM), {jobs, "a.png", earlier}, folder.Path());
    statuses.push_back(run.status);
    EXPECT_EQ(ReadFile(folder / "a" + kSep + "[V]a00" + kSep + "[V][V]a0000.png"), expected)
        << jobs << run.err;
  }
  EXPECT_EQ(statuses[0], statuses[1]);
}

TEST(VomarinJobs, ANumberOfJobsOutsideOneToSixtyFourIsAUsageError) {
  TempFolder folder;
  WriteRuleFile(folder / "setting.ini", kRules);
  WriteFile(folder / "sheet.png", Sheet(8, 8, 0));
  for (const std::string value : {"0", "-1", "65", "99999999999999999999", "two", "", "3x", "+2"}) {
    const ProgramResult run = RunProgram(ProgramOfTheBuild(VOMARIN_PROGRAM),
                                         {"--jobs", value, "sheet.png"}, folder.Path());
    EXPECT_EQ(run.status, 2) << value;
    EXPECT_EQ(run.err, "vomarin: --jobsには1から64までの数を指定してください: " + value +
                           "\n詳しくは vomarin --help を見て下さい\n");
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(FolderExists(folder / "sheet"));
  }
}

}  // namespace
