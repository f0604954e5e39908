#pragma once

#include <vector>

#include "ruletools/findings.h"
#include "ruletools/rule_edit.h"

// The findings of the check for the rule being edited, as the check of the
// rule file would give them once the rule is saved: the rule by itself, for
// the size of the sheet it is laid out on and for every size the size table
// sends to it. Only the findings of the rule's own section.
std::vector<CheckFinding> CheckEditedRule(const RuleEdit& edit);
