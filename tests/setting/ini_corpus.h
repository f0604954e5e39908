#pragma once

#include <string>
#include <vector>

// Rule files that probe the corners of INI reading. Each names, besides the
// sections it lists, a few names to look up that it does not spell exactly.
struct IniCorpusEntry {
  const char* title;
  std::string text;
  std::vector<std::string> lookups;
};

inline std::vector<IniCorpusEntry> IniCorpus() {
  const std::string big(40000, 'x');
  std::string manyKeys = "[Big]\n";
  for (int i = 0; i < 3000; ++i) manyKeys += "key" + std::to_string(i) + "=value\n";
  std::string manyNames;
  for (int i = 0; i < 4000; ++i) manyNames += "[Section" + std::to_string(i) + "]\nk=1\n";
  return {
      {"plain", "[Process]\n480,256=A\ndefault=B\n[A]\nSrcDiv=8,4\n", {"process", "PROCESS"}},
      {"crlf line ends", "[A]\r\nk=1\r\nj=2\r\n[B]\r\nx=y\r\n", {}},
      {"lone cr line ends", "[A]\rk=1\rj=2\r[B]\rx=y", {}},
      {"no line end at the end", "[A]\nk=1\nlast=value", {}},
      {"blank lines", "\n\n[A]\n\nk=1\n\n\nj=2\n\n", {}},
      {"comments", "; top\n[A]\n;k=1\n  ; indented=1\nj=2\n#hash=3\n", {}},
      {"blanks around names and equals", "  [ A ]  \n  k  =  v  \n\tt\t=\tw\t\n", {" A "}},
      {"equals inside values", "[A]\na=b=c\nurl = x = y\n", {}},
      {"empty key and empty value", "[A]\n=x\nk=\n = \n", {}},
      {"line without equals", "[A]\nk=1\nnoequals\nj=2\n", {}},
      {"duplicate key", "[A]\nk=1\nk=2\n", {}},
      {"duplicate section", "[A]\nk=1\n[B]\nb=1\n[A]\nk=2\nj=3\n", {}},
      {"section names differ in case", "[abc]\nk=1\n[ABC]\nk=2\n", {"Abc"}},
      {"lines before the first section", "k=0\nx=y\n[A]\nk=1\n", {""}},
      {"empty section name", "[]\nk=1\n[ ]\nj=2\n[A]\na=1\n", {"", " "}},
      {"bracket without close", "[A]\nk=1\n[B\nb=1\n", {"B", "[B"}},
      {"text after the closing bracket", "[A] comment\nk=1\n[B]]\nb=1\n", {"B"}},
      {"control characters", "[A]\n\x0bk=\x0c" "1\n\x1a" "j=2\x1a\n \x01z=1\n", {}},
      {"quotes kept", "[A]\n\"k\"=\"v\"\n'a'='b'\n", {}},
      {"utf-8 byte order mark", "\xEF\xBB\xBF[A]\nk=1\n", {}},
      {"Japanese names, keys and values",
       "[表]\n予=ソ\n[ソース]\n名前=能力\nNameFoot=_表\n[何もしない]\nk=1\n", {}},
      {"trail bytes that look like brackets and letters",
       "[ア]\nk=1\n[ヂ]\nk=2\n[ゾ]]\nx=1\n", {"ヂ", "ア", "ゾ"}},
      {"full-width blanks are not trimmed", "[A]\n　k　=　v　\n", {}},
      {"section over the buffer", "[A]\nlong=" + big + "\nafter=1\n[B]\nk=1\n", {}},
      {"many keys", manyKeys, {}},
      {"many section names", manyNames, {"Section3999"}},
  };
}
