#pragma once

#include <windows.h>

#include "app/batch_run_win32.h"

// Controls of the main window.
constexpr int kListLabel = 6;
constexpr int kOrLabel = 9;
constexpr int kAddLabel = 11;
constexpr int kDropHint = 12;
constexpr int kDropManyHint = 402;
constexpr int kListText = 100;
constexpr int kOpenFileButton = 200;
constexpr int kClearListButton = 300;
constexpr int kChooseTransparencyCheck = 301;
constexpr int kEditRulesButton = 303;
constexpr int kWriteIndexTableCheck = 304;
constexpr int kRuleFileProblemsText = 305;
constexpr int kShowProblemsButton = 306;
constexpr int kWriteTilesetsCheck = 307;

// The dialog "MAIN": the processing list, the ways to add files, the run
// options, Start and, when the rule file's check finds anything, a line
// saying how much with a button that lists it. Ending it ends the program.
// lParam: the path (const std::string*) of the options file that keeps the
// check boxes between runs of the program, or 0 for boxes that start
// unchecked and are not kept.
INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Checks the rule file again as the command line's check does, and shows
// or hides the main window's line about its problems: at opening, and
// after the rule file was saved from the program. A rule file that cannot
// be read at all shows nothing here.
void RefreshRuleFileCheck(HWND main);
