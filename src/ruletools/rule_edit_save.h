#pragma once

#include <optional>
#include <string>

#include "ruletools/rule_edit.h"
#include "setting/rule_file_document.h"

// Why edit cannot become a new rule named name, or empty: the message
// naming the section, the rule's or that of a companion following it, whose
// name InverseNameProblem refuses in the rule file.
std::string NewRuleNameProblem(const RuleEdit& edit, const std::string& name);

// What a save of the rule being edited writes with the rule.
struct RuleEditSave {
  bool isNew = false;         // the rule is appended as a section of its own
  bool addToProcess = false;  // listed as a candidate of its sheet's size in [Process]
  bool withInverse = false;   // its inverse appended beside it as "<name>_inverse"
};

// The rule file that edit is laid out among (RuleFile), as it read, with
// the rule being edited, its companions, its [Process] candidate and its
// inverse written in as one edit, for one save. An existing rule gets only the keys that
// changed since that read, so that a line the user did not touch keeps its
// bytes. Nothing, with the message why, when any part is refused or the
// rule has no name or cannot be built.
std::optional<RuleFileDocument> WriteEditedRule(const RuleEdit& edit, const RuleEditSave& save,
                                                std::string& problem);
