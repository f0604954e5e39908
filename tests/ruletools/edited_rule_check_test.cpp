// The findings the rule editor shows for the rule being edited: those the
// check of the rule file would give once the rule is saved, for the sheet's
// size and for the sizes the size table gives it, and only the rule's own.
#include <gtest/gtest.h>

#include "ruletools/edited_rule_check.h"
#include "support/rule_file.h"

namespace {

std::vector<std::string> Texts(const RuleEdit& edit) {
  std::vector<std::string> texts;
  for (const CheckFinding& finding : CheckEditedRule(edit)) {
    EXPECT_EQ(finding.section, edit.Name());
    texts.push_back(finding.text);
  }
  return texts;
}

TEST(EditedRuleCheckTest, TheRuleAsEditedIsCheckedInPlaceOfItsSection) {
  const auto ruleFile =
      RuleFileOf("[Process]\n64,32=Wide\n[Wide]\nSrcDiv=4,2\nReplace=0\n[Broken]\nSrcDiv=0,1\n");
  // The section as saved has no finding; edited, the file's is not looked at.
  RuleEdit edit(*ruleFile->GetSection("Wide"), {64, 32}, ruleFile);
  EXPECT_TRUE(Texts(edit).empty());
  // A grid that leaves pixels out of the sheet shows at once.
  ASSERT_TRUE(edit.SetValue(RuleKeyId::kSrcDiv, "5,2"));
  EXPECT_FALSE(Texts(edit).empty());
  // A rule that cannot be built says why; a new rule is checked for the sheet.
  RuleEdit broken("New", {30, 30}, ruleFile);
  ASSERT_TRUE(broken.SetValue(RuleKeyId::kSrcDiv, "0,1"));
  EXPECT_FALSE(Texts(broken).empty());
  RuleEdit fresh("New", {30, 30}, ruleFile);
  ASSERT_TRUE(fresh.SetValue(RuleKeyId::kSrcDiv, "4,4"));
  ASSERT_TRUE(fresh.Place(0, 0));
  EXPECT_FALSE(Texts(fresh).empty()) << "30 pixels are no 4 cells";
}

}  // namespace
