#include <windows.h>

#include "common/file_replacement.h"
#include "common/path.h"
#include "common/system_error.h"

// GetTempFileName makes the file, under a name no other file has.
FileReplacement::FileReplacement(const std::string& target) : target(target) {
  std::string folder = FolderPart(target);
  if (folder.empty()) folder = ".";
  char name[MAX_PATH] = {};
  if (GetTempFileNameA(folder.c_str(), "vmr", 0, name)) {
    temporary = name;
  } else {
    failure = LastSystemErrorText();
  }
}

FileReplacement::~FileReplacement() {
  if (Created() && !committed) DeleteFileA(temporary.c_str());
}

bool FileReplacement::Commit() {
  committed =
      Created() && MoveFileExA(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING);
  if (Created() && !committed) failure = LastSystemErrorText();
  return committed;
}
