#include "ruletools/size_table_findings.h"

#include <map>
#include <set>

#include "common/messages.h"
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
      findings.Add(
          section->order, section->name,
          Text(Message::kCheckChoosingKeyUnread, {KeyValue(key, section->Value(key)), key}));
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
      findings.Add(section->order, section->name, Text(Message::kCheckSizeTableCase));
      misspelt = true;
    }
    if (!misspelt) {
      findings.AddFirst(kSizeTable, Text(Message::kCheckNoSizeTable));
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
      add(Text(Message::kCheckBadSizeKey, {key}));
      continue;
    }
    const std::string written =
        size ? std::to_string(size->width) + "," + std::to_string(size->height) : key;
    if (written != key) {
      add(Text(Message::kCheckLeadingZero, {key, written}));
      continue;
    }

    if (size && !IsAllowedImageSize(size->width, size->height)) {
      add(Text(Message::kCheckSizeTooLarge,
               {key, std::to_string(kMaxImageSide), std::to_string(kMaxImagePixels)}));
      continue;
    }

    const std::vector<std::string> candidates = SplitStringList(value, '/');
    bool emptyReported = false;
    std::set<std::string> missingReported;
    for (const std::string& candidate : candidates) {
      if (candidate.empty()) {
        if (!emptyReported) add(Text(Message::kCheckEmptyCandidate));
        emptyReported = true;
        continue;
      }
      if (IsDoNothingRule(candidate)) continue;
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
