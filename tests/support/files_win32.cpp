#include <windows.h>

#include <algorithm>
#include <atomic>
#include <stdexcept>

#include "common/file_io.h"
#include "common/wide_win32.h"
#include "support/files.h"

namespace {

void RemoveTree(const std::string& path) {
  const std::wstring wide = Wide(path);
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
    for (const std::string& name : ListFolder(path)) RemoveTree(path + "\\" + name);
    RemoveDirectoryW(wide.c_str());
  } else {
    DeleteFileW(wide.c_str());
  }
}

}  // namespace

TempFolder::TempFolder() {
  wchar_t base[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH + 1, base);
  // Never the name of a folder this process made before: what a process
  // learns of a folder (its temporary files cleared, say) outlives the folder.
  static std::atomic<unsigned> made{0};
  const std::string prefix =
      Utf8(base) + "vomarin-test-" + std::to_string(GetCurrentProcessId()) + "-";
  for (;;) {
    std::string candidate = prefix + std::to_string(made++);
    if (CreateDirectoryW(Wide(candidate).c_str(), nullptr)) {
      path = candidate;
      return;
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot make a temp folder");
  }
}

TempFolder::~TempFolder() { RemoveTree(path); }

std::string TempFolder::operator/(const std::string& name) const { return path + "\\" + name; }

void WriteFile(const std::string& path, const std::string& bytes) {
  std::FILE* file = OpenFile(path, "wb");
  const bool written = file != nullptr &&
                       std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() &&
                       std::fclose(file) == 0;
  if (!written) throw std::runtime_error("cannot write " + path);
}

std::string ReadFile(const std::string& path) {
  std::string bytes;
  ReadWholeFile(path, bytes);
  return bytes;
}

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void MakeFolder(const std::string& path) { CreateDirectoryW(Wide(path).c_str(), nullptr); }

std::vector<std::string> ListFolder(const std::string& path) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW entry;
  HANDLE find = FindFirstFileW(Wide(path + "\\*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = Utf8(entry.cFileName);
      if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileW(find, &entry));
    FindClose(find);
  }
  std::sort(names.begin(), names.end());
  return names;
}
