#include <iconv.h>

#include <cerrno>

#include "common/encoding.h"

namespace {

// Converts text with iconv from one encoding to another; what cannot be
// read or written becomes replacement (and clears *ok).
std::string Convert(const std::string& text, const char* to, const char* from,
                    const std::string& replacement, bool* ok) {
  if (ok) *ok = true;
  const iconv_t converter = iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) {
    if (ok) *ok = false;
    return text;
  }
  std::string result;
  result.reserve(text.size() * 3 / 2 + 4);
  char* in = const_cast<char*>(text.data());
  std::size_t inLeft = text.size();
  char buffer[1024];
  while (inLeft > 0) {
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t done = iconv(converter, &in, &inLeft, &out, &outLeft);
    result.append(buffer, static_cast<std::size_t>(out - buffer));
    if (done != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
    // EILSEQ or EINVAL: skip one character of the input (a whole UTF-8
    // sequence, or one Shift-JIS byte) and put the replacement in its place.
    std::size_t skip = 1;
    if (std::string(from) == "UTF-8") {
      const auto lead = static_cast<unsigned char>(*in);
      skip = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
      if (skip > inLeft) skip = inLeft;
    }
    in += skip;
    inLeft -= skip;
    result += replacement;
    if (ok) *ok = false;
  }
  iconv_close(converter);
  return result;
}

}  // namespace

std::string ShiftJisToUtf8(const std::string& text) {
  return Convert(text, "UTF-8", "CP932", "\xEF\xBF\xBD", nullptr);
}

std::string Utf8ToShiftJis(const std::string& text, bool* ok) {
  const std::string forms = InCodePage932Forms(text);
  std::string bytes = Convert(forms, "CP932", "UTF-8", "?", ok);
  // iconv writes ¥ as the backslash byte and calls it converted.
  if (ok && *ok) *ok = ShiftJisToUtf8(bytes) == forms;
  return bytes;
}
