#pragma once

#include <string>

#include "ruletools/rule_inverse.h"
#include "setting/rule_file_snapshot.h"
#include "setting/rule_section.h"

// The inverse of a rule as the user appends it to the rule file.

// Why name cannot name the inverse's section in ruleFile, or empty: a name
// the reader would not give back as it is (empty, blanks at either end, a
// "]" or a control character such as a line break), the size table's or
// "何もしない", or one that a section of the file already answers to.
std::string InverseNameProblem(const RuleFileSnapshot& ruleFile, const std::string& name);

// The section named name: comment lines saying what it undoes and what
// cannot come back, the header and the keys.
RuleSection InverseSection(const RuleInverse& inverse, const std::string& name);
