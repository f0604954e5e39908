#include "tiled/xml_reading.h"

#include <vector>

#include "common/messages.h"
#include "tiled/xml_parser.h"

namespace {

// Whether the parser's events are those of the scanned document, matched
// as the scan goes: each element's start with its attributes and its end,
// and the character data between them, run by run (a run without
// references or carriage returns as its bytes, without a decoded copy).
bool ReadAlike(const XmlDocument& document, const std::vector<XmlEvent>& parsed) {
  const std::vector<XmlElement>& elements = document.Elements();
  const std::string& bytes = document.Bytes();
  std::size_t at = 0;         // the parser's event under comparison
  std::size_t matched = 0;    // of its text, by the runs so far
  bool inText = false;
  std::string decoded;
  const auto endText = [&] {
    if (!inText) return true;
    inText = false;
    const bool whole = matched == parsed[at].text.size();
    ++at;
    matched = 0;
    return whole;
  };
  const auto matchRun = [&](const XmlText& run) {
    std::string_view text(bytes.data() + run.begin, run.end - run.begin);
    if (run.cdata || text.find('&') != std::string_view::npos ||
        text.find('\r') != std::string_view::npos) {
      decoded = document.TextOf(run);
      text = decoded;
    }
    if (text.empty()) return true;
    if (!inText) {
      if (at >= parsed.size() || parsed[at].kind != XmlEvent::Kind::kText) return false;
      inText = true;
    }
    const std::string& expected = parsed[at].text;
    if (matched + text.size() > expected.size() ||
        expected.compare(matched, text.size(), text) != 0) {
      return false;
    }
    matched += text.size();
    return true;
  };
  const auto matchTag = [&](XmlEvent::Kind kind, const XmlElement& element) {
    if (!endText() || at >= parsed.size()) return false;
    const XmlEvent& event = parsed[at++];
    if (event.kind != kind || event.name != element.name) return false;
    if (kind == XmlEvent::Kind::kEnd) return true;
    if (event.attributes.size() != element.attributes.size()) return false;
    for (std::size_t i = 0; i < element.attributes.size(); ++i) {
      if (event.attributes[i].first != element.attributes[i].name ||
          event.attributes[i].second != element.attributes[i].value) {
        return false;
      }
    }
    return true;
  };
  // Depth first without recursion: the element and how far its content is done.
  std::vector<std::pair<std::size_t, std::size_t>> stack;
  if (!matchTag(XmlEvent::Kind::kStart, elements[0])) return false;
  stack.emplace_back(0, 0);
  while (!stack.empty()) {
    auto& [index, next] = stack.back();
    const XmlElement& element = elements[index];
    if (next == element.content.size()) {
      if (!matchTag(XmlEvent::Kind::kEnd, element)) return false;
      stack.pop_back();
      continue;
    }
    const XmlContent item = element.content[next++];
    if (!item.isElement) {
      if (!matchRun(document.Texts()[item.index])) return false;
    } else {
      if (!matchTag(XmlEvent::Kind::kStart, elements[item.index])) return false;
      stack.emplace_back(item.index, 0);
    }
  }
  return at == parsed.size();
}

}  // namespace

bool ReadXmlDocument(std::string bytes, XmlDocument& document, std::string& reason) {
  // The scan first: a parser of the platform that has faults of its own
  // (wine's, which loops on some documents that are not well-formed) only
  // sees what the scan took.
  std::string scanReason;
  if (!XmlDocument::Scan(std::move(bytes), document, scanReason)) {
    reason = Text(Message::kXmlNotWellFormed, {scanReason});
    return false;
  }
  std::vector<XmlEvent> parsed;
  std::string parserReason;
  if (!ParseXmlEvents(document.Bytes(), parsed, parserReason)) {
    document = XmlDocument();
    reason = Text(Message::kXmlNotWellFormed, {parserReason});
    return false;
  }
  if (!ReadAlike(document, parsed)) {
    document = XmlDocument();
    reason = Text(Message::kXmlReadDifferently);
    return false;
  }
  return true;
}

bool ParserAndScanAgree(const std::string& bytes) {
  std::vector<XmlEvent> parsed;
  std::string reason;
  XmlDocument document;
  if (!XmlDocument::Scan(bytes, document, reason) || !ParseXmlEvents(bytes, parsed, reason)) {
    return true;
  }
  return ReadAlike(document, parsed);
}
