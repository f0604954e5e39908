#include "ruletools/size_table_findings.h"

#include <map>
#include <set>

#include "convert/rule_error.h"
#include "convert/rule_keys.h"
#include "convert/rule_values.h"
#include "image/image_limits.h"
#include "ruletools/rule_size.h"

namespace {

constexpr char kSizeTable[] = "Process";

// The rules that are one of several candidates somewhere in the table: only
// those are asked for Specific, Force and Except.
void UnreadChoosingKeys(const RuleBook& book, const std::set<std::string>& chosenAmongSeveral,
                        FindingList& findings) {
  for (const auto& section : book.Sections()) {
    if (section->shadowedBy != nullptr || !section->rule) continue;
    if (chosenAmongSeveral.count(section->name) != 0) continue;
    for (const RuleKeyEntry& entry : kRuleKeys) {
      const char* key = entry.name;
      if (entry.reader != RuleKeyReader::kClassification || !section->HasKey(key)) continue;
      findings.Add(section->order, section->name,
                   KeyValue(key, section->Value(key)) +
                       ": この規則は[Process]で2つ以上の候補の1つになっていないため、" + key +
                       "は読まれません");
    }
  }
}

}  // namespace

std::vector<SizeTableUse> FindSizeTableMistakes(const RuleBook& book, FindingList& findings) {
  std::vector<SizeTableUse> uses;
  std::set<std::string> chosenAmongSeveral;
  const BookSection* table = book.Find(kSizeTable);
  if (table == nullptr) {
    bool misspelt = false;
    for (const auto& section : book.Sections()) {
      if (!IsSizeTableName(section->name) || section->shadowedBy != nullptr) continue;
      findings.Add(section->order, section->name,
                   "大きさの表のセクション名は[Process]です（大文字と小文字を区別します）。"
                   "このままではどの画像も振り分けられません");
      misspelt = true;
    }
    if (!misspelt) {
      findings.AddFirst(kSizeTable, "大きさの表[Process]がないため、どの画像も振り分けられません");
    }
  }

  static const std::vector<std::pair<std::string, std::string>> noEntries;
  const auto& entries = table != nullptr ? table->entries : noEntries;
  // Of a key written twice only the last is read.
  std::map<std::string, std::size_t> lastOfKey;
  for (std::size_t i = 0; i < entries.size(); ++i) lastOfKey[entries[i].first] = i;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const auto& [key, value] = entries[i];
    if (lastOfKey[key] != i) continue;
    const std::string entry = KeyValue(key, value);
    const auto add = [&](const std::string& text) {
      findings.Add(table->order, table->name, entry + ": " + text);
    };
    const std::optional<RuleLayout::Size> size = ParseSizeKey(key);
    if (key != "default" && !size) {
      add("キー" + key + "は「default」でも「幅,高さ」（1以上の整数2つ）でもないため使われません");
      continue;
    }
    const std::string written =
        size ? std::to_string(size->width) + "," + std::to_string(size->height) : key;
    if (written != key) {
      add("キー" + key + "は0で始まる数を含むため、どの画像の大きさにも合いません（" + written +
          "と書きます）");
      continue;
    }

    if (size && !IsAllowedImageSize(size->width, size->height)) {
      add("キー" + key + "の大きさの画像は開けないため（一辺" + std::to_string(kMaxImageSide) +
          "ピクセル、全体で" + std::to_string(kMaxImagePixels) + "ピクセルまで）、使われません");
      continue;
    }

    const std::vector<std::string> candidates = SplitStringList(value, '/');
    bool emptyReported = false;
    std::set<std::string> missingReported;
    for (const std::string& candidate : candidates) {
      if (candidate.empty()) {
        if (!emptyReported) add("候補に空の名前があります");
        emptyReported = true;
        continue;
      }
      if (candidate == kDoNothingRule) continue;
      const BookSection* rule = book.Find(candidate);
      if (rule == nullptr || IsSizeTableName(rule->name)) {
        if (!missingReported.insert(candidate).second) continue;
        add(book.MissingRuleText(candidate));
        continue;
      }
      if (candidates.size() > 1) chosenAmongSeveral.insert(rule->name);
      if (size) uses.push_back({*size, key, rule});
    }
  }
  UnreadChoosingKeys(book, chosenAmongSeveral, findings);
  return uses;
}
