#include "common/file_replacement.h"

#include <cerrno>
#include <new>

#include "common/file_io.h"
#include "common/system_error.h"

bool WriteFileReplacing(const std::string& target, const std::function<bool(std::FILE*)>& write,
                        std::string* failure) {
  const auto fail = [failure](const std::string& why) {
    if (failure) *failure = why;
    return false;
  };
  FileReplacement replacement(target);
  if (!replacement.Created()) return fail(replacement.Failure());
  std::FILE* file = OpenFile(replacement.TemporaryPath(), "wb");
  if (file == nullptr) return fail(CLibraryErrorText(errno));
  errno = 0;
  bool written = false;
  try {
    written = write(file);
  } catch (const std::bad_alloc&) {
    // memory ran out while the content was made: nothing replaces the target
    errno = ENOMEM;
  }
  const int writeError = errno;
  const bool flushed = std::fflush(file) == 0;
  const int flushError = errno;
  const bool closed = std::fclose(file) == 0;
  if (!written) return fail(CLibraryErrorText(writeError != 0 ? writeError : EIO));
  if (!flushed || !closed) return fail(CLibraryErrorText(flushed ? errno : flushError));
  return replacement.Commit() || fail(replacement.Failure());
}
