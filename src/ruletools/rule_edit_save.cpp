#include "ruletools/rule_edit_save.h"

#include <algorithm>
#include <vector>

#include "common/messages.h"
#include "ruletools/inverse_text.h"
#include "ruletools/rule_inverse.h"

namespace {

std::string KeyText(const RuleEdit::Pair& pair) { return pair.first + "=" + pair.second; }

// The keys of the rule to write into its section as the file holds it, and
// those to take out of it.
void ChangedKeys(const RuleEdit& edit, std::vector<std::string>& written,
                 std::vector<std::string>& removed) {
  const SettingSection* read = edit.RuleFile()->GetSection(edit.Name());
  const std::vector<RuleEdit::Pair> before =
      read ? RuleEdit::PairsOf(*read) : std::vector<RuleEdit::Pair>();
  const std::vector<RuleEdit::Pair> now = edit.Pairs();
  for (const RuleEdit::Pair& pair : now) {
    if (std::find(before.begin(), before.end(), pair) == before.end())
      written.push_back(KeyText(pair));
  }
  for (const RuleEdit::Pair& pair : before) {
    const auto kept = std::find_if(now.begin(), now.end(), [&pair](const RuleEdit::Pair& key) {
      return key.first == pair.first;
    });
    if (kept == now.end()) removed.push_back(pair.first);
  }
}

}  // namespace

std::string NewRuleNameProblem(const RuleEdit& edit, const std::string& name) {
  RuleEdit renamed = edit;
  renamed.Rename(name);
  std::vector<std::string> names = {name};
  for (const RuleSection& companion : renamed.Companions()) names.push_back(companion.name);
  for (const std::string& section : names) {
    const std::string problem = InverseNameProblem(*edit.RuleFile(), section);
    if (!problem.empty()) return Text(Message::kRuleEditorNameRefused, {section, problem});
  }
  return std::string();
}

std::optional<RuleFileDocument> WriteEditedRule(const RuleEdit& edit, const RuleEditSave& save,
                                                std::string& problem) {
  if (edit.Name().empty()) {
    problem = Text(Message::kRuleEditorNoName);
    return std::nullopt;
  }
  if (!edit.BuildError().empty()) {
    problem = Text(Message::kRuleEditorNotBuilt, {edit.BuildError()});
    return std::nullopt;
  }
  std::optional<RuleFileDocument> document = RuleFileDocument::Of(*edit.RuleFile(), problem);
  if (!document) return std::nullopt;
  const auto refused = [&](const RuleFileEdit& made) {
    if (!made.Done()) problem = RuleFileEditText(made, document->Encoding());
    return !made.Done();
  };
  const std::string& name = edit.Name();
  if (save.isNew) {
    std::vector<std::string> keys;
    for (const RuleEdit::Pair& pair : edit.Pairs()) keys.push_back(KeyText(pair));
    if (refused(document->AppendSection({edit.Comments(), name, keys}))) return std::nullopt;
  } else {
    std::vector<std::string> written, removed;
    ChangedKeys(edit, written, removed);
    if (refused(document->ReplaceKeys(name, written)) ||
        refused(document->RemoveKeys(name, removed))) {
      return std::nullopt;
    }
  }
  for (const RuleSection& companion : edit.Companions()) {
    if (refused(document->AppendSection(companion))) return std::nullopt;
  }
  const RuleEdit::Size sheet = edit.Sheet();
  if (save.addToProcess &&
      refused(document->AddProcessCandidate(
          std::to_string(sheet.width) + "," + std::to_string(sheet.height), name))) {
    return std::nullopt;
  }
  if (save.withInverse) {
    const std::optional<RuleInverse> inverse = InvertRule(edit.BuildRule(), sheet, problem);
    if (!inverse || refused(document->AppendSection(InverseSection(*inverse, name + "_inverse")))) {
      return std::nullopt;
    }
  }
  return document;
}
