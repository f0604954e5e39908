#pragma once

// What a save of the rule editor may change in a rule file, for the tests
// that edit rules at random: the rule's keys as the reader reads them, and
// a comparison of the file before and after, line by line.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ruletools/rule_edit.h"
#include "setting/ini_text.h"

// The editor's keys and values of a section as the reader reads them:
// Replace written empty is the one item 0.
inline std::vector<RuleEdit::Pair> ExpectedKeys(const SettingSection& section) {
  std::vector<RuleEdit::Pair> keys;
  for (const RuleKeyEntry& key : kRuleKeys) {
    if (!RuleEdit::Edits(key.id) || !section.HasKey(key.name)) continue;
    const std::string& value = section.GetValue(key.name);
    keys.emplace_back(key.name, key.id == RuleKeyId::kReplace && value.empty() ? "0" : value);
  }
  return keys;
}

inline bool IsEditorKey(const std::string& name) {
  for (const RuleKeyEntry& key : kRuleKeys) {
    if (RuleEdit::Edits(key.id) && name == key.name) return true;
  }
  return false;
}

// One line of a file, and where the reader stands on it.
struct FileLine {
  std::string text;
  std::string end;
  std::string section;  // folded, for the first section of that name only
  bool read = false;    // a key line the reader reads
  std::string key;
};

inline std::vector<FileLine> LinesOf(const std::string& bytes) {
  const bool marked = bytes.compare(0, 3, kUtf8Mark) == 0;
  const RuleFileEncoding encoding = RuleFileEncodingOf(bytes);
  std::vector<FileLine> lines;
  std::vector<std::string> seen;
  std::string section;
  bool reading = false;
  for (std::size_t at = marked ? 3 : 0; at < bytes.size();) {
    const auto end = bytes.find_first_of("\r\n", at);
    FileLine line;
    line.text = bytes.substr(at, end == std::string::npos ? end : end - at);
    if (end != std::string::npos)
      line.end = bytes.substr(end, bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    at = end == std::string::npos ? bytes.size() : end + line.end.size();
    const IniLine read = ReadIniLine(line.text, encoding);
    if (read.kind == IniLine::Kind::kHeader) {
      const std::string folded = FoldedSectionName(DecodeRuleFileText(read.name, encoding));
      const bool first = std::find(seen.begin(), seen.end(), folded) == seen.end();
      seen.push_back(folded);
      section = first ? folded : std::string();
      reading = first;
    } else if (read.kind == IniLine::Kind::kOther) {
      reading = false;
    } else if (read.kind == IniLine::Kind::kKey && reading) {
      line.read = true;
      line.key = DecodeRuleFileText(read.name, encoding);
    }
    line.section = section;
    lines.push_back(line);
  }
  return lines;
}

// Every line that differs between before and after is one the save may
// change: a key of the editor that the reader reads in the rule's
// section, the line of its size in [Process], or a line added at the end.
inline void ExpectOnlyTheRuleChanged(const std::string& before, const std::string& after,
                                     const std::string& rule, const std::string& sizeKey) {
  const std::vector<FileLine> old = LinesOf(before);
  const std::vector<FileLine> now = LinesOf(after);
  const auto mayChange = [&](const FileLine& line) {
    if (!line.read) return false;
    if (line.section == FoldedSectionName(rule)) return IsEditorKey(line.key);
    return !sizeKey.empty() && line.section == "PROCESS" && line.key == sizeKey;
  };
  // The longest run of lines both have, in order.
  std::vector<std::vector<int>> common(old.size() + 1, std::vector<int>(now.size() + 1, 0));
  for (std::size_t i = old.size(); i-- > 0;) {
    for (std::size_t j = now.size(); j-- > 0;) {
      common[i][j] = old[i].text == now[j].text ? common[i + 1][j + 1] + 1
                                                : std::max(common[i + 1][j], common[i][j + 1]);
    }
  }
  std::size_t i = 0, j = 0;
  while (i < old.size() || j < now.size()) {
    if (i < old.size() && j < now.size() && old[i].text == now[j].text &&
        common[i][j] == common[i + 1][j + 1] + 1) {
      // Only a last line without a line end gets one, when lines follow.
      EXPECT_TRUE(old[i].end == now[j].end || old[i].end.empty()) << "line end of " << old[i].text;
      ++i;
      ++j;
    } else if (i < old.size() && (j == now.size() || common[i + 1][j] >= common[i][j + 1])) {
      EXPECT_TRUE(mayChange(old[i])) << "line taken out: " << old[i].text;
      ++i;
    } else {
      // Past the old file's end: appended sections.
      EXPECT_TRUE(mayChange(now[j]) || i == old.size()) << "line put in: " << now[j].text;
      ++j;
    }
  }
}
