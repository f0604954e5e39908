#include "setting/rule_file_bytes.h"

#include <cerrno>
#include <cstdio>

#include "common/file_io.h"

RuleFileBytes ReadRuleFileBytes(const std::string& path) {
  RuleFileBytes file;
  errno = 0;
  std::FILE* stream = OpenFile(path, "rb");
  if (stream == nullptr) {
    if (errno == ENOENT) return file;
    file.state = RuleFileBytes::State::kUnreadable;
    file.reason = FileResultFromErrno(errno, FileAccess::kRead);
    return file;
  }
  char buffer[65536];
  for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, stream)) > 0;) {
    file.bytes.append(buffer, read);
  }
  const int error = std::ferror(stream) ? (errno != 0 ? errno : EIO) : 0;
  std::fclose(stream);
  if (error == 0) {
    file.state = RuleFileBytes::State::kRead;
    return file;
  }
  file.bytes.clear();
  file.state = RuleFileBytes::State::kUnreadable;
  file.reason = FileResultFromErrno(error, FileAccess::kRead);
  return file;
}
