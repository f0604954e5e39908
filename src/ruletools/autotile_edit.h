#pragma once

#include <memory>
#include <optional>
#include <string>

#include "ruletools/autotile_rules.h"
#include "ruletools/rule_edit.h"

// The rule of request as the rule editor opens it: a new rule laid out on
// sheet among ruleFile, the per-block section of several blocks its
// companion. Nothing, with the reason in refusal, for a request that the
// generator refuses, a name that could not name a section or that ruleFile
// has (NewRuleNameProblem), or sections that ruleFile cannot take (a name
// its encoding lacks).
std::optional<RuleEdit> AutotileEdit(const AutotileRequest& request, RuleEdit::Size sheet,
                                     std::shared_ptr<const RuleFileSnapshot> ruleFile,
                                     std::string& refusal);
