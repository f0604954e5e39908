#include "setting/setting_section.h"

#include <utility>

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

namespace {

std::vector<std::string> ReadSectionLines(const std::string& fileName,
                                          const std::string& sectionName) {
  std::vector<char> buffer(kSectionBufferSize, '\0');
  ReadProfileSection(fileName, sectionName, buffer.data(), buffer.size());
  return SplitNulList(buffer);
}

}  // namespace

SettingSection::SettingSection(const std::string& fileName, const std::string& sectionName)
    : SettingSection(ReadSectionLines(fileName, sectionName), sectionName) {}

SettingSection SettingSection::OfLines(const std::string& sectionName,
                                       std::vector<std::string> lines) {
  return SettingSection(std::move(lines), sectionName);
}

SettingSection::SettingSection(std::vector<std::string> sectionLines,
                               const std::string& sectionName)
    : name(sectionName), lines(std::move(sectionLines)) {
  // A key written again replaces the earlier value.
  for (auto& [key, value] : SplitSectionLines(lines).entries) entries[key] = std::move(value);
}

std::string SettingSection::GetName() const { return name; }

std::string SettingSection::GetValue(const std::string& key) { return entries[key]; }

bool SettingSection::HasKey(const std::string& key) const { return entries.count(key) != 0; }

std::string SettingSection::GetString(const std::string& key) { return GetValue(key); }
