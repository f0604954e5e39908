#include "setting/rule_file_bytes.h"

#include "common/file_io.h"

RuleFileBytes ReadRuleFileBytes(const std::string& path) {
  RuleFileBytes file;
  file.reason = ReadFileBytes(path, file.bytes);
  if (file.reason) {
    file.state = RuleFileBytes::State::kRead;
  } else if (file.reason.failure == FileFailure::kFileMissing) {
    file.reason = FileResult();
  } else {
    file.state = RuleFileBytes::State::kUnreadable;
    file.bytes.clear();
  }
  return file;
}
