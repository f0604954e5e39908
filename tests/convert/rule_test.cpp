#include <gtest/gtest.h>

#include <stdexcept>

#include "common/messages.h"
#include "convert/image_processor.h"
#include "convert/rule_error.h"
#include "convert/rule_values.h"
#include "support/rule_file.h"

namespace {

using Ints = std::vector<int>;
using Strings = std::vector<std::string>;

TEST(RuleValues, ParseIntReadsTheNumberAtTheStart) {
  const std::vector<std::pair<std::string, int>> cases = {
      {"", 0},   {"12", 12}, {"12px", 12}, {"  7", 7},          {"\t7", 7},
      {"+5", 5}, {"-3", -3}, {"007", 7},   {"-2147483648", INT32_MIN}, {"2147483647", INT32_MAX},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseInt(text), value) << "'" << text << "'";
  for (const char* text : {"abc", "-", " ", "x1", "- 1"}) {
    EXPECT_THROW(ParseInt(text), std::invalid_argument) << "'" << text << "'";
  }
  for (const char* text : {"2147483648", "-2147483649", "99999999999999999999"}) {
    EXPECT_THROW(ParseInt(text), std::out_of_range) << "'" << text << "'";
  }
}

TEST(RuleValues, ListsHaveOneItemMoreThanSeparators) {
  EXPECT_EQ(SplitIntList("1,2", ','), (Ints{1, 2}));
  EXPECT_EQ(SplitIntList("1,2,", ','), (Ints{1, 2, 0}));
  EXPECT_EQ(SplitIntList("", ','), (Ints{0}));
  EXPECT_EQ(SplitIntList("0,1,-1,,3", ','), (Ints{0, 1, -1, 0, 3}));
  EXPECT_EQ(SplitStringList("A, B", ','), (Strings{"A", " B"}));
  EXPECT_EQ(SplitStringList("A//B/", '/'), (Strings{"A", "", "B", ""}));
  EXPECT_EQ(SplitStringList("", '/'), (Strings{""}));
}

class RuleTest : public ::testing::Test {
 protected:
  // The message that building rule throws, or "" when it builds.
  void SetUp() override { SetLanguage(Language::Japanese); }

  std::string BuildError(const std::string& rule) {
    try {
      ImageProcessor processor(rule);
      return "";
    } catch (const RuleError& error) {
      return error.ListedText();
    }
  }
  TempFolder folder;
};

TEST_F(RuleTest, ASectionWithoutConversionKeysGivesTheDefaults) {
  UseRuleFile(folder, "[R]\nSpecific=x\n");
  ImageProcessor rule("R");
  EXPECT_EQ(rule.RuleName(), "R");
  EXPECT_EQ(rule.SrcDiv().columns, 1);
  EXPECT_EQ(rule.SrcDiv().rows, 1);
  EXPECT_EQ(rule.FileDiv().columns, 1);
  EXPECT_EQ(rule.FileDiv().rows, 1);
  EXPECT_EQ(rule.ClipRect().x + rule.ClipRect().y + rule.ClipRect().width + rule.ClipRect().height, 0);
  EXPECT_EQ(rule.NewSize().width + rule.NewSize().height, 0);
  EXPECT_TRUE(rule.ReplaceList().empty());
  EXPECT_TRUE(rule.SubProcesses().empty());
  EXPECT_EQ(rule.NameFoot() + rule.IndividualRule() + rule.GetGroup() + rule.GetLastOutputPath(), "");
}

TEST_F(RuleTest, KeysAreReadAsTheirListsSay) {
  UseRuleFile(folder,
              "[R]\nSrcDiv=8,4,99\nFileDiv=2,1\nClip=1,2,3,4,5\nNewSize=0,256\nReplace=0,1,-1,,3\n"
              "SubProcess=A, B\nNameFoot=_b\nIndividual=Cell\nGroup=XPAuto\nUnknown=1\n");
  ImageProcessor rule("R");
  EXPECT_EQ(rule.SrcDiv().columns, 8);
  EXPECT_EQ(rule.SrcDiv().rows, 4);
  EXPECT_EQ(rule.FileDiv().columns, 2);
  EXPECT_EQ(rule.ClipRect().x, 1);
  EXPECT_EQ(rule.ClipRect().height, 4);
  EXPECT_EQ(rule.NewSize().width, 0);
  EXPECT_EQ(rule.NewSize().height, 256);
  EXPECT_EQ(rule.ReplaceList(), (Ints{0, 1, -1, 0, 3}));
  EXPECT_EQ(rule.SubProcesses(), (Strings{"A", " B"}));
  EXPECT_EQ(rule.NameFoot(), "_b");
  EXPECT_EQ(rule.IndividualRule(), "Cell");
  EXPECT_EQ(rule.GetGroup(), "XPAuto");
}

TEST_F(RuleTest, ZeroDivisionsFailWithTheirOwnMessages) {
  UseRuleFile(folder,
              "[ZeroSrc]\nSrcDiv=0,4\nFileDiv=x\n"
              "[ZeroFile]\nSrcDiv=4,2\nFileDiv=2,0\n"
              "[EmptySrc]\nSrcDiv=\n");
  EXPECT_EQ(BuildError("ZeroSrc"), "不正なSrcDiv");  // before FileDiv is read
  EXPECT_EQ(BuildError("ZeroFile"), "不正なfileDiv\n");
  EXPECT_EQ(BuildError("EmptySrc"), "[EmptySrc] SrcDivの値が足りません（2個必要です）");
}

TEST_F(RuleTest, MalformedRulesAreRejectedNamingRuleAndKey) {
  UseRuleFile(folder,
              "[Short]\nSrcDiv=4\n"
              "[ShortClip]\nClip=0,0,32\n"
              "[Letters]\nReplace=0,a,2\n"
              "[Huge]\nNewSize=99999999999,1\n"
              "[Negative]\nFileDiv=-2,1\n"
              "[Slash]\nNameFoot=_a/b\n"
              "[Backslash]\nNameFoot=\\b\n"
              "[Dots]\nNameFoot=..\n"
              "[Japanese]\nNameFoot=_表ソ\n");
  EXPECT_EQ(BuildError("Short"), "[Short] SrcDivの値が足りません（2個必要です）");
  EXPECT_EQ(BuildError("ShortClip"), "[ShortClip] Clipの値が足りません（4個必要です）");
  EXPECT_EQ(BuildError("Letters"), "[Letters] Replaceの値「a」は数値ではありません");
  EXPECT_EQ(BuildError("Huge"), "[Huge] NewSizeの値「99999999999」は大きすぎます");
  EXPECT_EQ(BuildError("Negative"), "[Negative] FileDivに負の数は使えません");
  for (const char* rule : {"Slash", "Backslash", "Dots"}) {
    EXPECT_EQ(BuildError(rule), std::string("[") + rule + "] NameFootにフォルダの区切り（\\ /）や「..」は使えません");
  }
  // Shift-JIS trail bytes that look like a backslash are not separators.
  EXPECT_EQ(BuildError("Japanese"), "");
  EXPECT_EQ(BuildError("Missing"), "規則[Missing]がsetting.iniにありません");
  EXPECT_EQ(BuildError(""), "規則[]がsetting.iniにありません");
}

TEST_F(RuleTest, TileSizeAndTerrainAreReadOnlyWhereWritten) {
  UseRuleFile(folder,
              "[Plain]\nSrcDiv=2,2\n"
              "[Blob]\nTileSize=32,16\nTerrain=blob47\n"
              "[Wang]\nTerrain=wang16\n"
              "[ZeroTile]\nTileSize=0,32\n"
              "[NegativeTile]\nTileSize=32,-1\n"
              "[ShortTile]\nTileSize=32\n"
              "[Block]\nTerrain=block2x3\n"
              "[Capital]\nTerrain=Blob47\n"
              "[EmptyTerrain]\nTerrain=\n");
  const ImageProcessor plain("Plain");
  EXPECT_FALSE(plain.TileSize());
  EXPECT_FALSE(plain.Terrain());
  const ImageProcessor blob("Blob");
  ASSERT_TRUE(blob.TileSize());
  EXPECT_EQ(blob.TileSize()->width, 32);
  EXPECT_EQ(blob.TileSize()->height, 16);
  EXPECT_EQ(blob.Terrain(), AutotileLayout::kBlob47);
  EXPECT_EQ(ImageProcessor("Wang").Terrain(), AutotileLayout::kWang16);

  EXPECT_EQ(BuildError("ZeroTile"), "[ZeroTile] TileSizeの値は1以上にして下さい");
  EXPECT_EQ(BuildError("NegativeTile"), "[NegativeTile] TileSizeの値は1以上にして下さい");
  EXPECT_EQ(BuildError("ShortTile"), "[ShortTile] TileSizeの値が足りません（2個必要です）");
  // The block of quarters is no layout of whole variants.
  EXPECT_EQ(BuildError("Block"),
            "[Block] Terrainの値「block2x3」はblob47、wang16のどれかにして下さい");
  EXPECT_EQ(BuildError("Capital"),
            "[Capital] Terrainの値「Blob47」はblob47、wang16のどれかにして下さい");
  EXPECT_EQ(BuildError("EmptyTerrain"),
            "[EmptyTerrain] Terrainの値「」はblob47、wang16のどれかにして下さい");
}

}  // namespace
