#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "setting/rule_file_bytes.h"
#include "setting/setting_section.h"

// One read of the rule file: its bytes as read and its sections as the
// reader reads them. It never changes once made and is handed out shared, so
// that whoever holds it (a rule that runs other rules by name, the rule
// editor, a check) reads one and the same file however often the file is
// read again meanwhile; it goes when the last holder lets it go.
class RuleFileSnapshot {
 public:
  // Reads fileName whole, once. A file that is missing or cannot be read
  // has no sections (File tells which).
  static std::shared_ptr<const RuleFileSnapshot> Read(const std::string& fileName);
  // The snapshot of file as if read from fileName.
  static std::shared_ptr<const RuleFileSnapshot> Of(const std::string& fileName,
                                                    RuleFileBytes file);

  const std::string& FileName() const { return fileName; }
  const RuleFileBytes& File() const { return file; }

  // The section names in file order, as the file lists them (a name written
  // twice listed twice), cut where the reader's buffer ends.
  const std::vector<std::string>& SectionNames() const { return sectionNames; }
  // The section of exactly that name, or null. It lives as long as the
  // snapshot.
  const SettingSection* GetSection(const std::string& name) const;
  // The value of key in section, or empty.
  std::string GetSectionValue(const std::string& section, const std::string& key) const;

 private:
  RuleFileSnapshot(std::string fileName, RuleFileBytes file);

  std::string fileName;
  RuleFileBytes file;
  std::vector<std::string> sectionNames;
  std::map<std::string, SettingSection> sections;
};
