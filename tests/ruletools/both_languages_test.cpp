// The rule tools say the same in Japanese and in English: what they find
// goes by the kind of a rule's error, never by its text, so a translation
// changes the words and nothing else.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/messages.h"
#include "ruletools/rule_check.h"
#include "ruletools/rule_explanation.h"
#include "support/rule_file.h"

namespace {

std::vector<std::string> FindingLines() {
  std::vector<std::string> lines;
  for (const CheckFinding& finding : CheckRuleFile())
    lines.push_back("[" + finding.section + "] " + finding.text);
  return lines;
}

class BothLanguagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UseRuleFile(folder,
                "[Process]\n32,32=Grid/Missing\n"
                "[Grid]\nSrcDiv=0,4\nReplce=1\n"
                "[Odd]\nKeepPalette=2\n"
                "[Land]\nTerrain=grass\n"
                "[Cells]\nIndividual=Flat\n"
                "[Flat]\nFileDiv=1,0\n");
  }
  void TearDown() override { SetLanguage(before); }

  const Language before = CurrentLanguage();
  TempFolder folder;
};

TEST_F(BothLanguagesTest, TheCheckFindsTheSameInEitherLanguage) {
  SetLanguage(Language::Japanese);
  EXPECT_EQ(
      FindingLines(),
      (std::vector<std::string>{
          "[Process] 32,32=Grid/Missing: 規則[Missing]がありません",
          "[Grid] Replce=1: キーReplceはどこからも読まれません（Replaceのことですか）",
          "[Grid] 規則として使えません: 不正なSrcDiv（SrcDiv=0,4）",
          "[Odd] 規則として使えません: KeepPaletteの値「2」は0か1にして下さい",
          "[Land] 規則として使えません: Terrainの値「grass」はblob47、wang16のどれかにして下さい",
          "[Flat] 規則として使えません: 不正なfileDiv（FileDiv=1,0）",
      }));
  SetLanguage(Language::English);
  EXPECT_EQ(
      FindingLines(),
      (std::vector<std::string>{
          "[Process] 32,32=Grid/Missing: there is no rule [Missing]",
          "[Grid] Replce=1: nothing reads the key Replce (did you mean Replace?)",
          "[Grid] cannot be used as a rule: invalid SrcDiv (SrcDiv=0,4)",
          "[Odd] cannot be used as a rule: the value \"2\" of KeepPalette must be 0 or 1",
          "[Land] cannot be used as a rule: the value \"grass\" of Terrain must be one of blob47, "
          "wang16",
          "[Flat] cannot be used as a rule: invalid fileDiv (FileDiv=1,0)",
      }));
}

TEST_F(BothLanguagesTest, ARuleThatCannotBeBuiltIsNamedInOneLine) {
  const ExplainRequest cells{"Cells", "", RuleLayout::Size{8, 8}, ""};
  const ExplainRequest odd{"Odd", "", RuleLayout::Size{8, 8}, ""};
  SetLanguage(Language::Japanese);
  EXPECT_EQ(ExplainRule(cells).error, "規則[Flat]を使えません: 不正なfileDiv");
  EXPECT_EQ(ExplainRule(odd).error,
            "規則[Odd]を使えません: [Odd] KeepPaletteの値「2」は0か1にして下さい");
  SetLanguage(Language::English);
  EXPECT_EQ(ExplainRule(cells).error, "the rule [Flat] cannot be used: invalid fileDiv");
  EXPECT_EQ(ExplainRule(odd).error,
            "the rule [Odd] cannot be used: [Odd] the value \"2\" of KeepPalette must be 0 or 1");
}

}  // namespace
