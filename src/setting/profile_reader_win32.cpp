#include <windows.h>

#include "setting/profile_reader.h"

void ReadProfileSectionNames(const std::string& fileName, char* buffer, std::size_t size) {
  GetPrivateProfileSectionNamesA(buffer, static_cast<DWORD>(size), fileName.c_str());
}

void ReadProfileSection(const std::string& fileName, const std::string& sectionName,
                        char* buffer, std::size_t size) {
  GetPrivateProfileSectionA(sectionName.c_str(), buffer, static_cast<DWORD>(size),
                            fileName.c_str());
}
