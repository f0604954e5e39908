#include "setting/setting_section.h"

#include "setting/nul_list.h"
#include "setting/profile_reader.h"

SectionEntries SplitSectionLines(const std::vector<std::string>& lines) {
  SectionEntries split;
  for (const std::string& line : lines) {
    const auto equals = line.find('=');
    if (equals == std::string::npos || !split.skipped.empty()) {
      split.skipped.push_back(line);
    } else {
      split.entries.emplace_back(line.substr(0, equals), line.substr(equals + 1));
    }
  }
  return split;
}

SettingSection::SettingSection(const std::string& fileName, const std::string& sectionName)
    : name(sectionName) {
  std::vector<char> buffer(kSectionBufferSize, '\0');
  ReadProfileSection(fileName, sectionName, buffer.data(), buffer.size());

  lines = SplitNulList(buffer);
  // A key written again replaces the earlier value.
  for (auto& [key, value] : SplitSectionLines(lines).entries) entries[key] = std::move(value);
}

std::string SettingSection::GetName() const { return name; }

std::string SettingSection::GetValue(const std::string& key) { return entries[key]; }

bool SettingSection::HasKey(const std::string& key) const { return entries.count(key) != 0; }

std::string SettingSection::GetString(const std::string& key) { return GetValue(key); }
