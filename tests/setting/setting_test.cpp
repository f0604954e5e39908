#include <gtest/gtest.h>

#include "setting/ini_file_setting.h"
#include "setting/setting_store.h"
#include "support/files.h"

namespace {

class SettingTest : public ::testing::Test {
 protected:
  IniFileSetting Read(const std::string& text) {
    WriteFile(path, text);
    return IniFileSetting(path);
  }
  TempFolder folder;
  std::string path = folder / "setting.ini";
};

TEST_F(SettingTest, KeysAndValuesAreSplitAtTheFirstEquals) {
  IniFileSetting setting = Read("[R]\na=b=c\n=x\nk=\nd=1\nd=2\n");
  ISettingSection* section = setting.GetSection("R");
  ASSERT_NE(section, nullptr);
  EXPECT_EQ(section->GetName(), "R");
  EXPECT_EQ(section->GetValue("a"), "b=c");
  EXPECT_EQ(section->GetValue(""), "x");
  EXPECT_TRUE(section->HasKey("k"));
  EXPECT_EQ(section->GetString("k"), "");
  EXPECT_EQ(section->GetValue("d"), "2");
}

TEST_F(SettingTest, ALineWithoutEqualsHidesTheRestOfItsSection) {
  IniFileSetting setting = Read("[R]\nbefore=1\nno equals here\nafter=2\n[S]\nk=1\n");
  EXPECT_EQ(setting.GetSectionValue("R", "before"), "1");
  EXPECT_FALSE(setting.GetSection("R")->HasKey("after"));
  EXPECT_EQ(setting.GetSectionValue("S", "k"), "1");
}

TEST_F(SettingTest, NamesAndKeysAreCaseSensitive) {
  IniFileSetting setting = Read("[process]\n480,256=A\n[R]\nSrcDiv=8,4\n");
  EXPECT_EQ(setting.GetSection("Process"), nullptr);
  EXPECT_NE(setting.GetSection("process"), nullptr);
  EXPECT_EQ(setting.GetSectionValue("R", "srcdiv"), "");
  EXPECT_EQ(setting.GetSectionValue("R", "SrcDiv"), "8,4");
}

TEST_F(SettingTest, GetValueRecordsAnAbsentKeyButGetSectionValueDoesNot) {
  IniFileSetting setting = Read("[R]\nk=1\n");
  ISettingSection* section = setting.GetSection("R");
  EXPECT_EQ(setting.GetSectionValue("R", "absent"), "");
  EXPECT_FALSE(section->HasKey("absent"));
  EXPECT_EQ(section->GetValue("absent"), "");
  EXPECT_TRUE(section->HasKey("absent"));
  EXPECT_EQ(setting.GetSectionValue("Missing", "k"), "");
}

TEST_F(SettingTest, RepeatedLookupsReturnTheSameSection) {
  IniFileSetting setting = Read("[A]\nk=1\n[B]\nk=2\n");
  EXPECT_EQ(setting.GetSection("A"), setting.GetSection("A"));
  EXPECT_EQ(setting.SectionNames(), (std::vector<std::string>{"A", "B"}));
}

TEST_F(SettingTest, NoFileGivesAnEmptySetting) {
  IniFileSetting setting(folder / "absent.ini");
  EXPECT_TRUE(setting.SectionNames().empty());
  EXPECT_EQ(setting.GetSection("Process"), nullptr);
  EXPECT_EQ(setting.GetSectionValue("Process", "default"), "");
}

TEST_F(SettingTest, TheStoreReadsTheFileItIsGiven) {
  WriteFile(path, "[Process]\ndefault=R\n");
  SettingStore::Instance().ReadFile(path);
  EXPECT_EQ(SettingStore::Instance().GetSectionValue("Process", "default"), "R");
  ASSERT_NE(SettingStore::Instance().GetSection("Process"), nullptr);
  SettingStore::Instance().ReadFile(folder / "absent.ini");
  EXPECT_EQ(SettingStore::Instance().GetSection("Process"), nullptr);
}

}  // namespace
