#include <sys/stat.h>

#include "setting/ini_text.h"
#include "setting/profile_reader.h"

namespace {

// The rule file is read once per section; keep the last file parsed while it
// stays unchanged, as the Windows reader keeps its own cache.
const IniText& Cached(const std::string& fileName) {
  static std::string cachedName;
  static struct stat cachedStat {};
  static IniText cached = IniText::Parse(std::string());
  struct stat now {};
  const bool exists = stat(fileName.c_str(), &now) == 0;
  const bool same = exists && fileName == cachedName && now.st_size == cachedStat.st_size &&
                    now.st_mtim.tv_sec == cachedStat.st_mtim.tv_sec &&
                    now.st_mtim.tv_nsec == cachedStat.st_mtim.tv_nsec &&
                    now.st_ino == cachedStat.st_ino;
  if (!same) {
    cached = IniText::Read(fileName);
    cachedName = exists ? fileName : std::string();
    cachedStat = now;
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
