// Files written through a temporary file beside them: the target changes
// only when all of it is written, the temporary file is hidden while it
// lives on Windows, and what ended runs left behind is cleared by the next.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "common/file_replacement.h"
#include "common/path.h"
#include "support/files.h"
#include "support/program.h"

#ifdef _WIN32
#include <windows.h>

#include "common/wide_win32.h"
#endif

namespace {

const std::string kSep(1, kPathSeparator);

TEST(FileReplacementTest, TheTargetChangesOnlyWhenAllIsWritten) {
  TempFolder folder;
  const std::string target = folder / "a.txt";
  WriteFile(target, "before");
  EXPECT_EQ(WriteFileReplacing(target,
                               [](std::FILE* file) {
                                 std::fputs("half", file);
                                 return false;  // the content could not be made
                               })
                .failure,
            FileFailure::kNoSystemReason);
  EXPECT_EQ(ReadFile(target), "before");
  EXPECT_TRUE(
      WriteFileReplacing(target, [](std::FILE* file) { return std::fputs("after", file) >= 0; }));
  EXPECT_EQ(ReadFile(target), "after");
  EXPECT_EQ(ListFolder(folder.Path()), std::vector<std::string>{"a.txt"});

  const FileResult missing =
      WriteFileReplacing(folder / ("none" + kSep + "a.txt"), [](std::FILE*) { return true; });
  EXPECT_EQ(missing.failure, FileFailure::kFolderMissing);
}

#ifdef _WIN32
TEST(FileReplacementTest, TheTemporaryFileIsHiddenAndTheTargetIsNot) {
  TempFolder folder;
  const std::string target = folder / "한글.png";  // a name Shift-JIS cannot hold
  FileReplacement replacement(target);
  ASSERT_TRUE(replacement.Created());
  EXPECT_TRUE(GetFileAttributesW(Wide(replacement.TemporaryPath()).c_str()) &
              FILE_ATTRIBUTE_HIDDEN);
  ASSERT_TRUE(replacement.Commit());
  EXPECT_FALSE(GetFileAttributesW(Wide(target).c_str()) & FILE_ATTRIBUTE_HIDDEN);
}
#endif

TEST(FileReplacementTest, TheFirstWriteIntoAFolderClearsWhatEndedRunsLeft) {
  TempFolder folder;
  // Names that Shift-JIS cannot hold are read and removed as well.
  const std::string target = "한글.png";
  const unsigned long ended = EndedProcess();
  ASSERT_NE(ended, 0u);
  const std::string left = TemporaryFileName(target, ended, 0);
  const std::string living = TemporaryFileName(target, ThisProcess(), 999999);
  for (const std::string& name : {left, living, "." + target + ".tmp", std::string("b.png")}) {
    WriteFile(folder / name, "x");
  }
  ASSERT_TRUE(WriteFileReplacing(folder / target, [](std::FILE*) { return true; }));
  std::vector<std::string> expected = {living, "." + target + ".tmp", target, "b.png"};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(ListFolder(folder.Path()), expected);

  // The folder is read once in a process: a later write does not look again.
  WriteFile(folder / left, "x");
  ASSERT_TRUE(WriteFileReplacing(folder / target, [](std::FILE*) { return true; }));
  EXPECT_TRUE(FileExists(folder / left));
}

}  // namespace
