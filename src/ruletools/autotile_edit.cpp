#include "ruletools/autotile_edit.h"

#include "ruletools/rule_edit_save.h"

std::optional<RuleEdit> AutotileEdit(const AutotileRequest& request, RuleEdit::Size sheet,
                                     std::shared_ptr<const RuleFileSnapshot> ruleFile,
                                     std::string& refusal) {
  const std::optional<std::vector<RuleSection>> sections = AutotileSections(request, refusal);
  if (!sections) return std::nullopt;
  RuleEdit edit(*sections, sheet, std::move(ruleFile));
  refusal = NewRuleNameProblem(edit, edit.Name());
  if (!refusal.empty()) return std::nullopt;
  // What a save would refuse is refused now, before anything is shown: a
  // companion the file cannot take, a name its encoding lacks.
  if (!edit.BuildError().empty()) {
    refusal = edit.BuildError();
    return std::nullopt;
  }
  if (!WriteEditedRule(edit, RuleEditSave{true, false, false}, refusal)) return std::nullopt;
  return edit;
}
