#include "setting/rule_file_document.h"

#include <cerrno>
#include <cstdio>

#include "common/file_io.h"
#include "common/file_replacement.h"
#include "common/messages.h"
#include "setting/ini_text.h"

namespace {

constexpr char kProcessSection[] = "Process";

enum class FileRead { kRead, kMissing, kFailed };

FileRead ReadBytes(const std::string& path, std::string& bytes, FileResult& reason) {
  bytes.clear();
  errno = 0;
  std::FILE* file = OpenFile(path, "rb");
  if (file == nullptr) {
    if (errno == ENOENT) return FileRead::kMissing;
    reason = FileResultFromErrno(errno, FileAccess::kRead);
    return FileRead::kFailed;
  }
  char buffer[65536];
  for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
    bytes.append(buffer, read);
  }
  const int error = std::ferror(file) ? (errno != 0 ? errno : EIO) : 0;
  std::fclose(file);
  if (error == 0) return FileRead::kRead;
  reason = FileResultFromErrno(error, FileAccess::kRead);
  return FileRead::kFailed;
}

FileResult WriteBytes(const std::string& path, const std::string& bytes) {
  return WriteFileReplacing(path, [&bytes](std::FILE* file) {
    return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  });
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
  RuleFileDocument document;
  document.path = path;
  FileResult reason;
  switch (ReadBytes(path, document.readBytes, reason)) {
    case FileRead::kFailed:
      failure = Text(Message::kRuleFileUnreadable, {path, FileFailureText(reason)});
      return std::nullopt;
    case FileRead::kMissing:
      break;
    case FileRead::kRead:
      document.existed = true;
      break;
  }
  const std::string& bytes = document.readBytes;
  document.encoding = RuleFileEncodingOf(bytes);
  if (bytes.compare(0, 3, kUtf8Mark) == 0) document.mark = kUtf8Mark;
  document.AppendBytes(bytes.substr(document.mark.size()));
  for (const Line& line : document.lines) {
    if (!line.end.empty()) {
      document.lineEnd = line.end;
      break;
    }
  }
  return document;
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

bool RuleFileDocument::Holds(const std::string& text) const {
  bool held = true;
  EncodeRuleFileText(text, encoding, held);
  return held;
}

std::optional<std::string> RuleFileDocument::Unheld(const std::vector<std::string>& texts) const {
  for (const std::string& text : texts) {
    if (!Holds(text)) return text;
  }
  return std::nullopt;
}

RuleFileEdit RuleFileDocument::ReplaceKeys(const std::string& name,
                                           const std::vector<std::string>& keys) {
  const std::optional<Span> span = FindSection(name);
  if (!span) return {RuleFileRefusal::kNoSection, name};
  if (const auto unheld = Unheld(keys)) return {RuleFileRefusal::kCannotHold, *unheld};
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
  if (!span) return {RuleFileRefusal::kNoSection, name};
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
  if (HasSection(section.name)) return {RuleFileRefusal::kSectionExists, section.name};
  std::vector<std::string> texts = {section.name};
  texts.insert(texts.end(), section.comments.begin(), section.comments.end());
  texts.insert(texts.end(), section.keys.begin(), section.keys.end());
  if (const auto unheld = Unheld(texts)) return {RuleFileRefusal::kCannotHold, *unheld};
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
  std::string onDisk;
  FileResult reason;
  const FileRead read = ReadBytes(path, onDisk, reason);
  if (read == FileRead::kFailed) return {RuleFileSaveOutcome::kNotWritten, path, reason};
  const bool unchanged =
      existed ? read == FileRead::kRead && onDisk == readBytes : read == FileRead::kMissing;
  if (!unchanged && mode == SaveMode::kUnlessChanged) {
    return {RuleFileSaveOutcome::kChangedSinceRead, path, FileResult()};
  }
  // The .bak first: should it fail, the rule file has not been touched.
  const std::string backup = path + ".bak";
  if (read == FileRead::kRead) {
    reason = WriteBytes(backup, onDisk);
    if (!reason) return {RuleFileSaveOutcome::kNotWritten, backup, reason};
  }
  const std::string bytes = Bytes();
  reason = WriteBytes(path, bytes);
  if (!reason) return {RuleFileSaveOutcome::kNotWritten, path, reason};
  readBytes = bytes;
  existed = true;
  return {};
}

std::string RuleFileEditText(const RuleFileEdit& edit, RuleFileEncoding encoding) {
  switch (edit.refusal) {
    case RuleFileRefusal::kSectionExists:
      return Text(Message::kRuleFileSectionExists, {edit.text});
    case RuleFileRefusal::kNoSection:
      return Text(Message::kRuleFileNoSection, {edit.text});
    case RuleFileRefusal::kCannotHold:
      return Text(Message::kRuleFileCannotHold, {edit.text, RuleFileEncodingName(encoding)});
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
