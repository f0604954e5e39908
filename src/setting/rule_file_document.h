#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/file_failure.h"
#include "setting/rule_file_encoding.h"
#include "setting/rule_section.h"

// Why an edit of the rule file was not made.
enum class RuleFileRefusal {
  kNone,
  kSectionExists,  // an appended section's name is taken, letter case aside
  kNoSection,      // the section to change is not in the file
  kCannotHold,     // a text has characters that the file's encoding lacks
};

struct RuleFileEdit {
  RuleFileRefusal refusal = RuleFileRefusal::kNone;
  std::string text;  // the section's name, or the text the encoding cannot hold
  bool Done() const { return refusal == RuleFileRefusal::kNone; }
};

enum class RuleFileSaveOutcome {
  kSaved,
  kChangedSinceRead,  // another program changed the file: nothing written
  kNotWritten,        // the rule file is as it was
};

struct RuleFileSave {
  RuleFileSaveOutcome outcome = RuleFileSaveOutcome::kSaved;
  std::string path;   // the file that could not be written: the rule file or its .bak
  FileResult reason;  // why it could not be
};

// The rule file as its lines of bytes, for changing a few of them: every
// line that an edit does not touch is saved byte for byte as it was read,
// and new lines take the file's encoding and line ends. Names and values go
// in and out as the programs' text (UTF-8); sections are found as the
// reader finds them, so an edit changes what the reader then reads.
class RuleFileDocument {
 public:
  // Reads path whole. A file that does not exist reads as empty and is made
  // by Save; one that cannot be read gives nothing and the message why.
  static std::optional<RuleFileDocument> Read(const std::string& path, std::string& failure);

  RuleFileEncoding Encoding() const { return encoding; }
  // What Save writes.
  std::string Bytes() const;

  // Whether the file's encoding holds every character of text.
  bool Holds(const std::string& text) const;

  // Gives the keys ("key=value") of the section the reader reads under
  // name their values: a key that the section has (the line the reader
  // takes, where it is written twice) keeps its line and its spacing before
  // the value; one it lacks is added after its last key. Other lines stay.
  RuleFileEdit ReplaceKeys(const std::string& name, const std::vector<std::string>& keys);
  // Takes the lines of the keys out of the section the reader reads under
  // name (every line of a key written twice); keys it lacks are no change.
  RuleFileEdit RemoveKeys(const std::string& name, const std::vector<std::string>& keys);
  // Adds section at the end of the file, after an empty line.
  RuleFileEdit AppendSection(const RuleSection& section);
  // Adds rule as a further candidate to the [Process] line of sizeKey
  // ("W,H"), or a line for it where there is none (a [Process] section too).
  // A rule that is a candidate already is not added again.
  RuleFileEdit AddProcessCandidate(const std::string& sizeKey, const std::string& rule);

  // Writes the document over the file through a temporary file, the file as
  // it was kept beside it as "<name>.bak". Unless told to overwrite, a file
  // that another program changed since it was read (or saved) is left alone.
  enum class SaveMode { kUnlessChanged, kEvenIfChanged };
  RuleFileSave Save(SaveMode mode = SaveMode::kUnlessChanged);

 private:
  struct Line {
    std::string bytes;  // without the line end (and, for the first, the byte-order mark)
    std::string end;    // "\r\n", "\n", "\r", or empty for a last line without one
  };
  // Where the reader finds a section: its header line and the lines that
  // follow, up to the next header.
  struct Span {
    std::size_t header;
    std::size_t end;
  };

  // Whether a header spells name, letter case aside.
  bool HasSection(const std::string& name) const;
  std::optional<Span> FindSection(const std::string& name) const;
  // The line of key that the store reads in span (the last, where it is
  // written twice), and in lastKeyLine the last key line it reads (or the
  // header).
  std::optional<std::size_t> KeyLine(const Span& span, const std::string& key,
                                     std::size_t& lastKeyLine) const;
  // Adds the bytes of text (lines in the file's encoding) at the end.
  void AppendBytes(const std::string& bytes);
  // The first text of texts that the file's encoding cannot hold.
  std::optional<std::string> Unheld(const std::vector<std::string>& texts) const;
  void InsertLine(std::size_t at, const std::string& bytes);

  std::string path;
  bool existed = false;
  std::string readBytes;  // the file as read or last saved
  std::string mark;       // the UTF-8 byte-order mark, where the file has it
  RuleFileEncoding encoding = RuleFileEncoding::kUtf8;
  // The file's first line end: CR LF, LF or CR; CR LF for a file without one.
  std::string lineEnd = "\r\n";
  std::vector<Line> lines;
};

// The messages of a refused edit and of a save that wrote nothing.
std::string RuleFileEditText(const RuleFileEdit& edit, RuleFileEncoding encoding);
std::string RuleFileSaveText(const RuleFileSave& save);
