// Maps are read by the platform's parser and by our own scan of positions:
// where both take a document they must read the same, and a document that
// either refuses is not rewritten.
#include <gtest/gtest.h>

#include "tiled/xml_reading.h"

namespace {

struct Case {
  const char* name;
  std::string bytes;
};

TEST(XmlReading, ParserAndScanAgreeOnWhatTiledAndEditorsWrite) {
  const Case cases[] = {
      {"declaration and blanks", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<map a=\"1\"/>\n"},
      {"byte-order mark", "\xEF\xBB\xBF<map/>"},
      {"references", "<map v=\"&lt;&amp;&gt;&quot;&apos;&#65;&#x3042;\">a&amp;b&#x41;c</map>"},
      {"blanks in values", "<map v=\"a\tb\nc\r\nd e\"/>"},
      {"line ends in text", "<map>1,2,\r\n3,4\r5</map>"},
      {"line ends in CDATA", "<map><![CDATA[1,2,\r\n3,4\r5]]></map>"},
      {"single quotes", "<map v='say \"hi\"'/>"},
      {"comment, instruction, CDATA", "<map><!-- a <b> --><?pi x?><![CDATA[<x>&amp;]]>t</map>"},
      {"document type", "<!DOCTYPE map SYSTEM \"http://mapeditor.org/dtd/1.0/map.dtd\">\n<map/>"},
      {"namespace attribute", "<map xmlns:x=\"u\" x:a=\"1\"><x:b/></map>"},
      {"nested", "<map><layer><data encoding=\"csv\">1,2</data></layer><layer/></map>"},
      {"spaces around =", "<map a = \"1\"  b\n=\n'2' ></map >"},
      {"non-ASCII names", "<map 名前=\"地図\"><タイル/></map>"},
  };
  for (const Case& c : cases) {
    XmlDocument document;
    std::string reason;
    EXPECT_TRUE(ReadXmlDocument(c.bytes, document, reason)) << c.name << ": " << reason;
    EXPECT_TRUE(ParserAndScanAgree(c.bytes)) << c.name;
  }
}

TEST(XmlReading, ReferencesToBlanksAreReadAsWrittenOrRefused) {
  // XML keeps a blank written as a reference; wine's XmlLite makes it a
  // space, so there the parser and the scan disagree and the map is refused.
  const std::string bytes = "<map v=\"a&#9;b\">c&#10;d</map>";
  XmlDocument document;
  std::string reason;
  if (ReadXmlDocument(bytes, document, reason)) {
    EXPECT_EQ(document.Root().Attribute("v")->value, "a\tb");
    EXPECT_EQ(document.TextOf(document.Texts().front()), "c\nd");
  } else {
    EXPECT_EQ(reason, "XML の読み方が確かめられないため、書き換える位置が定まりません");
  }
}

TEST(XmlReading, RefusesWhatCannotBeRewrittenInPlace) {
  const Case cases[] = {
      {"not well-formed", "<map><layer></map>"},
      {"two roots", "<map/><map/>"},
      {"no root", "<?xml version=\"1.0\"?>"},
      {"entity of its own",
       "<!DOCTYPE map [<!ENTITY e \"<layer/>\">]><map>&e;</map>"},
      {"another encoding", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><map/>"},
      {"UTF-16", std::string("\xFF\xFE<\0m\0a\0p\0/\0>\0", 14)},
      {"too deep", std::string(300 * 3, ' ').replace(0, 900, [] {
         std::string open;
         for (int i = 0; i < 300; ++i) open += "<a>";
         return open;
       }()) + [] {
         std::string close;
         for (int i = 0; i < 300; ++i) close += "</a>";
         return close;
       }()},
      {"duplicate attribute", "<map a=\"1\" a=\"2\"/>"},
      {"unclosed comment", "<map><!-- </map>"},
  };
  for (const Case& c : cases) {
    XmlDocument document;
    std::string reason;
    EXPECT_FALSE(ReadXmlDocument(c.bytes, document, reason)) << c.name;
    EXPECT_FALSE(reason.empty()) << c.name;
    EXPECT_TRUE(ParserAndScanAgree(c.bytes)) << c.name;
  }
}

TEST(XmlReading, PositionsPointAtTheBytesOfTagsAndValues) {
  const std::string bytes =
      "<map>\n <tileset firstgid=\"1\" source='a.tsx'/>\n <layer><data>1,2</data></layer>\n</map>";
  XmlDocument document;
  std::string reason;
  ASSERT_TRUE(ReadXmlDocument(bytes, document, reason)) << reason;
  const std::vector<XmlElement>& elements = document.Elements();
  ASSERT_EQ(elements.size(), 4u);
  const XmlElement& tileset = elements[1];
  EXPECT_EQ(bytes.substr(tileset.begin, tileset.end - tileset.begin),
            "<tileset firstgid=\"1\" source='a.tsx'/>");
  const XmlAttribute& source = *tileset.Attribute("source");
  EXPECT_EQ(bytes.substr(source.valueBegin, source.valueEnd - source.valueBegin), "a.tsx");
  std::string_view content;
  ASSERT_TRUE(document.PlainContent(elements[3], content));
  EXPECT_EQ(content, "1,2");
  EXPECT_EQ(elements[3].parent, 2u);
}

}  // namespace
