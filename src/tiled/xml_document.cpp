#include "tiled/xml_document.h"

#include <algorithm>
#include <cstdint>

#include "common/messages.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Bytes that end a name: blanks and the characters of markup.
bool EndsName(char c) {
  return IsBlank(c) || c == '<' || c == '>' || c == '/' || c == '=' || c == '?' || c == '!' ||
         c == '"' || c == '\'' || c == '&';
}

void AppendUtf8(std::uint32_t code, std::string& out) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// The character of a reference's body (between "&" and ";"), appended to
// out; false for a reference that is not XML's own.
bool AppendReference(std::string_view body, std::string& out) {
  if (body == "lt") return out += '<', true;
  if (body == "gt") return out += '>', true;
  if (body == "amp") return out += '&', true;
  if (body == "apos") return out += '\'', true;
  if (body == "quot") return out += '"', true;
  if (body.size() < 2 || body[0] != '#') return false;
  const bool hex = body[1] == 'x';
  const std::string_view digits = body.substr(hex ? 2 : 1);
  if (digits.empty() || digits.size() > 8) return false;
  std::uint32_t code = 0;
  for (const char c : digits) {
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    if (hex && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    if (hex && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (digit < 0) return false;
    code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit);
  }
  // The characters XML allows.
  const bool allowed = code == 0x9 || code == 0xA || code == 0xD ||
                       (code >= 0x20 && code <= 0xD7FF) || (code >= 0xE000 && code <= 0xFFFD) ||
                       (code >= 0x10000 && code <= 0x10FFFF);
  if (!allowed) return false;
  AppendUtf8(code, out);
  return true;
}

}  // namespace

bool DecodeXmlText(std::string_view raw, bool attribute, std::string& decoded) {
  decoded.clear();
  decoded.reserve(raw.size());
  std::size_t copied = 0;  // raw up to here is in decoded
  for (std::size_t i = 0; i < raw.size(); ++i) {
    const char c = raw[i];
    if (c != '\r' && c != '&' && (!attribute || (c != '\n' && c != '\t'))) continue;
    decoded.append(raw.substr(copied, i - copied));
    if (c == '\r') {
      if (i + 1 < raw.size() && raw[i + 1] == '\n') ++i;
      decoded += attribute ? ' ' : '\n';
    } else if (c == '&') {
      const auto semicolon = raw.find(';', i);
      if (semicolon == std::string_view::npos) return false;
      if (!AppendReference(raw.substr(i + 1, semicolon - i - 1), decoded)) return false;
      i = semicolon;
    } else {
      decoded += ' ';
    }
    copied = i + 1;
  }
  decoded.append(raw.substr(copied));
  return true;
}

const XmlAttribute* XmlElement::Attribute(std::string_view attributeName) const {
  for (const XmlAttribute& attribute : attributes) {
    if (attribute.name == attributeName) return &attribute;
  }
  return nullptr;
}

std::vector<std::size_t> XmlElement::Children(const std::vector<XmlElement>& all,
                                              std::string_view childName) const {
  std::vector<std::size_t> found;
  for (const XmlContent& item : content) {
    if (item.isElement && all[item.index].name == childName) found.push_back(item.index);
  }
  return found;
}

std::string XmlDocument::TextOf(const XmlText& text) const {
  const std::string_view raw(bytes.data() + text.begin, text.end - text.begin);
  std::string decoded;
  if (text.cdata) {
    decoded.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
      if (raw[i] == '\r') {
        if (i + 1 < raw.size() && raw[i + 1] == '\n') ++i;
        decoded += '\n';
      } else {
        decoded += raw[i];
      }
    }
  } else {
    DecodeXmlText(raw, false, decoded);  // the scan has checked every reference
  }
  return decoded;
}

bool XmlDocument::PlainContent(const XmlElement& element, std::string_view& content) const {
  for (const XmlContent& item : element.content) {
    if (item.isElement || texts[item.index].cdata) return false;
  }
  content = std::string_view(bytes.data() + element.startEnd, element.endBegin - element.startEnd);
  return content.find('<') == std::string_view::npos && content.find('&') == std::string_view::npos;
}

// One pass over the bytes, keeping the open elements on a stack.
class XmlScanner {
 public:
  XmlScanner(XmlDocument& document) : document(document), b(document.bytes) {}

  bool Scan(std::string& reason) {
    if (b.compare(0, 3, "\xEF\xBB\xBF") == 0) at = 3;
    if (b.compare(0, 2, "\xFF\xFE") == 0 || b.compare(0, 2, "\xFE\xFF") == 0) {
      return Fail(reason, Text(Message::kXmlNotUtf8));
    }
    bool rootSeen = false;
    while (at < b.size()) {
      if (stack.empty()) {
        if (IsBlank(b[at])) {
          ++at;
          continue;
        }
        if (b[at] != '<') return Fail(reason, Text(Message::kXmlMarkupExpected));
      }
      if (b[at] != '<') {
        if (!ScanText(reason)) return false;
      } else if (Starts("<?")) {
        if (!ScanInstruction(reason)) return false;
      } else if (Starts("<!--")) {
        if (!SkipPast("-->", 4)) return Fail(reason, Text(Message::kXmlUnclosed));
      } else if (Starts("<![CDATA[")) {
        if (stack.empty()) return Fail(reason, Text(Message::kXmlMarkupExpected));
        const auto close = b.find("]]>", at + 9);
        if (close == std::string::npos) return Fail(reason, Text(Message::kXmlUnclosed));
        AddText(at + 9, close, true);
        at = close + 3;
      } else if (Starts("<!DOCTYPE")) {
        if (rootSeen || !stack.empty() || !SkipDoctype()) {
          return Fail(reason, Text(Message::kXmlMarkupExpected));
        }
      } else if (Starts("</")) {
        if (!ScanEndTag(reason)) return false;
      } else {
        if (stack.empty() && rootSeen) return Fail(reason, Text(Message::kXmlMarkupExpected));
        rootSeen = true;
        if (!ScanStartTag(reason)) return false;
      }
    }
    if (!rootSeen || !stack.empty()) return Fail(reason, Text(Message::kXmlUnclosed));
    return true;
  }

 private:
  bool Fail(std::string& reason, const std::string& why) {
    reason = why;
    return false;
  }
  bool Starts(std::string_view text) const { return b.compare(at, text.size(), text) == 0; }
  bool SkipPast(std::string_view end, std::size_t from) {
    const auto found = b.find(end, at + from);
    if (found == std::string::npos) return false;
    at = found + end.size();
    return true;
  }
  void SkipBlanks() {
    while (at < b.size() && IsBlank(b[at])) ++at;
  }
  std::string Name() {
    const std::size_t start = at;
    while (at < b.size() && !EndsName(b[at])) ++at;
    return b.substr(start, at - start);
  }
  void AddText(std::size_t begin, std::size_t end, bool cdata) {
    document.texts.push_back({begin, end, cdata});
    document.elements[stack.back()].content.push_back({false, document.texts.size() - 1});
  }

  bool ScanText(std::string& reason) {
    const std::size_t start = at;
    at = b.find('<', at);
    if (at == std::string::npos) at = b.size();
    // Only references need checking; a long run of plain data is not copied.
    const std::string_view run = std::string_view(b).substr(start, at - start);
    std::string decoded;
    if (run.find('&') != std::string_view::npos && !DecodeXmlText(run, false, decoded)) {
      return Fail(reason, Text(Message::kXmlUnknownEntity));
    }
    AddText(start, at, false);
    return true;
  }

  // "<?xml ...?>" says the encoding; other instructions are skipped.
  bool ScanInstruction(std::string& reason) {
    const std::size_t start = at;
    if (!SkipPast("?>", 2)) return Fail(reason, Text(Message::kXmlUnclosed));
    const std::string_view instruction(b.data() + start, at - start);
    if (start == 0 || (start == 3 && b[0] == '\xEF')) {
      const auto encoding = instruction.find("encoding");
      if (encoding != std::string_view::npos) {
        const auto quote = instruction.find_first_of("\"'", encoding);
        if (quote == std::string_view::npos) return Fail(reason, Text(Message::kXmlNotUtf8));
        const auto close = instruction.find(instruction[quote], quote + 1);
        std::string name(instruction.substr(quote + 1, close - quote - 1));
        for (char& c : name) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
        if (name != "UTF-8") return Fail(reason, Text(Message::kXmlNotUtf8));
      }
    }
    return true;
  }

  // The document type, with an internal subset in brackets whose quoted
  // strings and comments may hold any of "]" and ">".
  bool SkipDoctype() {
    at += 9;
    bool inSubset = false;
    while (at < b.size()) {
      const char c = b[at];
      if (c == '"' || c == '\'') {
        const auto close = b.find(c, at + 1);
        if (close == std::string::npos) return false;
        at = close + 1;
      } else if (Starts("<!--")) {
        if (!SkipPast("-->", 4)) return false;
      } else if (c == '[') {
        inSubset = true;
        ++at;
      } else if (c == ']') {
        inSubset = false;
        ++at;
      } else if (c == '>' && !inSubset) {
        ++at;
        return true;
      } else {
        ++at;
      }
    }
    return false;
  }

  bool ScanStartTag(std::string& reason) {
    XmlElement element;
    element.begin = at;
    ++at;
    element.name = Name();
    if (element.name.empty()) return Fail(reason, Text(Message::kXmlMarkupExpected));
    while (true) {
      const std::size_t before = at;
      SkipBlanks();
      if (at >= b.size()) return Fail(reason, Text(Message::kXmlUnclosed));
      if (b[at] == '>' || Starts("/>")) break;
      if (at == before) return Fail(reason, Text(Message::kXmlMarkupExpected));
      XmlAttribute attribute;
      attribute.name = Name();
      SkipBlanks();
      if (attribute.name.empty() || at >= b.size() || b[at] != '=') {
        return Fail(reason, Text(Message::kXmlMarkupExpected));
      }
      ++at;
      SkipBlanks();
      if (at >= b.size() || (b[at] != '"' && b[at] != '\'')) {
        return Fail(reason, Text(Message::kXmlMarkupExpected));
      }
      const auto close = b.find(b[at], at + 1);
      if (close == std::string::npos) return Fail(reason, Text(Message::kXmlUnclosed));
      attribute.valueBegin = at + 1;
      attribute.valueEnd = close;
      const std::string_view raw(b.data() + at + 1, close - at - 1);
      if (raw.find('<') != std::string_view::npos) {
        return Fail(reason, Text(Message::kXmlMarkupExpected));
      }
      if (!DecodeXmlText(raw, true, attribute.value)) {
        return Fail(reason, Text(Message::kXmlUnknownEntity));
      }
      at = close + 1;
      element.attributes.push_back(std::move(attribute));
    }
    // An attribute written twice: XML refuses it, and so does the scan, so
    // that no parser that lets it through is asked.
    std::vector<std::string_view> names;
    for (const XmlAttribute& attribute : element.attributes) names.push_back(attribute.name);
    std::sort(names.begin(), names.end());
    if (std::adjacent_find(names.begin(), names.end()) != names.end()) {
      return Fail(reason, Text(Message::kXmlMarkupExpected));
    }
    const bool empty = b[at] == '/';
    at += empty ? 2 : 1;
    element.startEnd = at;
    element.parent = stack.empty() ? 0 : stack.back();
    document.elements.push_back(std::move(element));
    const std::size_t index = document.elements.size() - 1;
    if (!stack.empty()) document.elements[stack.back()].content.push_back({true, index});
    if (empty) {
      document.elements[index].endBegin = document.elements[index].end = at;
    } else {
      if (stack.size() >= XmlDocument::kMaxDepth) return Fail(reason, Text(Message::kXmlTooDeep));
      stack.push_back(index);
    }
    return true;
  }

  bool ScanEndTag(std::string& reason) {
    if (stack.empty()) return Fail(reason, Text(Message::kXmlMarkupExpected));
    const std::size_t start = at;
    at += 2;
    const std::string name = Name();
    SkipBlanks();
    XmlElement& open = document.elements[stack.back()];
    if (name != open.name || at >= b.size() || b[at] != '>') {
      return Fail(reason, Text(Message::kXmlMarkupExpected));
    }
    ++at;
    open.endBegin = start;
    open.end = at;
    stack.pop_back();
    return true;
  }

  XmlDocument& document;
  const std::string& b;
  std::size_t at = 0;
  std::vector<std::size_t> stack;
};

bool XmlDocument::Scan(std::string bytes, XmlDocument& document, std::string& reason) {
  document = XmlDocument();
  document.bytes = std::move(bytes);
  XmlScanner scanner(document);
  if (scanner.Scan(reason)) return true;
  document.elements.clear();
  document.texts.clear();
  return false;
}
