#include "common/encoding.h"

bool IsUtf8(const std::string& text) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t size = text.size();
  for (std::size_t i = 0; i < size;) {
    const unsigned char lead = bytes[i];
    std::size_t length;
    unsigned long code;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2, code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3, code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4, code = lead & 0x07;
    } else {
      return false;
    }
    if (size - i < length) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((bytes[i + k] & 0xC0) != 0x80) return false;
      code = code << 6 | (bytes[i + k] & 0x3F);
    }
    // Overlong forms, surrogates and code points past U+10FFFF.
    if ((length == 3 && code < 0x800) || (length == 4 && (code < 0x10000 || code > 0x10FFFF)) ||
        (code >= 0xD800 && code <= 0xDFFF)) {
      return false;
    }
    i += length;
  }
  return true;
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
