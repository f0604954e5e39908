#include "app/rule_editor_save.h"

#include "common/messages.h"
#include "common/window_text_win32.h"

std::string SaveEditedRule(HWND owner, const RuleEdit& edit, const RuleEditSave& save) {
  std::string problem;
  std::optional<RuleFileDocument> document = WriteEditedRule(edit, save, problem);
  if (!document) return problem;
  RuleFileSave saved = document->Save();
  if (saved.outcome == RuleFileSaveOutcome::kChangedSinceRead &&
      ShowMessage(owner, RuleFileSaveText(saved), Text(Message::kRuleEditorTitle),
                  MB_YESNO | MB_ICONQUESTION) == IDYES) {
    saved = document->Save(RuleFileDocument::SaveMode::kEvenIfChanged);
  }
  return saved.outcome == RuleFileSaveOutcome::kSaved ? std::string() : RuleFileSaveText(saved);
}
