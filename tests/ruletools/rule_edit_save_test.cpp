// Saving the rule being edited: one edit of the rule file as the editor read
// it, the rule, its [Process] candidate and its inverse together or nothing;
// lines the user did not touch keep their bytes, and empty values their
// meaning.
#include <gtest/gtest.h>

#include "common/encoding.h"
#include "common/messages.h"
#include "ruletools/rule_edit_save.h"
#include "support/files.h"

namespace {

class RuleEditSaveTest : public ::testing::Test {
 protected:
  // The rule name of the rule file text (stored in Shift-JIS), on a 64 x 64
  // sheet.
  RuleEdit Load(const std::string& text, const std::string& name) {
    WriteRuleFile(path, text);
    const auto ruleFile = RuleFileSnapshot::Read(path);
    const SettingSection* section = ruleFile->GetSection(name);
    if (section == nullptr) return RuleEdit(name, {64, 64}, ruleFile);
    return RuleEdit(*section, {64, 64}, ruleFile);
  }
  // Writes edit as asked; the message of a refusal, or empty.
  std::string Save(const RuleEdit& edit, const RuleEditSave& save) {
    std::string problem;
    std::optional<RuleFileDocument> document = WriteEditedRule(edit, save, problem);
    if (!document) return problem;
    const RuleFileSave saved = document->Save();
    return saved.outcome == RuleFileSaveOutcome::kSaved ? std::string() : RuleFileSaveText(saved);
  }

  TempFolder folder;
  std::string path = folder / "setting.ini";
};

TEST_F(RuleEditSaveTest, OnlyTheKeysChangedAreWrittenAndAnEmptyValueKeepsItsMeaning) {
  const std::string before =
      "[Tiles]\r\n; 草地\r\n  SrcDiv = 4,4 \r\nNewSize=64,32\r\nReplace=\r\nNameFoot=_a\r\n"
      "Specific=草\r\nTileSize=16,16\r\n";
  RuleEdit edit = Load(before, "Tiles");
  // The reader reads "Replace=" as the one item 0: cell 0 in the first slot.
  EXPECT_EQ(edit.Value(RuleKeyId::kReplace), "0");
  EXPECT_EQ(edit.CellInSlot(0), 0);
  EXPECT_EQ(edit.CellInSlot(1), -1);
  // Untouched, nothing changes; a key cleared goes, a key changed changes.
  EXPECT_EQ(Save(edit, {}), "");
  EXPECT_EQ(ReadFile(path), Utf8ToShiftJis(before));
  ASSERT_TRUE(edit.SetValue(RuleKeyId::kNameFoot, ""));
  ASSERT_TRUE(edit.SetValue(RuleKeyId::kGroup, "G"));
  ASSERT_TRUE(edit.SetValue(RuleKeyId::kTileSize, "32,32"));
  ASSERT_TRUE(edit.SetValue(RuleKeyId::kTerrain, "wang16"));
  EXPECT_EQ(Save(edit, {}), "");
  EXPECT_EQ(ReadFile(path),
            Utf8ToShiftJis("[Tiles]\r\n; 草地\r\n  SrcDiv = 4,4 \r\nNewSize=64,32\r\nReplace=\r\n"
                           "Specific=草\r\nTileSize=32,32\r\nGroup=G\r\nTerrain=wang16\r\n"));
}

// A part refused refuses the whole: the rule is not saved without its
// inverse, the file is not touched, and nothing is kept as .bak.
TEST_F(RuleEditSaveTest, TheRuleItsCandidateAndItsInverseAreOneSaveOrNone) {
  const std::string before = "[Process]\r\n64,64=Old\r\n[Old]\r\nReplace=0\r\n[New_inverse]\r\n";
  RuleEdit edit = Load(before, "New");
  ASSERT_TRUE(edit.SetValue(RuleKeyId::kSrcDiv, "2,2"));
  ASSERT_TRUE(edit.FillInOrder({0, 0, 2, 2}, 0));
  EXPECT_EQ(Save(edit, {true, true, true}), Text(Message::kRuleFileSectionExists, {"New_inverse"}));
  EXPECT_EQ(ReadFile(path), before);
  EXPECT_FALSE(FileExists(path + ".bak"));

  // All three at once, in one write: the .bak holds the file as it was.
  const std::string without = "[Process]\r\n64,64=Old\r\n[Old]\r\nReplace=0\r\n";
  edit = Load(without, "New");
  ASSERT_TRUE(edit.SetValue(RuleKeyId::kSrcDiv, "2,2"));
  ASSERT_TRUE(edit.FillInOrder({0, 0, 2, 2}, 0));
  EXPECT_EQ(Save(edit, {true, true, true}), "");
  EXPECT_EQ(ReadFile(path + ".bak"), without);
  const auto saved = RuleFileSnapshot::Read(path);
  EXPECT_EQ(saved->GetSectionValue("Process", "64,64"), "Old/New");
  EXPECT_EQ(saved->GetSectionValue("New", "Replace"), "0,1,2,3");
  EXPECT_EQ(saved->GetSectionValue("New_inverse", "Replace"), "0,1,2,3");
}

TEST_F(RuleEditSaveTest, WhatOneLineOfTheFileCannotHoldIsRefusedNamed) {
  const std::string before = "[Process]\r\n[Tiles]\r\nReplace=0\r\n";
  const struct {
    const char* what;
    std::string name;
    RuleKeyId key;
    std::string value;
    RuleEditSave save;
    std::string message;
  } cases[] = {
      {"a line break in a value",
       "Tiles",
       RuleKeyId::kNameFoot,
       "_a\r\n_b",
       {},
       Text(Message::kRuleFileValueLineBreak, {"NameFoot"})},
      {"a character Shift-JIS lacks",
       "Tiles",
       RuleKeyId::kGroup,
       "Café",
       {},
       Text(Message::kRuleFileCannotHold, {"Group=Café", "é", "U+00E9", "Shift-JIS"})},
      {"a name [Process] reads as two",
       "A/B",
       RuleKeyId::kSrcDiv,
       "2,2",
       {true, true, false},
       Text(Message::kRuleFileNotACandidate, {"A/B", "/"})},
      {"a rule that cannot be built", "Tiles", RuleKeyId::kSrcDiv, "0,1", {}, ""},
      {"a Terrain the rule refuses", "Tiles", RuleKeyId::kTerrain, "Blob47", {}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RuleEdit edit = Load(before, c.name);
    ASSERT_TRUE(edit.SetValue(c.key, c.value));
    const std::string message =
        c.message.empty() ? Text(Message::kRuleEditorNotBuilt, {edit.BuildError()}) : c.message;
    EXPECT_EQ(Save(edit, c.save), message);
    EXPECT_EQ(ReadFile(path), before);
  }
}

}  // namespace
