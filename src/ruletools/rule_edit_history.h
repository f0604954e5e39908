#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <utility>

#include "ruletools/rule_edit.h"

// The rule being edited with its undo and redo: each a stack of whole values,
// so that undoing an edit cannot miss a part of what it changed.
class RuleEditHistory {
 public:
  // Edits further back than this many are forgotten.
  static constexpr std::size_t kUndoSteps = 1000;

  explicit RuleEditHistory(RuleEdit start) : current(std::move(start)) {}

  const RuleEdit& Current() const { return current; }

  // Makes edit on a copy of the value. When edit returns true and the value
  // changed, the copy becomes the value, the value before goes onto the undo
  // stack and redo is emptied. Returns whether the value changed.
  bool Edit(const std::function<bool(RuleEdit&)>& edit);
  // None is an edit that undo takes back: what is selected, the sheet shown
  // and the rule file read (the values on the stacks are laid out on them
  // when they return).
  void Select(const RuleEditSelection& selection) { current.Select(selection); }
  void ShowSheet(RuleEdit::Size sheet) { current.ShowSheet(sheet); }
  void UseRuleFile(std::shared_ptr<const RuleFileSnapshot> ruleFile) {
    current.UseRuleFile(std::move(ruleFile));
  }

  bool CanUndo() const { return !undo.empty(); }
  bool CanRedo() const { return !redo.empty(); }
  // False when there is nothing to take back (or to make again).
  bool Undo();
  bool Redo();

 private:
  // Takes the value back from the top of from, the value now going onto to.
  bool Step(std::deque<RuleEdit>& from, std::deque<RuleEdit>& to);

  RuleEdit current;
  std::deque<RuleEdit> undo;
  std::deque<RuleEdit> redo;
};
