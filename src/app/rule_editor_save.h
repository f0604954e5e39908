#pragma once

#include <windows.h>

#include <string>

#include "ruletools/rule_edit.h"

// Writes the rule being edited into the rule file that the program read:
// in place of its section, or appended when isNew; with addToProcess as a
// further candidate of the sheet's size in [Process]; with withInverse its
// inverse beside it. Empty when written, else the message why not (the file
// as it was). A file changed by another program since it was read is
// overwritten only when the user says so.
std::string SaveEditedRule(HWND owner, const RuleEdit& edit, bool isNew, bool addToProcess,
                           bool withInverse);
