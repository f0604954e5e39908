#include "common/encoding.h"

#include <cstdio>

namespace {

// The character of UTF-8 that begins at bytes[at]: its length and code
// point; false when the bytes there are no well-formed UTF-8.
bool DecodeAt(const unsigned char* bytes, std::size_t size, std::size_t at, std::size_t& length,
              unsigned long& code) {
  const unsigned char lead = bytes[at];
  if (lead < 0x80) {
    length = 1, code = lead;
    return true;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, code = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, code = lead & 0x07;
  } else {
    return false;
  }
  if (size - at < length) return false;
  for (std::size_t k = 1; k < length; ++k) {
    if ((bytes[at + k] & 0xC0) != 0x80) return false;
    code = code << 6 | (bytes[at + k] & 0x3F);
  }
  // Overlong forms, surrogates and code points past U+10FFFF.
  return !((length == 3 && code < 0x800) || (length == 4 && (code < 0x10000 || code > 0x10FFFF)) ||
           (code >= 0xD800 && code <= 0xDFFF));
}

}  // namespace

bool IsUtf8(const std::string& text) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  std::size_t length = 0;
  unsigned long code = 0;
  for (std::size_t i = 0; i < text.size(); i += length) {
    if (!DecodeAt(bytes, text.size(), i, length, code)) return false;
  }
  return true;
}

std::string CharacterCodes(const std::string& text) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  std::string codes;
  char code[16];
  std::size_t length = 0;
  unsigned long point = 0;
  for (std::size_t i = 0; i < text.size(); i += length) {
    if (DecodeAt(bytes, text.size(), i, length, point)) {
      std::snprintf(code, sizeof code, "U+%04lX", point);
    } else {
      length = 1;
      std::snprintf(code, sizeof code, "0x%02X", bytes[i]);
    }
    codes += (codes.empty() ? "" : " ") + std::string(code);
  }
  return codes;
}

std::string InCodePage932Forms(const std::string& text) {
  static const struct {
    const char* jis;
    const char* microsoft;
  } kForms[] = {
      {"\xE3\x80\x9C", "\xEF\xBD\x9E"},  // U+301C wave dash: U+FF5E
      {"\xE2\x80\x96", "\xE2\x88\xA5"},  // U+2016 double vertical line: U+2225
      {"\xE2\x88\x92", "\xEF\xBC\x8D"},  // U+2212 minus sign: U+FF0D
      {"\xE2\x80\x94", "\xE2\x80\x95"},  // U+2014 em dash: U+2015
      {"\xC2\xA2", "\xEF\xBF\xA0"},       // U+00A2 cent: U+FFE0
      {"\xC2\xA3", "\xEF\xBF\xA1"},       // U+00A3 pound: U+FFE1
      {"\xC2\xAC", "\xEF\xBF\xA2"},       // U+00AC not: U+FFE2
  };
  std::string result = text;
  for (const auto& form : kForms) {
    const std::string jis = form.jis;
    for (auto at = result.find(jis); at != std::string::npos; at = result.find(jis, at)) {
      result.replace(at, jis.size(), form.microsoft);
    }
  }
  return result;
}
