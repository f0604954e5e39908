#include "setting/ini_file_setting.h"

#include "setting/nul_list.h"
#include "setting/profile_reader.h"

IniFileSetting::IniFileSetting(const std::string& fileName) {
  std::vector<char> buffer(kSectionNamesBufferSize, '\0');
  ReadProfileSectionNames(fileName, buffer.data(), buffer.size());
  sectionNames = SplitNulList(buffer);
  for (const std::string& sectionName : sectionNames) {
    sections[sectionName] = std::make_unique<SettingSection>(fileName, sectionName);
  }
}

ISettingSection* IniFileSetting::GetSection(const std::string& name) {
  const auto found = sections.find(name);
  return found == sections.end() ? nullptr : found->second.get();
}

const std::vector<std::string>* IniFileSetting::SectionLines(const std::string& name) const {
  const auto found = sections.find(name);
  return found == sections.end() ? nullptr : &found->second->Lines();
}

std::string IniFileSetting::GetSectionValue(const std::string& section, const std::string& key) {
  ISettingSection* found = GetSection(section);
  if (found == nullptr || !found->HasKey(key)) return std::string();
  return found->GetString(key);
}
