#include <libxml/parser.h>

#include <algorithm>
#include <climits>

#include "tiled/xml_parser.h"

namespace {

// The events so far; text is gathered until the next element event.
struct EventList {
  std::vector<XmlEvent>& events;
  std::size_t documentSize;
  std::string text;
  int depth = 0;
  bool referenceSeen = false;

  void FlushText() {
    if (!text.empty()) {
      XmlEvent event;
      event.text = std::move(text);
      events.push_back(std::move(event));
      text.clear();
    }
  }
};

EventList& ListOf(void* context) {
  return *static_cast<EventList*>(static_cast<xmlParserCtxtPtr>(context)->_private);
}

// Without entities substituted by the parser, libxml2 hands over every "&"
// of an attribute value as "&#38;"; every "&#38;" it hands over is one.
std::string AttributeValue(const xmlChar* value) {
  std::string text = value != nullptr ? reinterpret_cast<const char*>(value) : "";
  for (std::size_t at = 0; (at = text.find("&#38;", at)) != std::string::npos; ++at) {
    text.replace(at, 5, "&");
  }
  return text;
}

void StartElement(void* context, const xmlChar* name, const xmlChar** attributes) {
  EventList& list = ListOf(context);
  list.FlushText();
  XmlEvent event;
  event.kind = XmlEvent::Kind::kStart;
  event.name = reinterpret_cast<const char*>(name);
  for (const xmlChar** a = attributes; a != nullptr && a[0] != nullptr; a += 2) {
    event.attributes.emplace_back(reinterpret_cast<const char*>(a[0]), AttributeValue(a[1]));
  }
  list.events.push_back(std::move(event));
  ++list.depth;
}

void EndElement(void* context, const xmlChar* name) {
  EventList& list = ListOf(context);
  list.FlushText();
  XmlEvent event;
  event.kind = XmlEvent::Kind::kEnd;
  event.name = reinterpret_cast<const char*>(name);
  list.events.push_back(std::move(event));
  --list.depth;
}

void Characters(void* context, const xmlChar* text, int length) {
  EventList& list = ListOf(context);
  if (list.depth == 0) return;
  // A long run (a layer's data) gets room for the rest of the document at
  // once, rather than growing by copies of itself.
  const std::size_t size = list.text.size() + static_cast<std::size_t>(length);
  if (size > list.text.capacity() && list.text.size() >= 65536) {
    list.text.reserve(std::max(size, list.documentSize));
  }
  list.text.append(reinterpret_cast<const char*>(text), static_cast<std::size_t>(length));
}

// XML reads every CR LF and lone CR as LF, in CDATA sections too; the push
// parser hands a section over as written, whole when it has the whole
// document. (Were it ever to cut a section between CR and LF, the scan
// would read the document differently and the map would be refused.)
void Cdata(void* context, const xmlChar* text, int length) {
  std::string normalised;
  normalised.reserve(static_cast<std::size_t>(length));
  for (int i = 0; i < length; ++i) {
    const char c = static_cast<char>(text[i]);
    if (c == '\r' && i + 1 < length && text[i + 1] == '\n') continue;
    normalised += c == '\r' ? '\n' : c;
  }
  Characters(context, reinterpret_cast<const xmlChar*>(normalised.data()),
             static_cast<int>(normalised.size()));
}

// An entity of the document's own: its text would come from the parser
// alone, where no byte position can follow it.
void Reference(void* context, const xmlChar*) { ListOf(context).referenceSeen = true; }

void Silent(void*, const char*, ...) {}

}  // namespace

bool ParseXmlEvents(std::string_view document, std::vector<XmlEvent>& events,
                    std::string& reason) {
  events.clear();
  if (document.size() > static_cast<std::size_t>(INT_MAX)) return false;
  xmlSAXHandler handler{};
  handler.startElement = StartElement;
  handler.endElement = EndElement;
  handler.characters = Characters;
  handler.ignorableWhitespace = Characters;
  handler.cdataBlock = Cdata;
  handler.reference = Reference;
  handler.warning = Silent;
  handler.error = Silent;
  handler.fatalError = Silent;
  handler.initialized = 1;  // the first form of the callbacks: attributes as written, xmlns too

  xmlParserCtxtPtr context =
      xmlCreatePushParserCtxt(&handler, nullptr, nullptr, 0, nullptr);
  if (context == nullptr) return false;
  EventList list{events, document.size(), std::string(), 0, false};
  context->_private = &list;
  // No network, no external document type, no entity substituted by the
  // parser; long payloads are allowed (the callers bound the sizes). The
  // handler's own silent callbacks take the messages.
  xmlCtxtUseOptions(context, XML_PARSE_NONET | XML_PARSE_HUGE);
  xmlParseChunk(context, document.data(), static_cast<int>(document.size()), 1);
  const bool wellFormed = context->wellFormed != 0 && !list.referenceSeen;
  if (!wellFormed) {
    const xmlError* error = xmlCtxtGetLastError(context);
    if (error != nullptr && error->message != nullptr) {
      reason = error->message;
      while (!reason.empty() && (reason.back() == '\n' || reason.back() == ' ')) reason.pop_back();
      reason += " (" + std::to_string(error->line) + ")";
    }
  }
  xmlFreeParserCtxt(context);
  list.FlushText();
  return wellFormed;
}
