#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "common/file_failure.h"

// Files named by UTF-8 paths, in both builds (the wide calls on Windows, so
// that a name in any script opens whatever the system's code page).

// std::fopen for a UTF-8 path.
std::FILE* OpenFile(const std::string& path, const char* mode);

// std::remove for a UTF-8 path; true when the file is gone.
bool RemoveFile(const std::string& path);

// Reads the whole file into bytes; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes);
// The same, saying why where it fails.
FileResult ReadFileBytes(const std::string& path, std::string& bytes);

// What tells one version of a file from the next without reading it.
struct FileStamp {
  bool exists = false;
  std::uint64_t size = 0;
  std::int64_t modified = 0;  // in the system's own units
  std::uint64_t identity = 0;  // the file's number where the system has one
  bool operator==(const FileStamp& other) const {
    return exists == other.exists && size == other.size && modified == other.modified &&
           identity == other.identity;
  }
};
FileStamp StampOf(const std::string& path);
