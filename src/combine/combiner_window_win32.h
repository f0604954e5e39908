#pragma once

#include <windows.h>

#include <string>

#include "combine/launch_combiner.h"

// The combiner window, dialog template "MAPMAIN": the combine list with the
// buttons that edit it and the choice of width on the left, a scrollable
// preview of the combined sheet on the right. All its state lives in
// CombinerState.

// Control ids of the template.
enum CombinerControl : int {
  kSaveEndButton = IDOK,
  kCloseButton = IDCANCEL,
  kAddButton = 100,
  kUpButton = 200,
  kDownButton = 201,
  kDeleteButton = 202,
  kClearButton = 300,
  kSaveButton = 301,
  kSheetListBox = 400,
  kPreviewArea = 500,
  kPreviewScrollBar = 600,
  kRadio128 = 700,
  kRadio256 = 701,
  kListGroup = 9,
  kDropHint = 401,
  kWidthGroup = 601,
};

INT_PTR CALLBACK CombinerDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// True for a command message with notification code 0 from the control
// that the command table names for word.
bool IsCommand(UINT message, WPARAM wParam, const std::string& word);

// Recomposes the combined sheet, paints it over the checker into the
// preview bitmap and fits the scroll range to it; after every change of
// the list or the width.
void RebuildPreview();

// Scrolls the preview so that the selected sheet begins 64 pixels below
// its top edge, or as near as the range allows; nothing without selection.
void ScrollToSelection();

// Opens the window as a modal dialog without owner, from the module of
// AppContext, and returns when it has been closed.
void OpenCombinerWindow();

// After a processing run: one window per group, on the calling thread (see
// the portable LaunchCombiner).
void LaunchCombiner(CombineGroups& groups);

// The largest preview bitmap tried, in pixels. A taller combined sheet is
// shown down to the row that fits, followed by a notice; saving writes it
// whole. Tests lower it to reach that case with small sheets.
void SetPreviewPixelLimit(long long pixels);
