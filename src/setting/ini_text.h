#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "setting/rule_file_encoding.h"

// The buffers of the Windows profile calls, which a rule file is read into:
// the list of section names, and the lines of one section.
inline constexpr std::size_t kSectionNamesBufferSize = 32768;
inline constexpr std::size_t kSectionBufferSize = 32767;

// The bytes texts take in such a buffer: each with its NUL, and the NUL
// that ends the list.
std::size_t ProfileListBytes(const std::vector<std::string>& texts);

// Our own reader of INI files, which follows the conventions of the Windows
// profile reader so that a rule file reads the same in both builds:
// - A line ends at CR, at LF, or at any run of them (CR LF, LF, a lone CR);
//   a last line without a line end counts. The file's bytes are decoded
//   first (rule_file_encoding.h): Shift-JIS, or UTF-8 after its mark.
// - Blanks (space, tab, vertical tab, form feed, 0x1A) are trimmed from both
//   ends of every line. Empty lines are skipped.
// - A line that then begins with ";" is a comment and is skipped; "#" has
//   no meaning.
// - A line that begins with "[" and has a "]" after it is a section header:
//   the name is the text between the "[" and the last "]", trimmed; what
//   follows that "]" is ignored. A "[" without a "]" is an ordinary line.
// - Lines before the first header, and the lines of a section whose name is
//   empty, belong to no listed section; looking up the empty name finds the
//   lines before the first header.
// - An ordinary line with "=" is a key (the text before the first "=",
//   trimmed) and a value (the text after it, trimmed), delivered as
//   key "=" value; a line without "=" is delivered as it is.
// - Section names are listed in file order, a name that occurs twice twice.
//   A section is looked up by name with ASCII letters compared without case
//   (any other character compares as it is) and the first section
//   that matches answers: a later one of the same name is never read.
// - Lists that do not fit their buffer are cut to its size less two bytes
//   and ended by two NULs, as the Windows calls do.
// One line of a rule file (without its line end) as the reader takes it,
// its double-byte characters those of the file's encoding.
struct IniLine {
  enum class Kind {
    kSkipped,  // empty once trimmed, or a comment
    kHeader,   // name is the section name
    kKey,      // name "=" value
    kOther,    // a line without "=", delivered as text
  };
  Kind kind = Kind::kSkipped;
  std::string name;
  std::string value;
  std::string text;         // what the reader delivers for a key or other line
  std::size_t valueAt = 0;  // for a key: where its value begins in the line given
};
IniLine ReadIniLine(const std::string& line, RuleFileEncoding encoding);

// The name as the reader compares section names: ASCII letters in upper
// case, other characters as they are. Two names find the same section
// when their folded names are equal.
std::string FoldedSectionName(const std::string& name);

class IniText {
 public:
  // Parses the bytes of a rule file, decoded as its encoding says.
  static IniText OfFileBytes(const std::string& bytes);
  // Parses the programs' own text (UTF-8; a byte-order mark is skipped).
  static IniText Parse(const std::string& text);

  // The buffers of ReadProfileSectionNames and ReadProfileSection.
  void FillSectionNames(char* buffer, std::size_t size) const;
  void FillSection(const std::string& name, char* buffer, std::size_t size) const;

 private:
  struct Section {
    std::string name;
    std::vector<std::string> lines;
  };
  std::vector<Section> sections;  // the first holds the lines before any header
};

// True when a and b name the same section (their folded names are equal),
// without making either.
bool SameSectionName(const std::string& a, const std::string& b);
