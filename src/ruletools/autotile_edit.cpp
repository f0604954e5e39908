#include "ruletools/autotile_edit.h"

#include "common/messages.h"
#include "ruletools/inverse_text.h"
#include "ruletools/rule_edit_save.h"

std::optional<RuleEdit> AutotileEdit(const AutotileRequest& request, RuleEdit::Size sheet,
                                     std::shared_ptr<const RuleFileSnapshot> ruleFile,
                                     std::string& refusal) {
  // Names first, as the command line takes them.
  for (const std::string& name : AutotileSectionNames(request)) {
    const std::string problem = InverseNameProblem(*ruleFile, name);
    if (!problem.empty()) {
      refusal = Text(Message::kRuleEditorNameRefused, {name, problem});
      return std::nullopt;
    }
  }
  const std::optional<std::vector<RuleSection>> sections = AutotileSections(request, refusal);
  if (!sections) return std::nullopt;
  RuleEdit edit(*sections, sheet, std::move(ruleFile));
  // What a save would refuse is refused now, before anything is shown: a
  // companion the file cannot take, a name its encoding lacks.
  if (!edit.BuildError().empty()) {
    refusal = edit.BuildError();
    return std::nullopt;
  }
  if (!WriteEditedRule(edit, RuleEditSave{true, false, false}, refusal)) return std::nullopt;
  return edit;
}
