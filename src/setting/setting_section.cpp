#include "setting/setting_section.h"

#include <utility>

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

SettingSection::SettingSection(std::string sectionName, std::vector<std::string> sectionLines)
    : name(std::move(sectionName)), lines(std::move(sectionLines)) {
  // A key written again replaces the earlier value.
  for (auto& [key, value] : SplitSectionLines(lines).entries) entries[key] = std::move(value);
}

const std::string& SettingSection::GetValue(const std::string& key) const {
  static const std::string kAbsent;
  const auto found = entries.find(key);
  return found == entries.end() ? kAbsent : found->second;
}
