#include "ruletools/section_findings.h"

#include <algorithm>
#include <map>
#include <set>

#include "convert/rule_error.h"
#include "convert/rule_keys.h"
#include "setting/profile_reader.h"

namespace {

// Every key that a part of the program reads from a rule.
const std::vector<std::string>& RuleKeys() {
  static const std::vector<std::string> keys = [] {
    std::vector<std::string> names;
    for (const RuleKeyEntry& key : kRuleKeys) names.push_back(key.name);
    return names;
  }();
  return keys;
}

// At most this many wrong Replace items are named in one finding.
constexpr std::size_t kNamedItems = 5;

class SectionCheck {
 public:
  SectionCheck(const RuleBook& book, const BookSection& section, FindingList& findings)
      : book(book), section(section), findings(findings) {}

  void Run() {
    if (section.shadowedBy != nullptr) {
      const std::string& first = section.shadowedBy->name;
      Add("同じ名前のセクション[" + first + "]が前にあるため、このセクションは読まれません" +
          (first != section.name ? "（セクション名の大文字と小文字は区別されません）" : ""));
      return;
    }
    if (section.cut) {
      Add("セクションが読み取れる長さ（" + std::to_string(kSectionBufferSize) +
          "バイト）を超えているため、途中から後は読まれません");
    }
    if (!IsSizeTableName(section.name)) UnknownKeys();
    TwiceWrittenKeys();
    SkippedLines();
    if (section.buildError) Add("規則として使えません: " + BuildError(*section.buildError));
    if (section.rule) {
      ReplaceOutsideTheGrid();
      NestedRuleNames();
    }
  }

 private:
  void Add(std::string text) { findings.Add(section.order, section.name, std::move(text)); }

  void UnknownKeys() {
    static const SpellingHints keyHints(RuleKeys());
    std::set<std::string> reported;
    for (const auto& [key, value] : section.entries) {
      if (std::find(RuleKeys().begin(), RuleKeys().end(), key) != RuleKeys().end()) continue;
      if (!reported.insert(key).second) continue;
      if (key.empty()) {
        Add("「" + KeyValue(key, value) + "」にはキーの名前がありません");
        continue;
      }
      const std::string hint = keyHints.For(key);
      Add(KeyValue(key, value) + ": キー" + key + "はどこからも読まれません" +
          (hint.empty() ? "" : "（" + hint + "のことですか）"));
    }
  }

  void TwiceWrittenKeys() {
    // Each key's count and last value.
    std::map<std::string, std::pair<int, std::string>> written;
    for (const auto& [key, value] : section.entries) {
      auto& [count, last] = written[key];
      ++count;
      last = value;
    }
    for (const auto& entry : section.entries) {
      auto& [count, last] = written[entry.first];
      if (count < 2) continue;
      Add("キー" + entry.first + "が" + std::to_string(count) +
          "回書かれています。使われるのは最後の「" + KeyValue(entry.first, last) + "」だけです");
      count = 0;  // reported
    }
  }

  void SkippedLines() {
    if (section.skippedLines.empty()) return;
    const std::size_t after = section.skippedLines.size() - 1;
    Add("「" + Shown(section.skippedLines.front()) + "」は「キー=値」の形ではないため、" +
        (after == 0 ? std::string("読まれません")
                    : "この行と後の" + std::to_string(after) + "行は読まれません"));
  }

  // The construction's message, with the value for the messages that lack it.
  // The section's name stands before the finding already.
  std::string BuildError(const RuleError& error) const {
    if (error.Kind() == RuleErrorKind::kBadSrcDiv)
      return error.Reason() + "（" + section.Written(RuleKeyId::kSrcDiv) + "）";
    if (error.Kind() == RuleErrorKind::kBadFileDiv)
      return error.Reason() + "（" + section.Written(RuleKeyId::kFileDiv) + "）";
    return error.Reason();
  }

  void ReplaceOutsideTheGrid() {
    const ImageProcessor& rule = *section.rule;
    const ImageProcessor::Grid grid = rule.SrcDiv();
    const long long cells = static_cast<long long>(grid.columns) * grid.rows;
    std::vector<int> wrong;
    std::size_t wrongCount = 0;
    for (const int item : rule.ReplaceList()) {
      if (item >= -1 && item < cells) continue;
      if (++wrongCount <= kNamedItems) wrong.push_back(item);
    }
    if (wrongCount == 0) return;
    std::string items;
    for (const int item : wrong) items += (items.empty() ? "" : ", ") + std::to_string(item);
    if (wrongCount > wrong.size())
      items += " ほか" + std::to_string(wrongCount - wrong.size()) + "個";
    Add(section.Written(RuleKeyId::kReplace) + ": " + items +
        "はSrcDiv=" + std::to_string(grid.columns) + "," + std::to_string(grid.rows) +
        "のセルの番号（0〜" + std::to_string(cells - 1) + "、空白は-1）ではないため、置かれません");
  }

  void NestedRuleNames() {
    const ImageProcessor& rule = *section.rule;
    if (!rule.IndividualRule().empty()) MissingRule(RuleKeyId::kIndividual, rule.IndividualRule());
    std::set<std::string> named;
    for (const std::string& name : rule.SubProcesses()) {
      if (named.insert(name).second) MissingRule(RuleKeyId::kSubProcess, name);
    }
  }

  void MissingRule(RuleKeyId key, const std::string& name) {
    const std::string keyValue = section.Written(key);
    if (name.empty()) {
      Add(keyValue + ": 規則の名前が空の項目があります");
      return;
    }
    const BookSection* found = book.Find(name);
    if (found != nullptr && !IsSizeTableName(found->name)) return;
    Add(keyValue + ": " + book.MissingRuleText(name));
  }

  const RuleBook& book;
  const BookSection& section;
  FindingList& findings;
};

}  // namespace

void FindSectionMistakes(const RuleBook& book, FindingList& findings) {
  if (book.NamesCut() && !book.Sections().empty()) {
    const BookSection& last = *book.Sections().back();
    findings.Add(last.order, last.name,
                 "セクション名の一覧が読み取れる長さ（" + std::to_string(kSectionNamesBufferSize) +
                     "バイト）を超えているため、このセクションから後は読まれません");
  }
  for (const auto& section : book.Sections()) SectionCheck(book, *section, findings).Run();
}
