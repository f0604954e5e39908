#pragma once

#include <string>
#include <vector>

// Files and folders for tests, in the system's narrow encoding (Shift-JIS
// names under wine, UTF-8 natively).

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
std::string ReadFile(const std::string& path);
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
void MakeFolder(const std::string& path);
// Names in the folder, sorted, without "." and "..".
std::vector<std::string> ListFolder(const std::string& path);
