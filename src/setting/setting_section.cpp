#include "setting/setting_section.h"

#include "setting/nul_list.h"
#include "setting/profile_reader.h"

SettingSection::SettingSection(const std::string& fileName, const std::string& sectionName)
    : name(sectionName) {
  std::vector<char> buffer(kSectionBufferSize, '\0');
  ReadProfileSection(fileName, sectionName, buffer.data(), buffer.size());

  lines = SplitNulList(buffer);
  // The first line without "=" ends the section.
  for (const std::string& text : lines) {
    const auto equals = text.find('=');
    if (equals == std::string::npos) break;
    entries[text.substr(0, equals)] = text.substr(equals + 1);
  }
}

std::string SettingSection::GetName() const { return name; }

std::string SettingSection::GetValue(const std::string& key) { return entries[key]; }

bool SettingSection::HasKey(const std::string& key) const { return entries.count(key) != 0; }

std::string SettingSection::GetString(const std::string& key) { return GetValue(key); }
