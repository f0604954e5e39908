#include <windows.h>

#include "common/file_replacement.h"
#include "common/path.h"
#include "common/system_error.h"
#include "common/wide_win32.h"

// GetTempFileName makes the file, under a name no other file has.
FileReplacement::FileReplacement(const std::string& target) : target(target) {
  std::string folder = FolderPart(target);
  if (folder.empty()) folder = ".";
  wchar_t name[MAX_PATH] = {};
  if (GetTempFileNameW(Wide(folder).c_str(), L"vmr", 0, name)) {
    temporary = Utf8(name);
  } else {
    failure = LastSystemErrorText();
  }
}

FileReplacement::~FileReplacement() {
  if (Created() && !committed) DeleteFileW(Wide(temporary).c_str());
}

bool FileReplacement::Commit() {
  committed =
      Created() && MoveFileExW(Wide(temporary).c_str(), Wide(target).c_str(),
                               MOVEFILE_REPLACE_EXISTING);
  if (Created() && !committed) failure = LastSystemErrorText();
  return committed;
}
