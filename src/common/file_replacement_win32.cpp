#include <windows.h>

#include <atomic>

#include "common/file_io.h"
#include "common/file_replacement.h"
#include "common/path.h"
#include "common/wide_win32.h"

// Made hidden, and only if no file of that name exists, so two writers
// never share one.
FileReplacement::FileReplacement(const std::string& target) : target(target) {
  static std::atomic<unsigned long> counter{0};
  const auto separator = LastSeparator(target);
  const std::string folder =
      separator == std::string::npos ? std::string() : target.substr(0, separator + 1);
  RemoveLeftTemporaryFiles(folder);
  const unsigned long process = GetCurrentProcessId();
  DWORD error = ERROR_SUCCESS;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string name =
        folder + TemporaryFileName(FilePart(target), process, counter.fetch_add(1));
    const HANDLE file = CreateFileW(Wide(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_HIDDEN, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      CloseHandle(file);
      temporary = name;
      return;
    }
    error = GetLastError();
    if (error != ERROR_FILE_EXISTS) break;
  }
  creation = FileResultFromWindowsError(error);
}

FileReplacement::~FileReplacement() {
  if (Created() && !committed) RemoveFile(temporary);
}

// The target is not to inherit the temporary file's hidden attribute.
FileResult FileReplacement::Commit() {
  if (!Created()) return creation;
  const std::wstring from = Wide(temporary);
  const std::wstring to = Wide(target);
  committed = SetFileAttributesW(from.c_str(), FILE_ATTRIBUTE_NORMAL) &&
              MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING);
  if (committed) return FileResult();
  const DWORD error = GetLastError();
  // Windows refuses a folder in the way as it refuses a file it may not write.
  const DWORD attributes = GetFileAttributesW(to.c_str());
  if (error == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return {FileFailure::kFolderInTheWay, static_cast<long>(error)};
  }
  return FileResultFromWindowsError(error);
}

bool ProcessHasEnded(unsigned long process) {
  const HANDLE handle = OpenProcess(SYNCHRONIZE, FALSE, process);
  if (handle == nullptr) return GetLastError() == ERROR_INVALID_PARAMETER;
  // A process that has ended lives on as long as a handle to it is open.
  const bool ended = WaitForSingleObject(handle, 0) == WAIT_OBJECT_0;
  CloseHandle(handle);
  return ended;
}

void ForEachFileIn(const std::string& folder,
                   const std::function<void(const std::string&)>& visit) {
  WIN32_FIND_DATAW entry{};
  const HANDLE search = FindFirstFileW(Wide(folder + "*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) visit(Utf8(entry.cFileName));
  } while (FindNextFileW(search, &entry));
  FindClose(search);
}
