#include "setting/ini_text.h"

#include <cstring>

#include "common/text.h"
#include "setting/rule_file_encoding.h"

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\n' || c == '\x1a';
}

std::string Trim(const std::string& text) {
  std::string::size_type begin = 0;
  std::string::size_type end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

char FoldAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Writes the NUL-separated strings into buffer as the Windows profile calls
// do: ended by an extra NUL, or cut to size - 2 bytes and two NULs.
void Fill(const std::vector<std::string>& strings, char* buffer, std::size_t size) {
  if (size == 0) return;
  std::string list;
  for (const std::string& s : strings) {
    list += s;
    list += '\0';
  }
  if (list.size() + 1 <= size) {
    std::memcpy(buffer, list.data(), list.size());
    buffer[list.size()] = '\0';
    return;
  }
  if (size < 2) {
    buffer[0] = '\0';
    return;
  }
  std::memcpy(buffer, list.data(), size - 2);
  buffer[size - 2] = '\0';
  buffer[size - 1] = '\0';
}

// The position of the last "]" in line that is not the second byte of a
// double-byte character, or npos.
std::string::size_type LastClosingBracket(const std::string& line, RuleFileEncoding encoding) {
  std::string::size_type last = std::string::npos;
  for (std::string::size_type i = 0; i < line.size(); i += RuleFileCharLength(line, i, encoding)) {
    if (line[i] == ']') last = i;
  }
  return last;
}

std::string::size_type FirstEquals(const std::string& line, RuleFileEncoding encoding) {
  for (std::string::size_type i = 0; i < line.size(); i += RuleFileCharLength(line, i, encoding)) {
    if (line[i] == '=') return i;
  }
  return std::string::npos;
}

}  // namespace

IniLine ReadIniLine(const std::string& text, RuleFileEncoding encoding) {
  IniLine read;
  std::size_t lead = 0;
  while (lead < text.size() && IsBlank(text[lead])) ++lead;
  const std::string line = Trim(text);
  if (line.empty() || line[0] == ';') return read;
  if (line[0] == '[') {
    const auto close = LastClosingBracket(line, encoding);
    if (close != std::string::npos && close > 0) {
      read.kind = IniLine::Kind::kHeader;
      read.name = Trim(line.substr(1, close - 1));
      return read;
    }
  }
  const auto equals = FirstEquals(line, encoding);
  if (equals == std::string::npos) {
    read.kind = IniLine::Kind::kOther;
    read.text = line;
    return read;
  }
  read.kind = IniLine::Kind::kKey;
  read.name = Trim(line.substr(0, equals));
  read.value = Trim(line.substr(equals + 1));
  read.text = read.name + "=" + read.value;
  read.valueAt = lead + equals + 1;
  while (read.valueAt < text.size() && IsBlank(text[read.valueAt])) ++read.valueAt;
  return read;
}

std::string FoldedSectionName(const std::string& name) {
  std::string folded = name;
  for (std::string::size_type i = 0; i < folded.size();) {
    const unsigned length = CharLength(folded.data(), folded.size(), i);
    if (length == 1) folded[i] = FoldAscii(folded[i]);
    i += length;
  }
  return folded;
}

bool SameSectionName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::string::size_type i = 0; i < a.size();) {
    const unsigned length = CharLength(a.data(), a.size(), i);
    if (length != 1) {
      if (a.compare(i, length, b, i, length) != 0) return false;
    } else if (FoldAscii(a[i]) != FoldAscii(b[i])) {
      return false;
    }
    i += length;
  }
  return true;
}

IniText IniText::OfFileBytes(const std::string& bytes) {
  // UTF-8 passes as it is; Parse steps over its mark.
  return Parse(DecodeRuleFileText(bytes, RuleFileEncodingOf(bytes)));
}

IniText IniText::Parse(const std::string& text) {
  IniText ini;
  ini.sections.emplace_back();
  std::string::size_type at = text.compare(0, 3, kUtf8Mark) == 0 ? 3 : 0;
  while (at < text.size()) {
    const auto end = text.find_first_of("\r\n", at);
    const IniLine line =
        ReadIniLine(text.substr(at, end == std::string::npos ? end : end - at),
                    RuleFileEncoding::kUtf8);
    at = end == std::string::npos ? text.size() : text.find_first_not_of("\r\n", end);
    if (at == std::string::npos) at = text.size();

    if (line.kind == IniLine::Kind::kHeader) {
      ini.sections.push_back(Section{line.name, {}});
    } else if (line.kind != IniLine::Kind::kSkipped) {
      ini.sections.back().lines.push_back(line.text);
    }
  }
  return ini;
}

void IniText::FillSectionNames(char* buffer, std::size_t size) const {
  std::vector<std::string> names;
  for (const Section& section : sections) {
    if (!section.name.empty()) names.push_back(section.name);
  }
  Fill(names, buffer, size);
}

void IniText::FillSection(const std::string& name, char* buffer, std::size_t size) const {
  for (const Section& section : sections) {
    if (SameSectionName(section.name, name)) {
      Fill(section.lines, buffer, size);
      return;
    }
  }
  Fill({}, buffer, size);
}

std::size_t ProfileListBytes(const std::vector<std::string>& texts) {
  std::size_t bytes = 1;
  for (const std::string& text : texts) bytes += text.size() + 1;
  return bytes;
}
