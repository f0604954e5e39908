#include "setting/setting_store.h"

SettingStore::SettingStore() : setting(std::make_unique<IniFileSetting>(fileName)) {}

SettingStore& SettingStore::Instance() {
  static SettingStore store;
  return store;
}

ISettingSection* SettingStore::GetSection(const std::string& name) {
  return setting->GetSection(name);
}

std::string SettingStore::GetSectionValue(const std::string& section, const std::string& key) {
  return setting->GetSectionValue(section, key);
}

const std::vector<std::string>& SettingStore::SectionNames() const {
  return setting->SectionNames();
}

const std::vector<std::string>* SettingStore::SectionLines(const std::string& name) const {
  return setting->SectionLines(name);
}

void SettingStore::ReadFile(const std::string& name) {
  fileName = name;
  setting = std::make_unique<IniFileSetting>(fileName);
}
