#include "setting/profile_reader.h"

#include "common/file_io.h"
#include "setting/ini_text.h"

namespace {

// The rule file is read once per section; keep the last file parsed while it
// stays unchanged.
const IniText& Cached(const std::string& fileName) {
  static std::string cachedName;
  static FileStamp cachedStamp;
  static IniText cached = IniText::Parse(std::string());
  const FileStamp now = StampOf(fileName);
  if (!(now.exists && fileName == cachedName && now == cachedStamp)) {
    cached = IniText::Read(fileName);
    cachedName = now.exists ? fileName : std::string();
    cachedStamp = now;
  }
  return cached;
}

}  // namespace

void ReadProfileSectionNames(const std::string& fileName, char* buffer, std::size_t size) {
  Cached(fileName).FillSectionNames(buffer, size);
}

void ReadProfileSection(const std::string& fileName, const std::string& sectionName,
                        char* buffer, std::size_t size) {
  Cached(fileName).FillSection(sectionName, buffer, size);
}

std::size_t ProfileListBytes(const std::vector<std::string>& texts) {
  std::size_t bytes = 1;
  for (const std::string& text : texts) bytes += text.size() + 1;
  return bytes;
}
