#include "ruletools/section_findings.h"

#include <algorithm>
#include <map>
#include <set>

#include "common/messages.h"
#include "convert/rule_error.h"
#include "convert/rule_keys.h"
#include "setting/ini_text.h"

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
      Add(Text(Message::kCheckShadowed, {first}) +
          (first != section.name ? Text(Message::kCheckShadowedCase) : ""));
      return;
    }
    if (section.cut) {
      Add(Text(Message::kCheckSectionCut, {std::to_string(kSectionBufferSize)}));
    }
    if (!IsSizeTableName(section.name)) UnknownKeys();
    TwiceWrittenKeys();
    SkippedLines();
    if (section.buildError) Add(Text(Message::kCheckNotUsable, {BuildError(*section.buildError)}));
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
        Add(Text(Message::kCheckNoKeyName, {KeyValue(key, value)}));
        continue;
      }
      const std::string hint = keyHints.For(key);
      Add(Text(Message::kCheckUnknownKey, {KeyValue(key, value), key}) +
          (hint.empty() ? "" : Text(Message::kCheckDidYouMean, {hint})));
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
      Add(Text(Message::kCheckKeyTwice,
               {entry.first, std::to_string(count), KeyValue(entry.first, last)}));
      count = 0;  // reported
    }
  }

  void SkippedLines() {
    if (section.skippedLines.empty()) return;
    const std::size_t after = section.skippedLines.size() - 1;
    const std::string line = Shown(section.skippedLines.front());
    Add(after == 0 ? Text(Message::kCheckSkippedLine, {line})
                   : Text(Message::kCheckSkippedLines, {line, std::to_string(after)}));
  }

  // The construction's message, with the value for the messages that lack it.
  // The section's name stands before the finding already.
  std::string BuildError(const RuleError& error) const {
    if (error.Kind() == RuleErrorKind::kBadSrcDiv)
      return Text(Message::kCheckWithValue,
                  {error.Reason(), section.Written(RuleKeyId::kSrcDiv)});
    if (error.Kind() == RuleErrorKind::kBadFileDiv)
      return Text(Message::kCheckWithValue,
                  {error.Reason(), section.Written(RuleKeyId::kFileDiv)});
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
      items += Text(Message::kCheckMoreItems, {std::to_string(wrongCount - wrong.size())});
    Add(Text(Message::kCheckReplaceOutside,
             {section.Written(RuleKeyId::kReplace), items, std::to_string(grid.columns),
              std::to_string(grid.rows), std::to_string(cells - 1)}));
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
      Add(Text(Message::kCheckEmptyRuleName, {keyValue}));
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
                 Text(Message::kCheckNamesCut, {std::to_string(kSectionNamesBufferSize)}));
  }
  for (const auto& section : book.Sections()) SectionCheck(book, *section, findings).Run();
}
