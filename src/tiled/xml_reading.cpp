#include "tiled/xml_reading.h"

#include <vector>

#include "common/messages.h"
#include "tiled/xml_parser.h"

namespace {

// The events of the scanned document, as the parser reports them.
std::vector<XmlEvent> ScannedEvents(const XmlDocument& document) {
  std::vector<XmlEvent> events;
  const std::vector<XmlElement>& elements = document.Elements();
  std::string text;
  const auto flush = [&] {
    if (!text.empty()) {
      XmlEvent event;
      event.text = std::move(text);
      events.push_back(std::move(event));
      text.clear();
    }
  };
  // Depth first without recursion: the element and how far its content is done.
  std::vector<std::pair<std::size_t, std::size_t>> stack;
  const auto start = [&](std::size_t index) {
    flush();
    XmlEvent event;
    event.kind = XmlEvent::Kind::kStart;
    event.name = elements[index].name;
    for (const XmlAttribute& attribute : elements[index].attributes) {
      event.attributes.emplace_back(attribute.name, attribute.value);
    }
    events.push_back(std::move(event));
    stack.emplace_back(index, 0);
  };
  start(0);
  while (!stack.empty()) {
    auto& [index, next] = stack.back();
    const XmlElement& element = elements[index];
    if (next == element.content.size()) {
      flush();
      XmlEvent end;
      end.kind = XmlEvent::Kind::kEnd;
      end.name = element.name;
      events.push_back(std::move(end));
      stack.pop_back();
      continue;
    }
    const XmlContent item = element.content[next++];
    if (item.isElement) {
      start(item.index);
    } else {
      text += document.TextOf(document.Texts()[item.index]);
    }
  }
  return events;
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
  if (ScannedEvents(document) != parsed) {
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
  return ScannedEvents(document) == parsed;
}
