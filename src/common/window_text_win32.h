#pragma once

#include <windows.h>

#include <string>

// Texts of windows and message boxes as UTF-8, through the wide calls.

// A null caption is the system's own ("Error" in the user's language).
int ShowMessage(HWND owner, const std::string& text, const char* caption, UINT flags);

void SetItemText(HWND dialog, int id, const std::string& text);
std::string ItemText(HWND dialog, int id);

void SetWindowTextUtf8(HWND window, const std::string& text);
std::string WindowTextUtf8(HWND window);
