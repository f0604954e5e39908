#include "setting/rule_file_document.h"

#include <utility>

#include "common/encoding.h"
#include "common/file_replacement.h"
#include "common/messages.h"
#include "setting/ini_text.h"

namespace {

constexpr char kProcessSection[] = "Process";

bool HasLineBreak(const std::string& text) {
  return text.find_first_of("\r\n") != std::string::npos;
}

// The key of a "key=value" text, and its value.
std::pair<std::string, std::string> SplitKey(const std::string& key) {
  const auto equals = key.find('=');
  if (equals == std::string::npos) return {key, std::string()};
  return {key.substr(0, equals), key.substr(equals + 1)};
}

}  // namespace

std::optional<RuleFileDocument> RuleFileDocument::Read(const std::string& path,
                                                       std::string& failure) {
  return OfBytes(path, ReadRuleFileBytes(path), failure);
}

std::optional<RuleFileDocument> RuleFileDocument::Of(const RuleFileSnapshot& snapshot,
                                                     std::string& failure) {
  return OfBytes(snapshot.FileName(), snapshot.File(), failure);
}

std::optional<RuleFileDocument> RuleFileDocument::OfBytes(const std::string& path,
                                                          const RuleFileBytes& file,
                                                          std::string& failure) {
  if (file.state == RuleFileBytes::State::kUnreadable) {
    failure = Text(Message::kRuleFileUnreadable, {path, FileFailureText(file.reason)});
    return std::nullopt;
  }
  return RuleFileDocument(path, file);
}

RuleFileDocument::RuleFileDocument(std::string filePath, RuleFileBytes file)
    : path(std::move(filePath)), read(std::move(file)) {
  const std::string& bytes = read.bytes;
  encoding = RuleFileEncodingOf(bytes);
  if (bytes.compare(0, 3, kUtf8Mark) == 0) mark = kUtf8Mark;
  AppendBytes(bytes.substr(mark.size()));
  for (const Line& line : lines) {
    if (!line.end.empty()) {
      lineEnd = line.end;
      break;
    }
  }
}

std::string RuleFileDocument::Bytes() const {
  std::string bytes = mark;
  for (const Line& line : lines) bytes += line.bytes + line.end;
  return bytes;
}

void RuleFileDocument::AppendBytes(const std::string& bytes) {
  for (std::size_t at = 0; at < bytes.size();) {
    const auto end = bytes.find_first_of("\r\n", at);
    if (end == std::string::npos) {
      lines.push_back({bytes.substr(at), std::string()});
      break;
    }
    const std::size_t endLength = bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1;
    lines.push_back({bytes.substr(at, end - at), bytes.substr(end, endLength)});
    at = end + endLength;
  }
}

void RuleFileDocument::InsertLine(std::size_t at, const std::string& bytes) {
  if (at > 0 && lines[at - 1].end.empty()) lines[at - 1].end = lineEnd;
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), Line{bytes, lineEnd});
}

bool RuleFileDocument::HasSection(const std::string& name) const {
  for (const Line& line : lines) {
    const IniLine read = ReadIniLine(line.bytes, encoding);
    if (read.kind == IniLine::Kind::kHeader &&
        SameSectionName(DecodeRuleFileText(read.name, encoding), name)) {
      return true;
    }
  }
  return false;
}

// The store lists a section under the names the headers spell and reads,
// for each, the lines of the first section that matches letter case aside.
std::optional<RuleFileDocument::Span> RuleFileDocument::FindSection(const std::string& name) const {
  std::optional<Span> found;
  bool listed = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const IniLine read = ReadIniLine(lines[i].bytes, encoding);
    if (read.kind != IniLine::Kind::kHeader) continue;
    if (found && found->end == lines.size()) found->end = i;
    const std::string header = DecodeRuleFileText(read.name, encoding);
    listed = listed || header == name;
    if (!found && !name.empty() && SameSectionName(header, name)) found = Span{i, lines.size()};
  }
  return listed ? found : std::nullopt;
}

std::optional<std::size_t> RuleFileDocument::KeyLine(const Span& span, const std::string& key,
                                                     std::size_t& lastKeyLine) const {
  std::optional<std::size_t> found;
  lastKeyLine = span.header;
  for (std::size_t i = span.header + 1; i < span.end; ++i) {
    const IniLine read = ReadIniLine(lines[i].bytes, encoding);
    // The store reads no key after a line without "=".
    if (read.kind == IniLine::Kind::kOther) break;
    if (read.kind != IniLine::Kind::kKey) continue;
    lastKeyLine = i;
    if (DecodeRuleFileText(read.name, encoding) == key) found = i;
  }
  return found;
}

RuleFileEdit RuleFileDocument::CanHold(const std::string& text) const {
  const std::string character = FirstUnheldCharacter(text, encoding);
  if (character.empty()) return {};
  return {RuleFileRefusal::kCannotHold, text, character};
}

std::optional<RuleFileEdit> RuleFileDocument::Unwritable(
    const std::vector<std::string>& keys, const std::vector<std::string>& names) const {
  for (const std::string& name : names) {
    if (HasLineBreak(name)) return RuleFileEdit{RuleFileRefusal::kLineBreak, {}, {}};
  }
  for (const std::string& key : keys) {
    if (HasLineBreak(key))
      return RuleFileEdit{RuleFileRefusal::kLineBreak, SplitKey(key).first, {}};
  }
  for (const auto* texts : {&names, &keys}) {
    for (const std::string& text : *texts) {
      const RuleFileEdit held = CanHold(text);
      if (!held.Done()) return held;
    }
  }
  return std::nullopt;
}

RuleFileEdit RuleFileDocument::ReplaceKeys(const std::string& name,
                                           const std::vector<std::string>& keys) {
  const std::optional<Span> span = FindSection(name);
  if (!span) return {RuleFileRefusal::kNoSection, name, {}};
  if (const auto refused = Unwritable(keys, {})) return *refused;
  bool held = true;
  std::size_t end = span->end;
  for (const std::string& keyText : keys) {
    const auto [key, value] = SplitKey(keyText);
    std::size_t lastKeyLine = span->header;
    const std::optional<std::size_t> line = KeyLine(Span{span->header, end}, key, lastKeyLine);
    if (line) {
      std::string& bytes = lines[*line].bytes;
      bytes = bytes.substr(0, ReadIniLine(bytes, encoding).valueAt) +
              EncodeRuleFileText(value, encoding, held);
    } else {
      InsertLine(lastKeyLine + 1, EncodeRuleFileText(keyText, encoding, held));
      ++end;
    }
  }
  return {};
}

RuleFileEdit RuleFileDocument::RemoveKeys(const std::string& name,
                                          const std::vector<std::string>& keys) {
  const std::optional<Span> span = FindSection(name);
  if (!span) return {RuleFileRefusal::kNoSection, name, {}};
  std::size_t end = span->end;
  for (const std::string& key : keys) {
    std::size_t lastKeyLine = span->header;
    while (const std::optional<std::size_t> line = KeyLine(Span{span->header, end}, key, lastKeyLine)) {
      lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(*line));
      --end;
    }
  }
  return {};
}

RuleFileEdit RuleFileDocument::AppendSection(const RuleSection& section) {
  if (HasSection(section.name)) return {RuleFileRefusal::kSectionExists, section.name, {}};
  std::vector<std::string> names = {section.name};
  names.insert(names.end(), section.comments.begin(), section.comments.end());
  if (const auto refused = Unwritable(section.keys, names)) return *refused;
  if (!lines.empty()) {
    if (lines.back().end.empty()) lines.back().end = lineEnd;
    if (!lines.back().bytes.empty()) lines.push_back({std::string(), lineEnd});
  }
  bool held = true;
  AppendBytes(EncodeRuleFileText(RuleSectionText(section, lineEnd), encoding, held));
  return {};
}

RuleFileEdit RuleFileDocument::AddProcessCandidate(const std::string& sizeKey,
                                                   const std::string& rule) {
  if (const auto refused = Unwritable({}, {rule})) return *refused;
  for (const char separator : {'/', ','}) {
    if (rule.find(separator) != std::string::npos)
      return {RuleFileRefusal::kNotACandidate, rule, std::string(1, separator)};
  }
  const std::optional<Span> span = FindSection(kProcessSection);
  if (!span) return AppendSection({{}, kProcessSection, {sizeKey + "=" + rule}});
  std::size_t lastKeyLine = span->header;
  const std::optional<std::size_t> line = KeyLine(*span, sizeKey, lastKeyLine);
  if (!line) return ReplaceKeys(kProcessSection, {sizeKey + "=" + rule});
  const std::string value =
      DecodeRuleFileText(ReadIniLine(lines[*line].bytes, encoding).value, encoding);
  for (std::size_t at = 0;;) {
    const auto slash = value.find('/', at);
    if (SameSectionName(value.substr(at, slash - at), rule)) return {};
    if (slash == std::string::npos) break;
    at = slash + 1;
  }
  return ReplaceKeys(kProcessSection, {sizeKey + "=" + value + "/" + rule});
}

RuleFileSave RuleFileDocument::Save(SaveMode mode) {
  const RuleFileBytes onDisk = ReadRuleFileBytes(path);
  if (onDisk.state == RuleFileBytes::State::kUnreadable) {
    return {RuleFileSaveOutcome::kNotWritten, path, onDisk.reason};
  }
  if (!(onDisk == read) && mode == SaveMode::kUnlessChanged) {
    return {RuleFileSaveOutcome::kChangedSinceRead, path, FileResult()};
  }
  // The .bak first: should it fail, the rule file has not been touched.
  const std::string backup = path + ".bak";
  if (onDisk.state == RuleFileBytes::State::kRead) {
    const FileResult reason = WriteBytesReplacing(backup, onDisk.bytes);
    if (!reason) return {RuleFileSaveOutcome::kNotWritten, backup, reason};
  }
  std::string bytes = Bytes();
  const FileResult reason = WriteBytesReplacing(path, bytes);
  if (!reason) return {RuleFileSaveOutcome::kNotWritten, path, reason};
  read = {RuleFileBytes::State::kRead, std::move(bytes), FileResult()};
  return {};
}

std::string RuleFileEditText(const RuleFileEdit& edit, RuleFileEncoding encoding) {
  switch (edit.refusal) {
    case RuleFileRefusal::kSectionExists:
      return Text(Message::kRuleFileSectionExists, {edit.text});
    case RuleFileRefusal::kNoSection:
      return Text(Message::kRuleFileNoSection, {edit.text});
    case RuleFileRefusal::kCannotHold:
      return Text(Message::kRuleFileCannotHold,
                  {edit.text, edit.character, CharacterCodes(edit.character),
                   RuleFileEncodingName(encoding)});
    case RuleFileRefusal::kLineBreak:
      return edit.text.empty() ? Text(Message::kRuleFileNameLineBreak)
                               : Text(Message::kRuleFileValueLineBreak, {edit.text});
    case RuleFileRefusal::kNotACandidate:
      return Text(Message::kRuleFileNotACandidate, {edit.text, edit.character});
    case RuleFileRefusal::kNone:
      break;
  }
  return std::string();
}

std::string RuleFileSaveText(const RuleFileSave& save) {
  switch (save.outcome) {
    case RuleFileSaveOutcome::kChangedSinceRead:
      return Text(Message::kRuleFileChangedSinceRead, {save.path});
    case RuleFileSaveOutcome::kNotWritten:
      return Text(Message::kRuleFileNotWritten, {save.path, FileFailureText(save.reason)});
    case RuleFileSaveOutcome::kSaved:
      break;
  }
  return std::string();
}
