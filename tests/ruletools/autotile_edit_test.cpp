// A generated autotile rule opened in the rule editor: its keys those of
// the generator, laid out and checked among the rule file as it will be
// with its per-block rule, saved in one write as the command line appends
// it; a rename keeps the rule and its per-block rule together; what the
// generator or the rule file refuses makes nothing.
#include <gtest/gtest.h>

#include "common/messages.h"
#include "ruletools/autotile_edit.h"
#include "ruletools/edited_rule_check.h"
#include "ruletools/rule_check.h"
#include "ruletools/rule_edit_save.h"
#include "setting/setting_store.h"
#include "support/files.h"

namespace {

const std::string kRules = "[Process]\r\n64,64=Other\r\n[Other]\r\nReplace=0\r\n";

AutotileRequest Request(int tile, RuleLayout::Grid blocks, const std::string& name = "") {
  return {AutotileLayout::kBlock2x3, AutotileLayout::kBlob47, tile, blocks, name};
}

// The keys of a section as the editor holds them.
std::vector<RuleEdit::Pair> PairsOf(const RuleSection& section) {
  return RuleEdit::PairsOf(SettingSection(section.name, section.keys));
}

class AutotileEditTest : public ::testing::Test {
 protected:
  std::shared_ptr<const RuleFileSnapshot> Read(const std::string& text) {
    WriteRuleFile(path, text);
    return RuleFileSnapshot::Read(path);
  }
  // Saves edit as new, with a [Process] candidate of its sheet's size.
  std::string Save(const RuleEdit& edit) {
    std::string problem;
    std::optional<RuleFileDocument> document =
        WriteEditedRule(edit, RuleEditSave{true, true, false}, problem);
    if (!document) return problem;
    return document->Save().outcome == RuleFileSaveOutcome::kSaved ? std::string() : "not saved";
  }

  TempFolder folder;
  std::string path = folder / "setting.ini";
};

TEST_F(AutotileEditTest, AGeneratedRuleIsLaidOutWithItsBlockRuleAndSavedAsTheConsoleAppendsIt) {
  for (const AutotileRequest& request : {Request(32, {1, 1}), Request(16, {3, 2})}) {
    SCOPED_TRACE(DefaultAutotileName(request));
    const auto ruleFile = Read(kRules);
    const RuleLayout::Size sheet = AutotileSheetSize(request);
    std::string refusal;
    const std::optional<RuleEdit> edit = AutotileEdit(request, sheet, ruleFile, refusal);
    ASSERT_TRUE(edit) << refusal;
    const std::vector<RuleSection> sections = *AutotileSections(request, refusal);
    EXPECT_EQ(edit->Name(), sections.front().name);
    EXPECT_EQ(edit->Pairs(), PairsOf(sections.front()));
    EXPECT_EQ(edit->Companions().size(), sections.size() - 1);

    // Before the save: the canvas of the rule with its per-block rule, and
    // nothing for the check to find.
    EXPECT_EQ(edit->BuildError(), "");
    EXPECT_EQ(edit->Layout().canvas.width, AutotileCanvasSize(request).width);
    EXPECT_EQ(edit->Layout().canvas.height, AutotileCanvasSize(request).height);
    EXPECT_TRUE(CheckEditedRule(*edit).empty());
    EXPECT_EQ(ruleFile->GetSection(sections.back().name), nullptr) << "the file is not touched";

    // Saved: the bytes that appending the sections and the candidate give.
    std::string failure;
    std::optional<RuleFileDocument> expected = RuleFileDocument::Read(path, failure);
    for (const RuleSection& section : sections) expected->AppendSection(section);
    expected->AddProcessCandidate(std::to_string(sheet.width) + "," + std::to_string(sheet.height),
                                  edit->Name());
    ASSERT_EQ(Save(*edit), "");
    EXPECT_EQ(ReadFile(path), expected->Bytes());
    SettingStore::Instance().ReadFile(path);
    EXPECT_TRUE(CheckRuleFile().empty());

    // Read again, the per-block rule is the file's and the rule the same.
    RuleEdit saved = *edit;
    saved.UseRuleFile(RuleFileSnapshot::Read(path));
    EXPECT_TRUE(saved.Companions().empty());
    EXPECT_EQ(saved.BuildError(), "");
    EXPECT_EQ(saved.Layout().slotCells, edit->Layout().slotCells);
  }
}

// The per-block rule follows a rename, and so does the Individual naming
// it; the generator's comment lines, which name the rule, go; an edit
// drops them too.
TEST_F(AutotileEditTest, ARenameKeepsTheRuleAndItsBlockRuleTogether) {
  std::string refusal;
  std::optional<RuleEdit> edit =
      AutotileEdit(Request(32, {2, 2}), {128, 192}, Read(kRules + "[Taken_block]\r\n"), refusal);
  ASSERT_TRUE(edit) << refusal;
  EXPECT_FALSE(edit->Comments().empty());
  RuleEdit changed = *edit;
  ASSERT_TRUE(changed.SetValue(RuleKeyId::kGroup, "G"));
  EXPECT_TRUE(changed.Comments().empty());

  // A name whose per-block rule the file has is refused before the rename.
  EXPECT_EQ(
      NewRuleNameProblem(*edit, "Taken"),
      Text(Message::kRuleEditorNameRefused, {"Taken_block", Text(Message::kInverseNameTaken)}));
  EXPECT_EQ(NewRuleNameProblem(*edit, "Water"), "");
  ASSERT_TRUE(edit->Rename("Water"));
  EXPECT_TRUE(edit->Comments().empty());
  ASSERT_EQ(edit->Companions().size(), 1u);
  EXPECT_EQ(edit->Companions()[0].name, "Water_block");
  EXPECT_TRUE(edit->Companions()[0].comments.empty());
  EXPECT_EQ(edit->Value(RuleKeyId::kIndividual), "Water_block");
  EXPECT_EQ(edit->BuildError(), "");
  EXPECT_TRUE(CheckEditedRule(*edit).empty());
  ASSERT_EQ(Save(*edit), "");
  const auto saved = RuleFileSnapshot::Read(path);
  EXPECT_EQ(saved->GetSectionValue("Water", "Individual"), "Water_block");
  EXPECT_NE(saved->GetSection("Water_block"), nullptr);
  EXPECT_EQ(saved->GetSection("Autotile_block2x3_blob47_32_2x2_block"), nullptr);
  EXPECT_EQ(saved->GetSectionValue("Process", "128,192"), "Water");
}

TEST_F(AutotileEditTest, WhatTheGeneratorOrTheRuleFileRefusesMakesNothing) {
  const std::string withBlockRule = kRules + "[Autotile_block2x3_blob47_32_2x2_BLOCK]\r\n";
  const struct {
    const char* what;
    AutotileRequest request;
    std::string rules;
    std::string refusal;
  } cases[] = {
      {"an odd tile", Request(33, {1, 1}), kRules, Text(Message::kAutotileBadTile, {"33"})},
      {"a name the file has", Request(32, {1, 1}, "other"), kRules,
       Text(Message::kRuleEditorNameRefused, {"other", Text(Message::kInverseNameTaken)})},
      {"a per-block name the file has", Request(32, {2, 2}), withBlockRule,
       Text(Message::kRuleEditorNameRefused,
            {"Autotile_block2x3_blob47_32_2x2_block", Text(Message::kInverseNameTaken)})},
      {"a name Shift-JIS lacks", Request(32, {1, 1}, "Café"), kRules,
       Text(Message::kRuleFileCannotHold, {"Café", "é", "U+00E9", "Shift-JIS"})},
      {"a per-block name Shift-JIS lacks", Request(32, {2, 2}, "Café"), kRules,
       Text(Message::kRuleFileCannotHold, {"Café_block", "é", "U+00E9", "Shift-JIS"})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::string refusal;
    EXPECT_FALSE(AutotileEdit(c.request, {64, 96}, Read(c.rules), refusal));
    EXPECT_EQ(refusal, c.refusal);
  }
}

}  // namespace
