#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// What an XML parser finds in a document, in order: each element's start
// with its attributes as written (name and value as XML reads it), its end,
// and the character data between two of these (CDATA sections included,
// comments and processing instructions left out, nothing outside the root).
struct XmlEvent {
  enum class Kind { kStart, kEnd, kText };
  Kind kind = Kind::kText;
  std::string name;  // of an element
  std::vector<std::pair<std::string, std::string>> attributes;
  std::string text;  // kText: the data between the events before and after it
};

// The events of document as the platform's own parser reads it (libxml2
// natively, XmlLite on Windows), with no file or network reached. False
// where it is not well-formed, with the parser's reason.
bool ParseXmlEvents(std::string_view document, std::vector<XmlEvent>& events,
                    std::string& reason);
