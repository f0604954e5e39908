#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/file_failure.h"
#include "setting/rule_file_bytes.h"
#include "setting/rule_file_encoding.h"
#include "setting/rule_file_snapshot.h"
#include "setting/rule_section.h"

// Why an edit of the rule file was not made.
enum class RuleFileRefusal {
  kNone,
  kSectionExists,  // an appended section's name is taken, letter case aside
  kNoSection,      // the section to change is not in the file
  kCannotHold,     // a text has a character that the file's encoding lacks
  kLineBreak,      // a value (of the key text) or a name has a line break
  kNotACandidate,  // a name that [Process] cannot list (character says why)
};

struct RuleFileEdit {
  RuleFileRefusal refusal = RuleFileRefusal::kNone;
  // The section's name, the text the encoding cannot hold, the key whose
  // value has a line break (empty for a name), or the name [Process] cannot
  // list.
  std::string text;
  // The character of text that the encoding lacks, or that [Process] reads
  // as a separator.
  std::string character;
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
// reader finds them, so an edit changes what the reader then reads. An edit
// that is refused changes nothing; several edits are saved together, once.
//
// A file without the byte-order mark is written as Shift-JIS in both
// builds, unless the native build reads it as UTF-8 already (it holds UTF-8
// beyond ASCII): one file never mixes two encodings.
class RuleFileDocument {
 public:
  // Reads path whole. A file that does not exist reads as empty and is made
  // by Save; one that cannot be read gives nothing and the message why.
  static std::optional<RuleFileDocument> Read(const std::string& path, std::string& failure);
  // The file as snapshot read it: Save then finds any change made since
  // that read, not only since now.
  static std::optional<RuleFileDocument> Of(const RuleFileSnapshot& snapshot, std::string& failure);

  RuleFileEncoding Encoding() const { return encoding; }
  // What Save writes.
  std::string Bytes() const;

  // Done when the file's encoding holds every character of text, else the
  // refusal naming the first it lacks.
  RuleFileEdit CanHold(const std::string& text) const;

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
  // A rule that is a candidate already is not added again; a name that
  // would read as two ("/" separates candidates, "," the rules of a list)
  // is refused.
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
  // The refusal of the first of the keys ("key=value"), names and texts
  // that a line cannot hold or the file's encoding cannot, or nothing.
  std::optional<RuleFileEdit> Unwritable(const std::vector<std::string>& keys,
                                         const std::vector<std::string>& names) const;
  void InsertLine(std::size_t at, const std::string& bytes);

  static std::optional<RuleFileDocument> OfBytes(const std::string& path, const RuleFileBytes& file,
                                                 std::string& failure);
  RuleFileDocument(std::string path, RuleFileBytes read);

  std::string path;
  RuleFileBytes read;  // the file as read or last saved
  std::string mark;    // the UTF-8 byte-order mark, where the file has it
  RuleFileEncoding encoding = RuleFileEncoding::kUtf8;
  // The file's first line end: CR LF, LF or CR; CR LF for a file without one.
  std::string lineEnd = "\r\n";
  std::vector<Line> lines;
};

// The messages of a refused edit and of a save that wrote nothing.
std::string RuleFileEditText(const RuleFileEdit& edit, RuleFileEncoding encoding);
std::string RuleFileSaveText(const RuleFileSave& save);
