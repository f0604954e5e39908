#include "setting/rule_file_encoding.h"

#include "common/encoding.h"

namespace {

const std::string kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

RuleFileEncoding EncodingOfRuleFile(const std::string& bytes) {
  if (bytes.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0) {
    return RuleFileEncoding::kUtf8WithMark;
  }
#ifdef _WIN32
  return RuleFileEncoding::kShiftJis;
#else
  return IsUtf8(bytes) ? RuleFileEncoding::kUtf8 : RuleFileEncoding::kShiftJis;
#endif
}

std::string RuleFileText(const std::string& bytes, RuleFileEncoding encoding) {
  switch (encoding) {
    case RuleFileEncoding::kShiftJis:
      return ShiftJisToUtf8(bytes);
    case RuleFileEncoding::kUtf8WithMark:
      return bytes.substr(kByteOrderMark.size());
    case RuleFileEncoding::kUtf8:
      break;
  }
  return bytes;
}
