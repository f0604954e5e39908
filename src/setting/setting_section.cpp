#include "setting/setting_section.h"

#include <vector>

#include "setting/profile_reader.h"

SettingSection::SettingSection(const std::string& fileName, const std::string& sectionName)
    : name(sectionName) {
  std::vector<char> buffer(kSectionBufferSize, '\0');
  ReadProfileSection(fileName, sectionName, buffer.data(), buffer.size());

  // One NUL-terminated line after the other, ended by an empty line. The
  // first line without "=" ends the section.
  const char* line = buffer.data();
  const char* const end = buffer.data() + buffer.size();
  while (line < end && *line != '\0') {
    const std::string text(line);
    line += text.size() + 1;
    const auto equals = text.find('=');
    if (equals == std::string::npos) break;
    entries[text.substr(0, equals)] = text.substr(equals + 1);
  }
}

std::string SettingSection::GetName() const { return name; }

std::string SettingSection::GetValue(const std::string& key) { return entries[key]; }

bool SettingSection::HasKey(const std::string& key) const { return entries.count(key) != 0; }

std::string SettingSection::GetString(const std::string& key) { return GetValue(key); }
