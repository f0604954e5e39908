#include "ruletools/rule_edit_history.h"

#include <utility>

bool RuleEditHistory::Edit(const std::function<bool(RuleEdit&)>& edit) {
  RuleEdit next = current;
  if (!edit(next) || next == current) return false;
  undo.push_back(std::move(current));
  if (undo.size() > kUndoSteps) undo.pop_front();
  current = std::move(next);
  redo.clear();
  return true;
}

bool RuleEditHistory::Undo() { return Step(undo, redo); }

bool RuleEditHistory::Redo() { return Step(redo, undo); }

bool RuleEditHistory::Step(std::deque<RuleEdit>& from, std::deque<RuleEdit>& to) {
  if (from.empty()) return false;
  const RuleEdit::Size sheet = current.Sheet();
  std::shared_ptr<const RuleFileSnapshot> ruleFile = current.RuleFile();
  to.push_back(std::move(current));
  current = std::move(from.back());
  from.pop_back();
  current.ShowSheet(sheet);
  current.UseRuleFile(std::move(ruleFile));
  return true;
}
