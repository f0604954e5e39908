#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "image/image.h"

// The dialog "SELECT" (resource/dialogs/select.rc): the user picks the rule
// of a file that several rules fit, skips the file or stops adding files.
// Beside the list, the highlighted candidate applied to the file: its
// canvas with the piece boundaries and a line about it, or why it cannot
// be applied.

// Controls of the dialog.
inline constexpr int kSelectFileNameLabel = 100;
inline constexpr int kSelectFileNameText = 101;
inline constexpr int kSelectKindGroup = 200;
inline constexpr int kSelectNotListedText = 301;
inline constexpr int kSelectPromptText = 302;
inline constexpr int kSelectCandidateBox = 300;
inline constexpr int kSelectSkipButton = 402;
// The picture; its text is the reason when the candidate cannot be applied.
inline constexpr int kSelectPicture = 500;
inline constexpr int kSelectPictureLine = 501;

// What the next dialog shows; written before each opening, and keeping the
// last values afterwards.
extern std::string selectFileName;
extern std::vector<std::string> selectCandidates;

// lParam: the dialog's state, made by RunSelectDialog.
INT_PTR CALLBACK SelectDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Runs the dialog modally for the file whose image is sheet, with
// AppContext's module handle and owner (its main window): the index of the
// chosen candidate in selectCandidates, -1 to skip the file (also when the
// dialog cannot be made) or -2 to stop adding files.
int RunSelectDialog(const IImage& sheet);
