#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "setting/setting.h"

// A section's lines as the store reads them: each split at its first "="
// into key and value, in file order, up to the first line without "=";
// that line and every line after it are skipped.
struct SectionEntries {
  std::vector<std::pair<std::string, std::string>> entries;
  std::vector<std::string> skipped;
};
SectionEntries SplitSectionLines(const std::vector<std::string>& lines);

class SettingSection : public ISettingSection {
 public:
  // Reads the section sectionName of the file fileName.
  SettingSection(const std::string& fileName, const std::string& sectionName);
  // A section of the given lines that no file holds (yet), such as a rule
  // being edited, read as the file's sections are.
  static SettingSection OfLines(const std::string& sectionName, std::vector<std::string> lines);

  std::string GetName() const override;
  std::string GetValue(const std::string& key) override;
  bool HasKey(const std::string& key) const override;
  std::string GetString(const std::string& key) override;

  // Every line of the section as the file holds it, in file order, those
  // after a line without "=" included.
  const std::vector<std::string>& Lines() const { return lines; }

 private:
  SettingSection(std::vector<std::string> sectionLines, const std::string& sectionName);

  std::string name;
  std::map<std::string, std::string> entries;
  std::vector<std::string> lines;
};
