#pragma once

#include "ruletools/findings.h"
#include "ruletools/rule_book.h"

// Mistakes that a section shows by itself, whatever image comes: keys that
// nothing reads or that are written twice, lines the reader skips, a section
// that is cut or never read, a rule that cannot be built, Replace items
// outside the cell grid, and nested rules that name no section.
void FindSectionMistakes(const RuleBook& book, FindingList& findings);
