#include "app/rule_editor_save.h"

#include "common/messages.h"

// The rule file's writer is not in this build yet: nothing is written.
std::string SaveEditedRule(HWND, const RuleEdit&, bool, bool, bool) {
  return Text(Message::kRuleEditorCannotSave);
}
