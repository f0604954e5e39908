#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "common/messages.h"

// Texts of windows and message boxes as UTF-8, through the wide calls.

// A null caption is the system's own ("Error" in the user's language).
int ShowMessage(HWND owner, const std::string& text, const char* caption, UINT flags);

void SetItemText(HWND dialog, int id, const std::string& text);
std::string ItemText(HWND dialog, int id);

// The items of the combo box id, in place of those it had; the text of its
// item at index (empty for none).
void FillComboBox(HWND dialog, int id, const std::vector<std::string>& items);
std::string ComboBoxItem(HWND dialog, int id, LRESULT index);

void SetWindowTextUtf8(HWND window, const std::string& text);
std::string WindowTextUtf8(HWND window);

// Gives a dialog that opens its texts in the user's language: the caption
// and each control's text from the table (the template holds the Japanese
// ones, so that its layout is seen in the resource editor).
void SetDialogTexts(HWND dialog, Message caption,
                    std::initializer_list<std::pair<int, Message>> controls);
