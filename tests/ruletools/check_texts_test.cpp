// The texts of the check that stand between the user's spelling and what
// the rule file means: hints for misspelt names, and long values shortened
// without breaking a character.
#include <gtest/gtest.h>

#include "ruletools/findings.h"
#include "ruletools/spelling_hints.h"

namespace {

TEST(SpellingHints, NameTheKeyThatAMisspellingWasMeantToBe) {
  const SpellingHints hints({"SrcDiv", "Replace", "NameFoot", "Individual"});
  const struct {
    std::string written, meant;
  } cases[] = {
      {"srcdiv", "SrcDiv"},  // another case
      {"SRCDIV", "SrcDiv"},
      {"Replce", "Replace"},     // a letter dropped
      {"Replacee", "Replace"},   // one added
      {"Replase", "Replace"},    // one changed
      {"NaemFoot", "NameFoot"},  // two swapped
      {"namefot", "NameFoot"},   // another case and a letter dropped
      {"SrcDiv", ""},            // right as written
      {"Clip", ""},              // nothing near
      {"Rpelcae", ""},           // too far
      {"", ""},
      {std::string(100, 'x'), ""},
  };
  for (const auto& c : cases) EXPECT_EQ(hints.For(c.written), c.meant) << c.written;
}

TEST(FindingTexts, LongValuesAreCutBetweenCharacters) {
  std::string list;
  for (int i = 0; i < 40; ++i) list += std::to_string(i) + ",";
  std::string ten, japanese;
  for (int i = 0; i < 10; ++i) ten += "森";
  for (int i = 0; i < 40; ++i) japanese += "森";
  const struct {
    std::string value, shown;
  } cases[] = {
      {"8,4", "8,4"},
      {list, "0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,…"},
      {"a/" + japanese, "a/…"},
      {japanese, japanese},               // nowhere to cut without a character of its own
      {ten + "x" + japanese, ten + "…"},  // before the character of its own
  };
  for (const auto& c : cases) EXPECT_EQ(Shown(c.value), c.shown) << c.value;
  EXPECT_EQ(KeyValue("Replace", list).rfind("Replace=0,1,2,", 0), 0u);
}

}  // namespace
