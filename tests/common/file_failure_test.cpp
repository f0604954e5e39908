// The reasons a file could not be opened, read, created or saved: the
// system's errors that each reason stands for, its words in both languages,
// and the names of temporary files that a later run may take for ours.
#include <gtest/gtest.h>

#include <cerrno>

#include "common/file_failure.h"
#include "common/file_replacement.h"
#include "common/messages.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

class FileFailureTest : public ::testing::Test {
 protected:
  void TearDown() override { SetLanguage(Language::Japanese); }
};

TEST_F(FileFailureTest, EachErrorOfTheSystemGivesItsReasonInBothLanguages) {
  const struct {
    FileResult result;
    const char* japanese;
    const char* english;
  } cases[] = {
      {FileResultFromErrno(ENOSPC, FileAccess::kWrite), "ディスクがいっぱいです",
       "the disk is full"},
      {FileResultFromErrno(EACCES, FileAccess::kWrite), "アクセスが許可されていません",
       "access is not permitted"},
      {FileResultFromErrno(EROFS, FileAccess::kWrite), "読み取り専用です", "it is read-only"},
      {FileResultFromErrno(ETXTBSY, FileAccess::kWrite), "他のプログラムが使用中です",
       "another program is using it"},
      {FileResultFromErrno(ENAMETOOLONG, FileAccess::kRead), "名前が長すぎます",
       "the name is too long"},
      // A missing entry is the file when it is read, a folder on the way
      // when something is made.
      {FileResultFromErrno(ENOENT, FileAccess::kRead), "ファイルがありません",
       "the file does not exist"},
      {FileResultFromErrno(ENOENT, FileAccess::kWrite), "フォルダがありません",
       "the folder does not exist"},
      {FileResultFromErrno(ENOTDIR, FileAccess::kRead), "フォルダがありません",
       "the folder does not exist"},
      {FileResultFromErrno(EISDIR, FileAccess::kWrite), "同じ名前のフォルダがあります",
       "a folder of that name is in the way"},
      {FileResultFromErrno(EIO, FileAccess::kWrite), "システムのエラー 5", "system error 5"},
#ifdef _WIN32
      {FileResultFromWindowsError(ERROR_DISK_FULL), "ディスクがいっぱいです", "the disk is full"},
      {FileResultFromWindowsError(ERROR_HANDLE_DISK_FULL), "ディスクがいっぱいです",
       "the disk is full"},
      {FileResultFromWindowsError(ERROR_ACCESS_DENIED), "アクセスが許可されていません",
       "access is not permitted"},
      {FileResultFromWindowsError(ERROR_WRITE_PROTECT), "読み取り専用です", "it is read-only"},
      {FileResultFromWindowsError(ERROR_SHARING_VIOLATION), "他のプログラムが使用中です",
       "another program is using it"},
      {FileResultFromWindowsError(ERROR_LOCK_VIOLATION), "他のプログラムが使用中です",
       "another program is using it"},
      {FileResultFromWindowsError(ERROR_FILENAME_EXCED_RANGE), "名前が長すぎます",
       "the name is too long"},
      {FileResultFromWindowsError(ERROR_INVALID_NAME), "名前に使えない文字があります",
       "the name has characters that cannot be used"},
      {FileResultFromWindowsError(ERROR_PATH_NOT_FOUND), "フォルダがありません",
       "the folder does not exist"},
      {FileResultFromWindowsError(ERROR_FILE_NOT_FOUND), "ファイルがありません",
       "the file does not exist"},
      {FileResultFromWindowsError(ERROR_CRC), "システムのエラー 23", "system error 23"},
#endif
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(c.result) << c.english;
    SetLanguage(Language::Japanese);
    EXPECT_EQ(WithFileFailure("保存できませんでした:a.png", c.result),
              std::string("保存できませんでした:a.png（") + c.japanese + "）");
    SetLanguage(Language::English);
    EXPECT_EQ(WithFileFailure("could not save: a.png", c.result),
              std::string("could not save: a.png (") + c.english + ")");
  }
  // Nothing failed, or the system did not: the message stands alone.
  EXPECT_TRUE(FileResultFromErrno(0, FileAccess::kWrite));
  EXPECT_EQ(WithFileFailure("m", FileResult()), "m");
  EXPECT_EQ(WithFileFailure("m", {FileFailure::kNoSystemReason, 0}), "m");
}

TEST_F(FileFailureTest, OnlyNamesShapedLikeOursAreTakenForOurTemporaryFiles) {
  unsigned long process = 0;
  EXPECT_TRUE(TemporaryFileOwner(TemporaryFileName("[V]map.png", 4711, 12), &process));
  EXPECT_EQ(process, 4711u);
  EXPECT_EQ(TemporaryFileName("[V]map.png", 4711, 12), ".[V]map.png.4711-12.tmp");
  for (const char* name : {".[V]map.png.tmp", "[V]map.png.4711-1.tmp", ".[V]map.png.4711-1.tmp~",
                           "..4711-1.tmp", ".map.-1.tmp", ".map.4711-.tmp", ".map.47a1-1.tmp",
                           ".map.12345678901-1.tmp", ".tmp", "notes.txt"}) {
    EXPECT_FALSE(TemporaryFileOwner(name, &process)) << name;
  }
}

}  // namespace
