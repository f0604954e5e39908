#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "ruletools/findings.h"

// Controls of the findings window "FINDINGS".
constexpr int kFindingsList = 100;
constexpr int kFindingsHint = 101;

// Shows the findings of the rule file's check over owner, one line a row as
// the console's check prints them, selectable (Ctrl+A) and copyable
// (Ctrl+C); returns when it is closed. A double click on a row calls
// openRule with that finding and closes the window.
void ShowFindingsWindow(HWND owner, const std::vector<CheckFinding>& findings,
                        const std::function<void(const CheckFinding&)>& openRule);
