#include "common/file_failure.h"

#include <cerrno>

#include "common/messages.h"

FileResult FileResultFromErrno(int error, FileAccess access) {
  switch (error) {
    case 0:
      return {FileFailure::kNone, 0};
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
      return {FileFailure::kDiskFull, error};
    case EACCES:
    case EPERM:
      return {FileFailure::kNoPermission, error};
    case EROFS:
      return {FileFailure::kReadOnly, error};
    case EBUSY:
    case ETXTBSY:
      return {FileFailure::kLocked, error};
    case ENAMETOOLONG:
      return {FileFailure::kNameTooLong, error};
    case EILSEQ:
      return {FileFailure::kInvalidName, error};
    case ENOTDIR:
      return {FileFailure::kFolderMissing, error};
    case EISDIR:
      return {FileFailure::kFolderInTheWay, error};
    case ENOENT:
      return {access == FileAccess::kRead ? FileFailure::kFileMissing : FileFailure::kFolderMissing,
              error};
    default:
      return {FileFailure::kSystemError, error};
  }
}

std::string FileFailureText(const FileResult& result) {
  switch (result.failure) {
    case FileFailure::kNone:
    case FileFailure::kNoSystemReason:
      return std::string();
    case FileFailure::kDiskFull:
      return Text(Message::kFileFailureDiskFull);
    case FileFailure::kNoPermission:
      return Text(Message::kFileFailureNoPermission);
    case FileFailure::kReadOnly:
      return Text(Message::kFileFailureReadOnly);
    case FileFailure::kLocked:
      return Text(Message::kFileFailureLocked);
    case FileFailure::kNameTooLong:
      return Text(Message::kFileFailureNameTooLong);
    case FileFailure::kInvalidName:
      return Text(Message::kFileFailureInvalidName);
    case FileFailure::kFolderMissing:
      return Text(Message::kFileFailureFolderMissing);
    case FileFailure::kFileMissing:
      return Text(Message::kFileFailureFileMissing);
    case FileFailure::kFolderInTheWay:
      return Text(Message::kFileFailureFolderInTheWay);
    case FileFailure::kSystemError:
      return Text(Message::kFileFailureSystemError, {std::to_string(result.code)});
  }
  return std::string();
}

std::string WithFileFailure(const std::string& message, const FileResult& result) {
  const std::string reason = FileFailureText(result);
  return reason.empty() ? message : Text(Message::kFileFailureWithReason, {message, reason});
}
