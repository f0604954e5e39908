#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A UTF-8 XML document as its elements, each with the byte positions of its
// tags and attribute values in the file, so that a few values can be
// replaced and every other byte kept. The positions come from our own scan;
// what the document is comes from the platform's parser, and a document is
// only used where the two agree (xml_reading.h).

struct XmlAttribute {
  std::string name;
  std::string value;  // as XML reads it: references replaced, blanks normalised
  std::size_t valueBegin = 0;  // the value's bytes in the file, inside its quotes
  std::size_t valueEnd = 0;
};

// What an element holds besides its attributes, in document order: a child
// element (its index) or a run of character data (the index of a text).
struct XmlContent {
  bool isElement = false;
  std::size_t index = 0;
};

struct XmlText {
  std::size_t begin = 0;  // the run's bytes in the file
  std::size_t end = 0;
  bool cdata = false;  // inside "<![CDATA[" and "]]>": no references
};

struct XmlElement {
  std::string name;
  std::vector<XmlAttribute> attributes;
  std::size_t begin = 0;     // the "<" of the start tag
  std::size_t startEnd = 0;  // after the start tag's ">"
  std::size_t endBegin = 0;  // the "</" of the end tag; startEnd for an empty-element tag
  std::size_t end = 0;       // after the end tag's ">"
  std::size_t parent = 0;    // the root is its own parent
  std::vector<XmlContent> content;

  const XmlAttribute* Attribute(std::string_view attributeName) const;
  // The children named childName, in order.
  std::vector<std::size_t> Children(const std::vector<XmlElement>& all,
                                    std::string_view childName) const;
};

class XmlDocument {
 public:
  // The document in bytes; elements()[0] is the root.
  const std::string& Bytes() const { return bytes; }
  const std::vector<XmlElement>& Elements() const { return elements; }
  const XmlElement& Root() const { return elements.front(); }
  const std::vector<XmlText>& Texts() const { return texts; }
  // The character data of a run as XML reads it.
  std::string TextOf(const XmlText& text) const;
  // The bytes between an element's tags, when they are character data only
  // (no markup and no reference); false otherwise.
  bool PlainContent(const XmlElement& element, std::string_view& content) const;

  // Scans bytes. Empty, with reason, where they are not a document that this
  // scan reads: not UTF-8, an entity other than XML's own, nesting deeper
  // than kMaxDepth, or not well-formed as far as the scan can tell.
  static bool Scan(std::string bytes, XmlDocument& document, std::string& reason);

  static constexpr std::size_t kMaxDepth = 256;

 private:
  std::string bytes;
  std::vector<XmlElement> elements;
  std::vector<XmlText> texts;

  friend class XmlScanner;
};

// Replaces the predefined entities and character references of raw and
// normalises line ends (attribute: every blank becomes a space, as XML
// reads attribute values); false when raw holds any other reference.
bool DecodeXmlText(std::string_view raw, bool attribute, std::string& decoded);
