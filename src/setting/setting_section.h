#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

// A section's lines as the store reads them: each split at its first "="
// into key and value, in file order, up to the first line without "=";
// that line and every line after it are skipped.
struct SectionEntries {
  std::vector<std::pair<std::string, std::string>> entries;
  std::vector<std::string> skipped;
};
SectionEntries SplitSectionLines(const std::vector<std::string>& lines);

// One section of the rule file: keys and values as the file holds them,
// byte for byte, compared case-sensitively. A value that never changes once
// read, so that whoever holds it may read it from any thread.
class SettingSection {
 public:
  // The section name of the given lines (a section of a file, or a rule
  // being edited that no file holds yet), read as the file's sections are.
  SettingSection(std::string name, std::vector<std::string> lines);

  const std::string& GetName() const { return name; }
  // The value of key; empty for a key the section lacks, which HasKey
  // tells from one written with an empty value.
  const std::string& GetValue(const std::string& key) const;
  bool HasKey(const std::string& key) const { return entries.count(key) != 0; }

  // Every line of the section as the file holds it, in file order, those
  // after a line without "=" included.
  const std::vector<std::string>& Lines() const { return lines; }

 private:
  std::string name;
  std::map<std::string, std::string> entries;
  std::vector<std::string> lines;
};
