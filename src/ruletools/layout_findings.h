#pragma once

#include <vector>

#include "ruletools/findings.h"
#include "ruletools/rule_book.h"
#include "ruletools/size_table_findings.h"

// Mistakes that show for the image sizes a rule really gets: from each size
// of the size table to its rules, and on through their Individual rules
// (with the cell size) and SubProcess rules (with the same size). For each
// rule and size: a Clip outside the image, a SrcDiv that leaves pixels out
// or cuts no cell, a canvas that cannot be made or is no whole number of
// slots, Replace items beyond the slots, a FileDiv that leaves pixels out or
// is finer than the canvas, and chains deeper than a conversion runs.
void FindLayoutMistakes(const RuleBook& book, const std::vector<SizeTableUse>& uses,
                        FindingList& findings);
