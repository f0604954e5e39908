#include "app/rule_editor_save.h"

#include <algorithm>

#include "common/messages.h"
#include "common/window_text_win32.h"
#include "convert/rule_keys.h"
#include "ruletools/inverse_text.h"
#include "ruletools/rule_inverse.h"
#include "setting/rule_file_document.h"
#include "setting/setting_store.h"

namespace {

// Saves document; a file that another program changed since it was read
// is overwritten only when the user says so. Empty when saved.
std::string SaveAsked(HWND owner, RuleFileDocument& document) {
  RuleFileSave save = document.Save();
  if (save.outcome == RuleFileSaveOutcome::kChangedSinceRead &&
      ShowMessage(owner, RuleFileSaveText(save), Text(Message::kRuleEditorTitle),
                  MB_YESNO | MB_ICONQUESTION) == IDYES) {
    save = document.Save(RuleFileDocument::SaveMode::kEvenIfChanged);
  }
  return save.outcome == RuleFileSaveOutcome::kSaved ? std::string() : RuleFileSaveText(save);
}

// Makes an edit of document; empty when made.
std::string Made(const RuleFileDocument& document, const RuleFileEdit& edit) {
  return edit.Done() ? std::string() : RuleFileEditText(edit, document.Encoding());
}

}  // namespace

std::string SaveEditedRule(HWND owner, const RuleEdit& edit, bool isNew, bool addToProcess,
                           bool withInverse) {
  SettingStore& store = SettingStore::Instance();
  std::string failure;
  std::optional<RuleFileDocument> document = RuleFileDocument::Read(store.FileName(), failure);
  if (!document) return failure;
  std::vector<std::string> keys;
  std::vector<std::string> cleared;  // keys of the editor that the edit left empty
  const auto pairs = edit.Pairs();
  for (const RuleKeyEntry& entry : kRuleKeys) {
    if (!RuleEdit::Edits(entry.id)) continue;
    const auto pair = std::find_if(pairs.begin(), pairs.end(),
                                   [&entry](const auto& kept) { return kept.first == entry.name; });
    if (pair == pairs.end()) {
      cleared.push_back(entry.name);
    } else {
      keys.push_back(pair->first + "=" + pair->second);
    }
  }
  std::string problem = isNew ? Made(*document, document->AppendSection({{}, edit.Name(), keys}))
                              : Made(*document, document->ReplaceKeys(edit.Name(), keys));
  if (problem.empty() && !isNew) problem = Made(*document, document->RemoveKeys(edit.Name(), cleared));
  const RuleEdit::Size sheet = edit.Sheet();
  if (problem.empty() && addToProcess) {
    problem = Made(*document, document->AddProcessCandidate(
                                  std::to_string(sheet.width) + "," + std::to_string(sheet.height),
                                  edit.Name()));
  }
  if (problem.empty()) problem = SaveAsked(owner, *document);
  if (!problem.empty() || !withInverse) return problem;

  // The inverse is derived from the rule as the file now holds it.
  store.ReadFile(store.FileName());
  std::optional<RuleInverse> inverse = InvertRule(edit.Name(), sheet, problem);
  if (!inverse) return problem;
  document = RuleFileDocument::Read(store.FileName(), failure);
  if (!document) return failure;
  problem = Made(*document, document->AppendSection(InverseSection(*inverse, edit.Name() + "_inverse")));
  return problem.empty() ? SaveAsked(owner, *document) : problem;
}
