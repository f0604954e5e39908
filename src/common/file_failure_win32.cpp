#include <windows.h>

#include "common/file_failure.h"

FileResult FileResultFromWindowsError(unsigned long code) {
  const long number = static_cast<long>(code);
  switch (code) {
    case ERROR_SUCCESS:
      return {FileFailure::kNone, 0};
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return {FileFailure::kDiskFull, number};
    case ERROR_ACCESS_DENIED:
    case ERROR_PRIVILEGE_NOT_HELD:
      return {FileFailure::kNoPermission, number};
    case ERROR_WRITE_PROTECT:
      return {FileFailure::kReadOnly, number};
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
      return {FileFailure::kLocked, number};
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BUFFER_OVERFLOW:
      return {FileFailure::kNameTooLong, number};
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
      return {FileFailure::kInvalidName, number};
    case ERROR_PATH_NOT_FOUND:
    case ERROR_DIRECTORY:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
      return {FileFailure::kFolderMissing, number};
    case ERROR_FILE_NOT_FOUND:
      return {FileFailure::kFileMissing, number};
    default:
      return {FileFailure::kSystemError, number};
  }
}
