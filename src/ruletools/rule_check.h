#pragma once

#include <vector>

#include "ruletools/findings.h"

// Checks the rule file as the setting store read it last, without
// converting anything:
// every section as written, the size table, and every rule for the image
// sizes the size table sends to it. The findings come by section in file
// order; none means that no mistake was found.
std::vector<CheckFinding> CheckRuleFile();
