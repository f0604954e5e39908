#include "setting/rule_file_snapshot.h"

#include <utility>

#include "setting/ini_text.h"
#include "setting/nul_list.h"

std::shared_ptr<const RuleFileSnapshot> RuleFileSnapshot::Read(const std::string& fileName) {
  return Of(fileName, ReadRuleFileBytes(fileName));
}

std::shared_ptr<const RuleFileSnapshot> RuleFileSnapshot::Of(const std::string& fileName,
                                                             RuleFileBytes file) {
  return std::shared_ptr<const RuleFileSnapshot>(new RuleFileSnapshot(fileName, std::move(file)));
}

// The names and lines as the profile calls would give them, buffers and all.
RuleFileSnapshot::RuleFileSnapshot(std::string name, RuleFileBytes bytes)
    : fileName(std::move(name)), file(std::move(bytes)) {
  const IniText ini = IniText::OfFileBytes(file.bytes);
  std::vector<char> buffer(kSectionNamesBufferSize, '\0');
  ini.FillSectionNames(buffer.data(), buffer.size());
  sectionNames = SplitNulList(buffer);
  buffer.resize(kSectionBufferSize);
  for (const std::string& sectionName : sectionNames) {
    ini.FillSection(sectionName, buffer.data(), buffer.size());
    sections.insert_or_assign(sectionName, SettingSection(sectionName, SplitNulList(buffer)));
  }
}

const SettingSection* RuleFileSnapshot::GetSection(const std::string& name) const {
  const auto found = sections.find(name);
  return found == sections.end() ? nullptr : &found->second;
}

std::string RuleFileSnapshot::GetSectionValue(const std::string& section,
                                              const std::string& key) const {
  const SettingSection* found = GetSection(section);
  return found == nullptr ? std::string() : found->GetValue(key);
}
