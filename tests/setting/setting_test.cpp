#include <gtest/gtest.h>

#include "setting/rule_file_snapshot.h"
#include "setting/setting_store.h"
#include "support/files.h"

namespace {

class SettingTest : public ::testing::Test {
 protected:
  std::shared_ptr<const RuleFileSnapshot> Read(const std::string& text) {
    WriteFile(path, text);
    return RuleFileSnapshot::Read(path);
  }
  TempFolder folder;
  std::string path = folder / "setting.ini";
};

TEST_F(SettingTest, KeysAndValuesAreSplitAtTheFirstEquals) {
  const auto setting = Read("[R]\na=b=c\n=x\nk=\nd=1\nd=2\n");
  const SettingSection* section = setting->GetSection("R");
  ASSERT_NE(section, nullptr);
  EXPECT_EQ(section->GetName(), "R");
  EXPECT_EQ(section->GetValue("a"), "b=c");
  EXPECT_EQ(section->GetValue(""), "x");
  EXPECT_TRUE(section->HasKey("k"));
  EXPECT_EQ(section->GetValue("k"), "");
  EXPECT_EQ(section->GetValue("d"), "2");
}

TEST_F(SettingTest, ALineWithoutEqualsHidesTheRestOfItsSection) {
  const auto setting = Read("[R]\nbefore=1\nno equals here\nafter=2\n[S]\nk=1\n");
  EXPECT_EQ(setting->GetSectionValue("R", "before"), "1");
  EXPECT_FALSE(setting->GetSection("R")->HasKey("after"));
  EXPECT_EQ(setting->GetSectionValue("S", "k"), "1");
}

TEST_F(SettingTest, NamesAndKeysAreCaseSensitive) {
  const auto setting = Read("[process]\n480,256=A\n[R]\nSrcDiv=8,4\n");
  EXPECT_EQ(setting->GetSection("Process"), nullptr);
  EXPECT_NE(setting->GetSection("process"), nullptr);
  EXPECT_EQ(setting->GetSectionValue("R", "srcdiv"), "");
  EXPECT_EQ(setting->GetSectionValue("R", "SrcDiv"), "8,4");
}

// A snapshot never changes: looking up a key the section lacks leaves it
// lacking the key.
TEST_F(SettingTest, AnAbsentKeyReadsEmptyAndStaysAbsent) {
  const auto setting = Read("[R]\nk=1\n");
  const SettingSection* section = setting->GetSection("R");
  EXPECT_EQ(setting->GetSectionValue("R", "absent"), "");
  EXPECT_EQ(section->GetValue("absent"), "");
  EXPECT_FALSE(section->HasKey("absent"));
  EXPECT_EQ(setting->GetSectionValue("Missing", "k"), "");
}

TEST_F(SettingTest, RepeatedLookupsReturnTheSameSection) {
  const auto setting = Read("[A]\nk=1\n[B]\nk=2\n");
  EXPECT_EQ(setting->GetSection("A"), setting->GetSection("A"));
  EXPECT_EQ(setting->SectionNames(), (std::vector<std::string>{"A", "B"}));
}

TEST_F(SettingTest, NoFileGivesAnEmptySetting) {
  const auto setting = RuleFileSnapshot::Read(folder / "absent.ini");
  EXPECT_EQ(setting->File().state, RuleFileBytes::State::kMissing);
  EXPECT_TRUE(setting->SectionNames().empty());
  EXPECT_EQ(setting->GetSection("Process"), nullptr);
  EXPECT_EQ(setting->GetSectionValue("Process", "default"), "");
}

// A section handed out stays as read while its snapshot is held, however
// often the store reads the file again.
TEST_F(SettingTest, TheStoreReadsAnewAndWhatItHandedOutStays) {
  WriteFile(path, "[Process]\ndefault=R\n");
  SettingStore& store = SettingStore::Instance();
  store.ReadFile(path);
  const std::shared_ptr<const RuleFileSnapshot> before = store.Snapshot();
  const SettingSection* sizeTable = before->GetSection("Process");
  ASSERT_NE(sizeTable, nullptr);

  WriteFile(path, "[Process]\ndefault=S\n");
  store.ReadAgain();
  EXPECT_EQ(store.Snapshot()->GetSectionValue("Process", "default"), "S");
  EXPECT_EQ(sizeTable->GetValue("default"), "R");
  EXPECT_EQ(before->File().bytes, "[Process]\ndefault=R\n");

  store.ReadFile(folder / "absent.ini");
  EXPECT_EQ(store.Snapshot()->GetSection("Process"), nullptr);
  EXPECT_EQ(sizeTable->GetValue("default"), "R");

  // Found by the random drive: a file given by a relative name was named
  // so in messages; the store names it by its full path.
  store.ReadFile("absent.ini");
  EXPECT_EQ(store.Snapshot()->FileName(), AbsolutePath("absent.ini"));
  EXPECT_NE(store.Snapshot()->FileName(), "absent.ini");
}

}  // namespace
