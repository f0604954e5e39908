// How our INI reader reads, case by case, as the Windows profile reader does
// (the Windows build checks the whole corpus against the system's reader).
#include <gtest/gtest.h>

#include <vector>

#include "setting/ini_text.h"
#include "setting/nul_list.h"

namespace {

std::vector<std::string> Names(const std::string& text, std::size_t size = kSectionNamesBufferSize) {
  std::vector<char> buffer(size);
  IniText::Parse(text).FillSectionNames(buffer.data(), buffer.size());
  return SplitNulList(buffer);
}

std::vector<std::string> Lines(const std::string& text, const std::string& section,
                               std::size_t size = kSectionBufferSize) {
  std::vector<char> buffer(size);
  IniText::Parse(text).FillSection(section, buffer.data(), buffer.size());
  return SplitNulList(buffer);
}

using Strings = std::vector<std::string>;

TEST(IniText, LinesAreTrimmedAndCommentsAndBlankLinesSkipped) {
  const std::string text = "; top\r\n\r\n  [ A ] trailing\r\n  k  =  v  \r\n;c=1\r\n#h=2\n\t=x\n\x0bq=\x1a" "1\x1a";
  EXPECT_EQ(Names(text), (Strings{"A"}));
  EXPECT_EQ(Lines(text, "A"), (Strings{"k=v", "#h=2", "=x", "q=1"}));
}

TEST(IniText, EveryKindOfLineEndEndsALine) {
  EXPECT_EQ(Lines("[A]\rk=1\r\nj=2\nlast=3", "A"), (Strings{"k=1", "j=2", "last=3"}));
}

TEST(IniText, LinesWithoutEqualsAndOddBracketsAreDeliveredAsTheyAre) {
  EXPECT_EQ(Lines("[A]\nnoequals\n[B\n = \n", "A"), (Strings{"noequals", "[B", "="}));
  EXPECT_EQ(Names("[A]]\n[]\n[ ]\nk=1\n"), (Strings{"A]"}));
}

TEST(IniText, LookupFoldsAsciiCaseAndTheFirstSectionAnswers) {
  const std::string text = "pre=1\n[abc]\nk=1\n[ABC]\nk=2\n";
  EXPECT_EQ(Names(text), (Strings{"abc", "ABC"}));
  EXPECT_EQ(Lines(text, "ABC"), (Strings{"k=1"}));
  EXPECT_EQ(Lines(text, "Abc"), (Strings{"k=1"}));
  EXPECT_EQ(Lines(text, "missing"), Strings{});
  EXPECT_EQ(Lines(text, ""), (Strings{"pre=1"}));
}

TEST(IniText, AByteOrderMarkIsSkipped) {
  EXPECT_EQ(Names("\xEF\xBB\xBF[A]\nk=1\n"), (Strings{"A"}));
}

TEST(IniText, ListsThatDoNotFitAreCutAndEndedByTwoNuls) {
  const std::string text = "[A]\nkey0=vvvvv\nkey1=vvvvv\nkey2=vvvvv\nkey3=vvvvv\n";
  EXPECT_EQ(Lines(text, "A", 42), (Strings{"key0=vvvvv", "key1=vvvvv", "key2=vvvvv", "key3=vv"}));
  EXPECT_EQ(Lines(text, "A", 12), (Strings{"key0=vvvvv"}));
  EXPECT_EQ(Names("[S1]\n[S2]\n[S3]\n", 8), (Strings{"S1", "S2"}));

  std::vector<char> buffer(10, 'z');
  IniText::Parse(text).FillSection("A", buffer.data(), buffer.size());
  EXPECT_EQ(buffer[8], '\0');
  EXPECT_EQ(buffer[9], '\0');
}

}  // namespace
