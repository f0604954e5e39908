// The converter where the system refuses a file: a full disk, a read-only
// disk, a name too long. Each failure is said with its reason, and nothing
// is written or lost. And a run clears the temporary files that killed runs
// left, never a file of anyone else. Disks of a given size and kind are
// small tmpfs mounts, which need the rights to mount; without them the
// tests say so and are skipped.
#include <gtest/gtest.h>
#include <sys/mount.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <random>

#include "common/file_replacement.h"
#include "common/path.h"
#include "support/files.h"
#include "support/image_files.h"
#include "support/program.h"

namespace {

const std::string kSep(1, kPathSeparator);
const char kRules[] = "[Process]\ndefault=Copy\n[Copy]\nReplace=0\n";

// A tmpfs of size bytes on a new folder, gone with the object.
class SmallDisk {
 public:
  SmallDisk(const std::string& path, const std::string& size) : path(path) {
    MakeFolder(path);
    const std::string options = "size=" + size + ",mode=0777";
    if (mount("tmpfs", path.c_str(), "tmpfs", 0, options.c_str()) == 0) {
      mounted = true;
    } else {
      refusal = std::strerror(errno);
    }
  }
  ~SmallDisk() {
    if (mounted) umount2(path.c_str(), MNT_DETACH);
  }
  SmallDisk(const SmallDisk&) = delete;
  SmallDisk& operator=(const SmallDisk&) = delete;

  bool Mounted() const { return mounted; }
  const std::string& Refusal() const { return refusal; }
  bool MakeReadOnly() {
    return mount("tmpfs", path.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
  }

 private:
  std::string path;
  bool mounted = false;
  std::string refusal;
};

// A PNG that does not compress: about 4 bytes a pixel.
std::string NoiseSheet(int width, int height) {
  Picture picture{width, height, {}};
  std::mt19937 random(7);
  for (int i = 0; i < width * height; ++i) picture.pixels.push_back(random() | 0xFF000000u);
  return PngFile(picture, true);
}

class FileFailureTest : public ::testing::Test {
 protected:
  ProgramResult Vomarin(const std::string& in, const std::vector<std::string>& arguments) {
    return RunProgram(ProgramOfTheBuild(VOMARIN_PROGRAM), arguments, in);
  }

  TempFolder folder;
};

#define SKIP_UNLESS_MOUNTED(disk) \
  if (!(disk).Mounted()) GTEST_SKIP() << "cannot mount a tmpfs here: " << (disk).Refusal()

TEST_F(FileFailureTest, AFullDiskIsSaidAndTheEarlierOutputStays) {
  const std::string maps = folder / "maps";
  SmallDisk disk(maps, "96k");
  SKIP_UNLESS_MOUNTED(disk);
  WriteFile(maps + kSep + "setting.ini", kRules);
  WriteFile(maps + kSep + "sheet.png", NoiseSheet(128, 128));  // some 64 kB of the 96
  MakeFolder(maps + kSep + "sheet");
  const std::string output = maps + kSep + "sheet" + kSep + "[V]sheet.png";
  WriteFile(output, "an earlier output");

  const ProgramResult run = Vomarin(maps, {"sheet.png"});
  EXPECT_EQ(run.err, ">保存できませんでした:" + output + "（ディスクがいっぱいです）\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(ReadFile(output), "an earlier output");
  EXPECT_EQ(ListFolder(maps + kSep + "sheet"), std::vector<std::string>{"[V]sheet.png"});
}

TEST_F(FileFailureTest, AReadOnlyDiskIsSaidEvenToTheAdministrator) {
  const std::string maps = folder / "maps";
  SmallDisk disk(maps, "1m");
  SKIP_UNLESS_MOUNTED(disk);
  WriteFile(maps + kSep + "setting.ini", kRules);
  WriteFile(maps + kSep + "sheet.png", NoiseSheet(8, 8));
  WriteFile(maps + kSep + "new.png", NoiseSheet(8, 8));
  MakeFolder(maps + kSep + "sheet");
  const std::string output = maps + kSep + "sheet" + kSep + "[V]sheet.png";
  WriteFile(output, "an earlier output");
  ASSERT_TRUE(disk.MakeReadOnly());

  // Into the existing folder the piece cannot be saved (a line of the
  // file's log); a new folder cannot be made (a notice).
  const ProgramResult run = Vomarin(maps, {"sheet.png", "new.png"});
  EXPECT_EQ(run.err, ">保存できませんでした:" + output + "（読み取り専用です）\n" + ":" + maps +
                         kSep + "new（読み取り専用です）\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(ReadFile(output), "an earlier output");
  EXPECT_EQ(ListFolder(maps),
            (std::vector<std::string>{"new.png", "setting.ini", "sheet", "sheet.png"}));
}

TEST_F(FileFailureTest, ANameTooLongForTheSystemIsSaid) {
  WriteFile(folder / "setting.ini", kRules);
  // 255 bytes is the longest name: the folder fits, the piece's name not.
  const std::string base(251, 'x');
  WriteFile(folder / (base + ".png"), NoiseSheet(8, 8));
  const ProgramResult run = Vomarin(folder.Path(), {base + ".png"});
  EXPECT_EQ(run.err, ">保存できませんでした:" + (folder / (base + kSep + "[V]" + base + ".png")) +
                         "（名前が長すぎます）\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(ListFolder(folder / base), std::vector<std::string>{});
}

TEST_F(FileFailureTest, ARunRemovesTheTemporaryFilesOfEndedRunsAndNothingElse) {
  WriteFile(folder / "setting.ini", kRules);
  WriteFile(folder / "sheet.png", NoiseSheet(8, 8));
  MakeFolder(folder / "sheet");
  const std::string pieces = folder / "sheet";
  const unsigned long ended = EndedProcess();
  const std::string left = TemporaryFileName("[V]sheet.png", ended, 3);
  const std::string living = TemporaryFileName("[V]sheet.png", ThisProcess(), 0);
  const std::vector<std::string> others = {
      ".[V]sheet.png.tmp",                                  // no process
      ".[V]sheet.png." + std::to_string(ended) + "-x.tmp",  // no counter
      "[V]sheet.png." + std::to_string(ended) + "-1.tmp",   // not hidden
      "notes.txt"};
  for (const std::string& name : others) WriteFile(pieces + kSep + name, "mine");
  WriteFile(pieces + kSep + left, "half a piece");
  WriteFile(pieces + kSep + living, "being written");
  MakeFolder(pieces + kSep + TemporaryFileName("folder", ended, 0));  // not a file

  const ProgramResult run = Vomarin(folder.Path(), {"sheet.png"});
  EXPECT_EQ(run.status, 0) << run.err;
  std::vector<std::string> expected = others;
  expected.push_back("[V]sheet.png");
  expected.push_back(living);
  expected.push_back(TemporaryFileName("folder", ended, 0));
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(ListFolder(pieces), expected);
  EXPECT_EQ(ReadFile(pieces + kSep + "notes.txt"), "mine");
}

TEST_F(FileFailureTest, KilledRunsFollowedByAFullRunLeaveNoTemporaryFile) {
  WriteFile(folder / "setting.ini", kRules);
  std::vector<std::string> sheets;
  const std::string sheet = NoiseSheet(96, 96);
  for (int i = 0; i < 200; ++i) {
    sheets.push_back("s" + std::to_string(i) + ".png");
    WriteFile(folder / sheets.back(), sheet);
  }
  // Killed at three moments, wherever the batch then is (a fast machine may
  // be done by the last): what any kill leaves, the full run clears.
  for (const int afterMs : {20, 60, 150}) {
    RunProgram(ProgramOfTheBuild(VOMARIN_PROGRAM), sheets, folder.Path(), "",
               std::chrono::milliseconds(afterMs));
  }
  const ProgramResult run = Vomarin(folder.Path(), sheets);
  EXPECT_EQ(run.status, 0) << run.err;
  for (const std::string& name : sheets) {
    const std::string out = folder / name.substr(0, name.size() - 4);
    EXPECT_EQ(ListFolder(out), std::vector<std::string>{"[V]" + name}) << out;
  }
}

}  // namespace
