#pragma once

#include <windows.h>

#include <string>

#include "ruletools/rule_edit_save.h"

// Saves the rule being edited into the rule file it was loaded from, with
// what save asks for beside it, in one write (WriteEditedRule). Empty when
// written, else the message why not (the file as it was). A file that
// another program changed since the editor read it is overwritten only when
// the user says so.
std::string SaveEditedRule(HWND owner, const RuleEdit& edit, const RuleEditSave& save);
