#pragma once

#include <string>

// Why a file could not be opened, read, created or saved, as an identity:
// the platform code classifies the system's error into it, and the text is
// made from the message table only where it is shown.
enum class FileFailure {
  kNone,            // nothing failed
  kDiskFull,        // no room left on the disk
  kNoPermission,    // the user may not open or write it
  kReadOnly,        // the disk or the file is read-only
  kLocked,          // another program holds it
  kNameTooLong,     // the name or the path is longer than the system allows
  kInvalidName,     // the name holds characters that the system refuses
  kFolderMissing,   // a folder on the path is not there (or is a file)
  kFileMissing,     // the file itself is not there
  kFolderInTheWay,  // a folder stands where the file is to be
  kSystemError,     // another error of the system, told by its code
  kNoSystemReason,  // the system did not fail: the content could not be made
};

// What a file operation came to. code is the system's own number (errno, or
// the Windows error code) for the reason kSystemError.
struct FileResult {
  FileFailure failure = FileFailure::kNone;
  long code = 0;
  explicit operator bool() const { return failure == FileFailure::kNone; }
};

// A missing entry means the file itself when it is read, but a folder on
// its path when something is made there.
enum class FileAccess { kRead, kWrite };

FileResult FileResultFromErrno(int error, FileAccess access);
#ifdef _WIN32
FileResult FileResultFromWindowsError(unsigned long code);
#endif

// The reason in the current language; empty where there is none to tell.
std::string FileFailureText(const FileResult& result);

// message with the reason after it, in the one form every message uses;
// message alone where there is no reason to tell.
std::string WithFileFailure(const std::string& message, const FileResult& result);
