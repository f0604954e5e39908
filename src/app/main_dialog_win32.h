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

// The dialog "MAIN": the processing list, the ways to add files, the two run
// options and Start. Ending it ends the program.
INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
