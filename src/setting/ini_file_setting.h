#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "setting/setting.h"
#include "setting/setting_section.h"

// The rule file, read whole when it is built.
class IniFileSetting : public ISetting {
 public:
  explicit IniFileSetting(const std::string& fileName);

  ISettingSection* GetSection(const std::string& name) override;
  std::string GetSectionValue(const std::string& section, const std::string& key) override;

  // The section names in file order, as the file lists them.
  const std::vector<std::string>& SectionNames() const { return sectionNames; }
  // The lines of the section name (SettingSection::Lines), or null.
  const std::vector<std::string>* SectionLines(const std::string& name) const;

 private:
  std::vector<std::string> sectionNames;
  // A name the file lists twice holds the section built last.
  std::map<std::string, std::unique_ptr<SettingSection>> sections;
};
