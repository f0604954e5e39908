#pragma once

#include <string>
#include <vector>

#include "common/file_io.h"  // RemoveFile

// Files and folders for tests, named by UTF-8 paths in both builds.

// A fresh folder under the system's temporary folder, removed with all it
// holds when the object goes.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& Path() const { return path; }
  // Path of name inside the folder.
  std::string operator/(const std::string& name) const;

 private:
  std::string path;
};

void WriteFile(const std::string& path, const std::string& bytes);
// A rule file as users keep it: text written here in UTF-8, stored in
// Shift-JIS.
void WriteRuleFile(const std::string& path, const std::string& text);
std::string ReadFile(const std::string& path);
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
void MakeFolder(const std::string& path);
// Names in the folder, sorted, without "." and "..".
std::vector<std::string> ListFolder(const std::string& path);
