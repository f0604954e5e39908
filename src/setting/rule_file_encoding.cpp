#include "setting/rule_file_encoding.h"

#include <algorithm>

#include "common/encoding.h"
#include "common/text.h"

namespace {

bool HasUtf8Mark(const std::string& bytes) { return bytes.compare(0, 3, kUtf8Mark) == 0; }

}  // namespace

RuleFileEncoding RuleFileEncodingOf(const std::string& bytes) {
  if (HasUtf8Mark(bytes)) return RuleFileEncoding::kUtf8;
#ifdef _WIN32
  return RuleFileEncoding::kShiftJis;
#else
  const bool beyondAscii = std::any_of(
      bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
  return beyondAscii && IsUtf8(bytes) ? RuleFileEncoding::kUtf8 : RuleFileEncoding::kShiftJis;
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
  return encoding == RuleFileEncoding::kUtf8 ? bytes : ShiftJisToUtf8(bytes);
}

std::string EncodeRuleFileText(const std::string& text, RuleFileEncoding encoding, bool& ok) {
  ok = true;
  return encoding == RuleFileEncoding::kUtf8 ? text : Utf8ToShiftJis(text, &ok);
}

std::string FirstUnheldCharacter(const std::string& text, RuleFileEncoding encoding) {
  bool held = true;
  EncodeRuleFileText(text, encoding, held);
  if (held) return std::string();
  for (std::size_t at = 0; at < text.size();) {
    const std::string character = text.substr(at, CharLength(text.data(), text.size(), at));
    EncodeRuleFileText(character, encoding, held);
    if (!held) return character;
    at += character.size();
  }
  // Not reached while each character converts on its own as in the text.
  return text;
}
