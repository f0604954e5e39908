#include "setting/rule_file_encoding.h"

#include "common/encoding.h"

namespace {

// The Windows build's own texts are still Shift-JIS (its literals compile to
// code page 932) until it moves to UTF-8 inside; there the programs' text
// is the file's Shift-JIS as it is. Once its literals are UTF-8 this is
// true in both builds and the conversions below are the only ones.
constexpr bool kProgramTextIsUtf8 = sizeof("\u3042") == 4;

bool HasUtf8Mark(const std::string& bytes) { return bytes.compare(0, 3, kUtf8Mark) == 0; }

}  // namespace

RuleFileEncoding RuleFileEncodingOf(const std::string& bytes) {
  if (HasUtf8Mark(bytes)) return RuleFileEncoding::kUtf8;
#ifdef _WIN32
  return RuleFileEncoding::kShiftJis;
#else
  return IsUtf8(bytes) ? RuleFileEncoding::kUtf8 : RuleFileEncoding::kShiftJis;
#endif
}

const char* RuleFileEncodingName(RuleFileEncoding encoding) {
  return encoding == RuleFileEncoding::kUtf8 ? "UTF-8" : "Shift-JIS";
}

unsigned RuleFileCharLength(const std::string& text, std::size_t at, RuleFileEncoding encoding) {
  if (encoding != RuleFileEncoding::kShiftJis || at + 1 >= text.size()) return 1;
  const auto byte = static_cast<unsigned char>(text[at]);
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC) ? 2 : 1;
}

std::string DecodeRuleFileText(const std::string& bytes, RuleFileEncoding encoding) {
  if ((encoding == RuleFileEncoding::kUtf8) == kProgramTextIsUtf8) return bytes;
  return kProgramTextIsUtf8 ? ShiftJisToUtf8(bytes) : Utf8ToShiftJis(bytes);
}

std::string EncodeRuleFileText(const std::string& text, RuleFileEncoding encoding, bool& ok) {
  ok = true;
  if ((encoding == RuleFileEncoding::kUtf8) == kProgramTextIsUtf8) return text;
  return kProgramTextIsUtf8 ? Utf8ToShiftJis(text, &ok) : ShiftJisToUtf8(text);
}
