#pragma once

#include <memory>
#include <string>
#include <vector>

#include "setting/ini_file_setting.h"
#include "setting/setting.h"

// The process-wide rule file, read once on first use from "./setting.ini"
// in the working directory (the executable's folder for the windowed
// programs). Without the file every lookup is empty.
class SettingStore {
 public:
  static SettingStore& Instance();

  ISettingSection* GetSection(const std::string& name);
  std::string GetSectionValue(const std::string& section, const std::string& key);

  // Reads fileName in place of the file read so far. Every section pointer
  // handed out before becomes invalid, so this is for start-up (the command
  // line's --setting) and for tests.
  void ReadFile(const std::string& fileName);
  // The file read last, to read again or to write a rule into.
  const std::string& FileName() const { return fileName; }

  // For those that check the file as written: the section names in file
  // order (a name written twice listed twice), and every line of the
  // section that answers to a name, or null.
  const std::vector<std::string>& SectionNames() const;
  const std::vector<std::string>* SectionLines(const std::string& name) const;

 private:
  SettingStore();
  std::string fileName = "./setting.ini";
  std::unique_ptr<IniFileSetting> setting;
};
