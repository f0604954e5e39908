// The rule file's writer on real files: every byte that an edit does not
// touch stays, new lines take the file's encoding and line ends, and the
// section changed is the one the reader reads.
#include <gtest/gtest.h>

#include <stdexcept>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <share.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "common/messages.h"
#include "setting/rule_file_document.h"
#include "setting/rule_file_snapshot.h"
#include "support/files.h"

namespace {

// Shift-JIS bytes, written out so that they do not depend on how this file
// is compiled: 規則ファイル, 地図, 地図の並べ替え, 町.
const std::string kSjisRuleFile = "\x8b\x4b\x91\xa5\x83\x74\x83\x40\x83\x43\x83\x8b";
const std::string kSjisMap = "\x92\x6e\x90\x7d";
const std::string kSjisMapComment = "\x92\x6e\x90\x7d\x82\xcc\x95\xc0\x82\xd7\x91\xd6\x82\xa6";
const std::string kSjisTown = "\x92\xac";
// 町 in UTF-8.
const std::string kUtf8Town = "\xe7\x94\xba";

class RuleFileDocumentTest : public ::testing::Test {
 protected:
  RuleFileDocument Read(const std::string& bytes) {
    WriteFile(path, bytes);
    std::string failure;
    std::optional<RuleFileDocument> document = RuleFileDocument::Read(path, failure);
    if (!document) throw std::runtime_error(failure);
    return *document;
  }
  std::string Value(const std::string& section, const std::string& key) {
    return RuleFileSnapshot::Read(path)->GetSectionValue(section, key);
  }

  TempFolder folder;
  std::string path = folder / "setting.ini";
};

TEST_F(RuleFileDocumentTest, ASectionsKeysGetTheirValuesInPlaceAndEveryOtherByteStays) {
  const std::string before = "; " + kSjisRuleFile + "\r\n[Process]\r\n16,8=" + kSjisMap +
                             "\r\n\r\n[" + kSjisMap + "]\r\n; " + kSjisMapComment +
                             "\r\n  SrcDiv = 4,2 \r\nSpecific=map\r\nReplace=0,1\r\n"
                             "[Other]\r\nReplace=3\r\n";
  RuleFileDocument document = Read(before);
  EXPECT_EQ(document.Encoding(), RuleFileEncoding::kShiftJis);
  const RuleFileEdit edit =
      document.ReplaceKeys("地図", {"SrcDiv=2,2", "Replace=3,2,1,0", "NewSize=8,8", "Group=町"});
  ASSERT_TRUE(edit.Done()) << RuleFileEditText(edit, document.Encoding());
  const std::string after = "; " + kSjisRuleFile + "\r\n[Process]\r\n16,8=" + kSjisMap +
                            "\r\n\r\n[" + kSjisMap + "]\r\n; " + kSjisMapComment +
                            "\r\n  SrcDiv = 2,2\r\nSpecific=map\r\nReplace=3,2,1,0\r\n"
                            "NewSize=8,8\r\nGroup=" +
                            kSjisTown + "\r\n[Other]\r\nReplace=3\r\n";
  EXPECT_EQ(document.Bytes(), after);
  EXPECT_EQ(ReadFile(path), before) << "nothing is written before Save";
  ASSERT_EQ(document.Save().outcome, RuleFileSaveOutcome::kSaved);
  EXPECT_EQ(ReadFile(path), after);
  EXPECT_EQ(ReadFile(path + ".bak"), before);

  EXPECT_EQ(document.ReplaceKeys("Missing", {"Replace=0"}).refusal, RuleFileRefusal::kNoSection);
}

// The reader takes the first section of a name (letter case aside), the last
// of a key written twice, and no key after a line without "=": an edit
// changes just what the reader then reads.
TEST_F(RuleFileDocumentTest, TheLinesTheReaderReadsAreTheOnesRewritten) {
  const struct {
    const char* what;
    std::string before;
    std::vector<std::string> keys;
    std::string after;
  } cases[] = {
      {"the first of a name written twice",
       "[Cells]\nReplace=0\n[cells]\nReplace=1\n[Cells]\n",
       {"Replace=5"},
       "[Cells]\nReplace=5\n[cells]\nReplace=1\n[Cells]\n"},
      {"the first even where it spells the name otherwise",
       "[cells]\nReplace=0\n[Cells]\nReplace=1\n",
       {"Replace=5"},
       "[cells]\nReplace=5\n[Cells]\nReplace=1\n"},
      {"a key written twice: the last",
       "[Cells]\nReplace=0\nReplace=1\nFileDiv=2,1\n",
       {"Replace=5"},
       "[Cells]\nReplace=0\nReplace=5\nFileDiv=2,1\n"},
      {"a new key goes after the last key the reader reads",
       "[Cells]\r\nReplace=0\r\n; note\r\nstop here\r\nClip=1,1,2,2\r\n",
       {"Clip=0,0,4,4"},
       "[Cells]\r\nReplace=0\r\nClip=0,0,4,4\r\n; note\r\nstop here\r\nClip=1,1,2,2\r\n"},
      {"the last line without a line end gets one",
       "[Cells]\rReplace=0",
       {"Group=G"},
       "[Cells]\rReplace=0\rGroup=G\r"},
      {"an empty section", "[Cells]\n[Next]\n", {"Replace=0"}, "[Cells]\nReplace=0\n[Next]\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RuleFileDocument document = Read(c.before);
    ASSERT_TRUE(document.ReplaceKeys("Cells", c.keys).Done());
    EXPECT_EQ(document.Bytes(), c.after);
    ASSERT_EQ(document.Save().outcome, RuleFileSaveOutcome::kSaved);
    for (const std::string& key : c.keys) {
      EXPECT_EQ(Value("Cells", key.substr(0, key.find('='))), key.substr(key.find('=') + 1));
    }
  }
}

TEST_F(RuleFileDocumentTest, AKeyTakenOutLeavesNoLineTheReaderWouldRead) {
  RuleFileDocument document =
      Read("[Cells]\r\nReplace=0\r\n; note\r\nGroup=A\r\nReplace=1\r\nSpecific=x\r\n[Next]\r\nGroup=B\r\n");
  ASSERT_TRUE(document.RemoveKeys("Cells", {"Replace", "Group", "Clip"}).Done());
  EXPECT_EQ(document.Bytes(), "[Cells]\r\n; note\r\nSpecific=x\r\n[Next]\r\nGroup=B\r\n");
  ASSERT_EQ(document.Save().outcome, RuleFileSaveOutcome::kSaved);
  EXPECT_EQ(Value("Cells", "Replace"), "");
  EXPECT_EQ(Value("Next", "Group"), "B");
}

TEST_F(RuleFileDocumentTest, ASectionIsAppendedInTheFilesEncodingAndLineEnds) {
  const RuleSection section{{"地図の並べ替え"}, "M", {"Replace=1,0", "Group=町"}};
  const struct {
    const char* what;
    std::string before;
    std::string after;
  } cases[] = {
      {"Shift-JIS, CR LF", "; " + kSjisRuleFile + "\r\n[A]\r\nk=1\r\n",
       "; " + kSjisRuleFile + "\r\n[A]\r\nk=1\r\n\r\n; " + kSjisMapComment +
           "\r\n[M]\r\nReplace=1,0\r\nGroup=" + kSjisTown + "\r\n"},
      {"no line end after the last line", "[" + kSjisMap + "]\nk=1",
       "[" + kSjisMap + "]\nk=1\n\n; " + kSjisMapComment +
           "\n[M]\nReplace=1,0\nGroup=" + kSjisTown + "\n"},
      {"an empty line at the end already", "[A]\rk=" + kSjisTown + "\r\r",
       "[A]\rk=" + kSjisTown + "\r\r; " + kSjisMapComment +
           "\r[M]\rReplace=1,0\rGroup=" + kSjisTown + "\r"},
      {"UTF-8 with its byte-order mark", "\xEF\xBB\xBF[A]\nk=1\n",
       "\xEF\xBB\xBF[A]\nk=1\n\n; \xe5\x9c\xb0\xe5\x9b\xb3\xe3\x81\xae\xe4\xb8\xa6\xe3\x81\xb9\xe6"
       "\x9b\xbf\xe3\x81\x88\n[M]\nReplace=1,0\nGroup=" +
           kUtf8Town + "\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RuleFileDocument document = Read(c.before);
    ASSERT_TRUE(document.AppendSection(section).Done());
    EXPECT_EQ(document.Bytes(), c.after);
    ASSERT_EQ(document.Save().outcome, RuleFileSaveOutcome::kSaved);
    EXPECT_EQ(Value("M", "Replace"), "1,0");
  }

  // An empty file has no line end of its own to follow: CR LF, as on Windows.
  RuleFileDocument empty = Read("");
  ASSERT_TRUE(empty.AppendSection({{}, "A", {"k=1"}}).Done());
  EXPECT_EQ(empty.Bytes(), "[A]\r\nk=1\r\n");
}

TEST_F(RuleFileDocumentTest, ANameTakenOrATextTheEncodingLacksIsRefusedAndNothingChanges) {
  const std::string before = "[Process]\r\n[" + kSjisMap + "]\r\nk=1\r\n";
  RuleFileDocument document = Read(before);
  RuleFileEdit edit = document.AppendSection({{}, "process", {"k=1"}});
  EXPECT_EQ(edit.refusal, RuleFileRefusal::kSectionExists);
  EXPECT_EQ(RuleFileEditText(edit, document.Encoding()),
            Text(Message::kRuleFileSectionExists, {"process"}));
  EXPECT_EQ(document.AppendSection({{}, "地図", {}}).refusal, RuleFileRefusal::kSectionExists);

  // Shift-JIS lacks Korean; é and ¥ would come out as look-alikes (e, the
  // backslash byte), which is no more holding them.
  const struct {
    std::string text;
    std::string character;
    std::string code;
  } unheld[] = {
      {u8"K\ud55c\uad6d", u8"\ud55c", "U+D55C"},
      {u8"Caf\u00e9", u8"\u00e9", "U+00E9"},
      {u8"\u00a5100", u8"\u00a5", "U+00A5"},
  };
  for (const auto& c : unheld) {
    SCOPED_TRACE(c.text);
    edit = document.AppendSection({{}, c.text, {"k=1"}});
    EXPECT_EQ(edit.refusal, RuleFileRefusal::kCannotHold);
    EXPECT_EQ(edit.text, c.text);
    EXPECT_EQ(edit.character, c.character);
    EXPECT_EQ(RuleFileEditText(edit, document.Encoding()),
              Text(Message::kRuleFileCannotHold, {c.text, c.character, c.code, "Shift-JIS"}));
    EXPECT_EQ(document.ReplaceKeys("地図", {"k=2", "Group=" + c.text}).refusal,
              RuleFileRefusal::kCannotHold);
    EXPECT_FALSE(document.CanHold(c.text).Done());
  }
  // Forms that code page 932 writes for JIS characters are held.
  EXPECT_TRUE(document.CanHold(u8"\u301c\u2212").Done());
  EXPECT_EQ(document.Bytes(), before);
}

// No value or name reaches a second line; no name joins [Process] as two.
TEST_F(RuleFileDocumentTest, ALineBreakOrANameProcessCannotListIsRefusedAndNothingChanges) {
  const std::string before = "[Process]\n16,8=A\n[A]\nReplace=0\n";
  RuleFileDocument document = Read(before);
  const struct {
    const char* what;
    RuleFileEdit edit;
    RuleFileRefusal refusal;
    std::string text;
  } cases[] = {
      {"a value", document.ReplaceKeys("A", {"Replace=0,1,\r\n2,3"}), RuleFileRefusal::kLineBreak,
       "Replace"},
      {"a value appended", document.AppendSection({{}, "B", {"Group=a\nb"}}),
       RuleFileRefusal::kLineBreak, "Group"},
      {"a name", document.AppendSection({{}, "B\rC", {"Replace=0"}}), RuleFileRefusal::kLineBreak,
       ""},
      {"a candidate with /", document.AddProcessCandidate("16,8", "B/C"),
       RuleFileRefusal::kNotACandidate, "B/C"},
      {"a candidate with ,", document.AddProcessCandidate("8,8", "B,C"),
       RuleFileRefusal::kNotACandidate, "B,C"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.edit.refusal, c.refusal);
    EXPECT_EQ(c.edit.text, c.text);
    EXPECT_FALSE(RuleFileEditText(c.edit, document.Encoding()).empty());
  }
  EXPECT_EQ(RuleFileEditText(cases[0].edit, document.Encoding()),
            Text(Message::kRuleFileValueLineBreak, {"Replace"}));
  EXPECT_EQ(document.Bytes(), before);
}

// Both builds write into a file without the byte-order mark as Shift-JIS,
// so that either reads what the other wrote; the native build keeps a file
// that is UTF-8 beyond ASCII as UTF-8, never mixing two in one file.
TEST_F(RuleFileDocumentTest, AFileWithoutTheMarkTakesShiftJisUnlessItIsUtf8Already) {
  const std::string utf8Map = "\xe5\x9c\xb0\xe5\x9b\xb3";  // 地図
  const struct {
    const char* what;
    std::string before;
    RuleFileEncoding encoding;
  } cases[] = {
      {"ASCII", "[A]\nk=1\n", RuleFileEncoding::kShiftJis},
      {"empty", "", RuleFileEncoding::kShiftJis},
      {"Shift-JIS", "[" + kSjisMap + "]\n", RuleFileEncoding::kShiftJis},
      {"UTF-8 with the mark", "\xEF\xBB\xBF[A]\n", RuleFileEncoding::kUtf8},
#ifdef _WIN32
      {"UTF-8 without the mark", "[" + utf8Map + "]\n", RuleFileEncoding::kShiftJis},
#else
      {"UTF-8 without the mark", "[" + utf8Map + "]\n", RuleFileEncoding::kUtf8},
#endif
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RuleFileDocument document = Read(c.before);
    EXPECT_EQ(document.Encoding(), c.encoding);
    ASSERT_TRUE(document.AppendSection({{"町"}, "M", {"Group=町"}}).Done());
    const std::string town = c.encoding == RuleFileEncoding::kUtf8 ? kUtf8Town : kSjisTown;
    EXPECT_NE(document.Bytes().find("Group=" + town), std::string::npos);
    ASSERT_EQ(document.Save().outcome, RuleFileSaveOutcome::kSaved);
    EXPECT_EQ(Value("M", "Group"), "町");
  }
}

TEST_F(RuleFileDocumentTest, ARuleJoinsTheCandidatesOfItsSizeInProcess) {
  const struct {
    const char* what;
    std::string before;
    std::string after;
  } cases[] = {
      {"a further candidate", "[Process]\r\n16,8 = A\r\n", "[Process]\r\n16,8 = A/Map\r\n"},
      {"a candidate already, letter case aside", "[Process]\n16,8=A/map/B\n",
       "[Process]\n16,8=A/map/B\n"},
      {"a new size, after the last size", "[Process]\n8,8=A\n\n[A]\n",
       "[Process]\n8,8=A\n16,8=Map\n\n[A]\n"},
      {"the line the reader reads, where a size is written twice", "[Process]\n16,8=A\n16,8=B\n",
       "[Process]\n16,8=A\n16,8=B/Map\n"},
      {"no [Process] yet", "[A]\nk=1", "[A]\nk=1\n\n[Process]\n16,8=Map\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RuleFileDocument document = Read(c.before);
    ASSERT_TRUE(document.AddProcessCandidate("16,8", "Map").Done());
    EXPECT_EQ(document.Bytes(), c.after);
  }
}

TEST_F(RuleFileDocumentTest, SaveKeepsThePreviousFileAndLeavesAFileChangedSinceItWasRead) {
  RuleFileDocument document = Read("[A]\nk=1\n");
  ASSERT_TRUE(document.ReplaceKeys("A", {"k=2"}).Done());
  ASSERT_EQ(document.Save().outcome, RuleFileSaveOutcome::kSaved);
  ASSERT_TRUE(document.ReplaceKeys("A", {"k=3"}).Done());
  ASSERT_EQ(document.Save().outcome, RuleFileSaveOutcome::kSaved);
  EXPECT_EQ(ReadFile(path), "[A]\nk=3\n");
  EXPECT_EQ(ReadFile(path + ".bak"), "[A]\nk=2\n") << "the file as the last save left it";

  // Another program writes the file (the same size: the bytes tell).
  WriteFile(path, "[A]\nk=9\n");
  ASSERT_TRUE(document.ReplaceKeys("A", {"k=4"}).Done());
  const RuleFileSave refused = document.Save();
  EXPECT_EQ(refused.outcome, RuleFileSaveOutcome::kChangedSinceRead);
  EXPECT_EQ(RuleFileSaveText(refused), Text(Message::kRuleFileChangedSinceRead, {path}));
  EXPECT_EQ(ReadFile(path), "[A]\nk=9\n");
  EXPECT_EQ(ReadFile(path + ".bak"), "[A]\nk=2\n");
  // The user says to write it all the same.
  ASSERT_EQ(document.Save(RuleFileDocument::SaveMode::kEvenIfChanged).outcome,
            RuleFileSaveOutcome::kSaved);
  EXPECT_EQ(ReadFile(path), "[A]\nk=4\n");
  EXPECT_EQ(ReadFile(path + ".bak"), "[A]\nk=9\n");

  // A file that was not there is made, with nothing to keep beside it; one
  // made meanwhile by another program counts as changed.
  const std::string fresh = folder / "fresh.ini";
  std::string failure;
  std::optional<RuleFileDocument> made = RuleFileDocument::Read(fresh, failure);
  ASSERT_TRUE(made) << failure;
  ASSERT_TRUE(made->AppendSection({{}, "A", {"k=1"}}).Done());
  ASSERT_EQ(made->Save().outcome, RuleFileSaveOutcome::kSaved);
  EXPECT_EQ(ReadFile(fresh), "[A]\r\nk=1\r\n");
  EXPECT_FALSE(FileExists(fresh + ".bak"));
  const std::string other = folder / "other.ini";
  made = RuleFileDocument::Read(other, failure);
  WriteFile(other, "[B]\n");
  ASSERT_TRUE(made->AppendSection({{}, "A", {"k=1"}}).Done());
  EXPECT_EQ(made->Save().outcome, RuleFileSaveOutcome::kChangedSinceRead);
  EXPECT_EQ(ReadFile(other), "[B]\n");

  // A document of a snapshot compares with what that read found, however
  // late it is made.
  const auto snapshot = RuleFileSnapshot::Read(other);
  WriteFile(other, "[B]\nk=2\n");
  made = RuleFileDocument::Of(*snapshot, failure);
  ASSERT_TRUE(made) << failure;
  ASSERT_TRUE(made->ReplaceKeys("B", {"k=1"}).Done());
  EXPECT_EQ(made->Save().outcome, RuleFileSaveOutcome::kChangedSinceRead);
  EXPECT_EQ(ReadFile(other), "[B]\nk=2\n");
}

TEST_F(RuleFileDocumentTest, AFileThatCannotBeWrittenOrReadIsNamedWithTheSystemsReason) {
  const std::string before = "[A]\nk=1\n";
  // A folder where the .bak would go stops the save before the file is
  // touched, whoever runs the test.
  RuleFileDocument document = Read(before);
  MakeFolder(path + ".bak");
  ASSERT_TRUE(document.ReplaceKeys("A", {"k=2"}).Done());
  RuleFileSave save = document.Save();
  EXPECT_EQ(save.outcome, RuleFileSaveOutcome::kNotWritten);
  EXPECT_EQ(save.path, path + ".bak");
  EXPECT_EQ(save.reason.failure, FileFailure::kFolderInTheWay);
  EXPECT_EQ(RuleFileSaveText(save), Text(Message::kRuleFileNotWritten,
                                         {save.path, Text(Message::kFileFailureFolderInTheWay)}));
  EXPECT_EQ(ReadFile(path), before);
  EXPECT_EQ(ListFolder(folder.Path()), (std::vector<std::string>{"setting.ini", "setting.ini.bak"}))
      << "no temporary file is left";

  // A folder given as the rule file cannot be read.
  std::string failure;
  EXPECT_FALSE(RuleFileDocument::Read(folder.Path(), failure));
  EXPECT_NE(failure.find(folder.Path()), std::string::npos) << failure;
}

TEST_F(RuleFileDocumentTest, AFileLockedOrInAReadOnlyFolderIsLeftAsItWas) {
  // On Windows a file that another program holds open without sharing (wine
  // replaces a read-only file all the same); on Linux a read-only folder,
  // since a file's mode does not stop a rename over it.
  const std::string before = "[A]\nk=1\n";
  const TempFolder locked;
  const std::string lockedPath = locked / "setting.ini";
  WriteFile(lockedPath, before);
  std::string failure;
  std::optional<RuleFileDocument> readOnly = RuleFileDocument::Read(lockedPath, failure);
  ASSERT_TRUE(readOnly) << failure;
  ASSERT_TRUE(readOnly->ReplaceKeys("A", {"k=2"}).Done());
#ifdef _WIN32
  const int lock = _sopen(lockedPath.c_str(), _O_RDONLY, _SH_DENYRW);
  ASSERT_GE(lock, 0);
#else
  if (geteuid() == 0) {
    GTEST_SKIP() << "running as root, whom a read-only folder does not stop; "
                    "AFileThatCannotBeWrittenOrReadIsNamedWithTheSystemsReason fails a write "
                    "another way";
  }
  ASSERT_EQ(chmod(locked.Path().c_str(), 0500), 0);
#endif
  const RuleFileSave save = readOnly->Save();
  EXPECT_EQ(save.outcome, RuleFileSaveOutcome::kNotWritten);
  EXPECT_FALSE(save.reason);
#ifdef _WIN32
  _close(lock);
#endif
  EXPECT_EQ(ReadFile(lockedPath), before);
}

}  // namespace
