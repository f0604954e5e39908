#pragma once

#include <string>

#include "tiled/xml_document.h"

// Reads a UTF-8 XML document for rewriting: the platform's parser decides
// whether it is well-formed and what it holds, our scan where each element
// and value lies; the document is used only where both read the same
// elements, attributes and character data. Empty with the reason otherwise.
bool ReadXmlDocument(std::string bytes, XmlDocument& document, std::string& reason);

// False when the parser and the scan both take bytes but read different
// elements, attributes or text: what the fuzz target looks for.
bool ParserAndScanAgree(const std::string& bytes);
