#pragma once

#include <string>
#include <vector>

#include "ruletools/findings.h"
#include "ruletools/rule_book.h"

// Rules that come back to themselves through Individual and SubProcess: each
// circle is named once, under the rule whose key closes it.
void FindCircularChains(const RuleBook& book, FindingList& findings);

// The names of a chain of rules joined by arrows ("A → B → A"), a long one
// shortened in the middle.
std::string ChainText(const std::vector<std::string>& names);
