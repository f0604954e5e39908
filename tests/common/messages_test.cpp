// Every message of the table exists in both languages, with the same
// placeholders, so that no text is missing or loses a value in translation.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "common/messages.h"

namespace {

// The placeholders "{1}".."{9}" that text uses.
std::set<char> Placeholders(const std::string& text) {
  std::set<char> found;
  for (std::size_t i = 0; i + 2 < text.size(); ++i) {
    if (text[i] == '{' && text[i + 2] == '}' && text[i + 1] >= '1' && text[i + 1] <= '9')
      found.insert(text[i + 1]);
  }
  return found;
}

TEST(MessageTable, EveryMessageHasBothLanguagesWithTheSamePlaceholders) {
  for (int i = 0; i < static_cast<int>(Message::kCount); ++i) {
    const auto id = static_cast<Message>(i);
    const std::string japanese = TextIn(Language::Japanese, id);
    const std::string english = TextIn(Language::English, id);
    EXPECT_FALSE(japanese.empty()) << "message " << i;
    EXPECT_FALSE(english.empty()) << "message " << i << ": " << japanese;
    EXPECT_EQ(Placeholders(japanese), Placeholders(english)) << "message " << i << ": " << japanese;
    // Placeholders are numbered from 1 without a gap.
    const std::set<char> used = Placeholders(japanese);
    if (!used.empty()) {
      EXPECT_EQ(*used.rbegin() - '0', static_cast<int>(used.size())) << japanese;
    }
  }
}

TEST(MessageTable, TextFillsThePlaceholdersInTheChosenLanguage) {
  const Language before = CurrentLanguage();
  SetLanguage(Language::English);
  EXPECT_EQ(Text(Message::kRuleUnusable, {"A", "{1}"}), "the rule [A] cannot be used: {1}");
  SetLanguage(Language::Japanese);
  EXPECT_EQ(Text(Message::kRuleUnusable, {"A", "{1}"}), "規則[A]を使えません: {1}");
  EXPECT_EQ(Text(Message::kRuleMissing, {}), "規則[]がsetting.iniにありません");
  SetLanguage(before);
}

}  // namespace
