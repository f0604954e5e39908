#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "support/image_files.h"

// Drives real dialogs in tests: the test runs a modal dialog on its own
// thread while a script on a driver thread finds windows by caption, reads
// their controls and presses their buttons, the way a user would. Posted
// messages keep the driver from waiting on a modal loop it started itself.

// Runs script on a driver thread while modal runs on this one; returns when
// both have finished. A script that throws or fails an assertion leaves
// the dialogs to the watchdog, which closes every window of the process
// after timeoutMs so the test cannot hang.
void RunWithDriver(const std::function<void()>& modal, const std::function<void()>& script,
                   DWORD timeoutMs = 20000);

// The first visible top-level window of this process (or of the process
// with the id process) whose caption is caption, waiting up to timeoutMs;
// null when none came. Windows of another process are driven the same way.
HWND WaitForWindow(const std::string& caption, DWORD timeoutMs = 10000, DWORD process = 0);

// Waits until window is gone; false when it still stands after timeoutMs.
bool WaitUntilGone(HWND window, DWORD timeoutMs = 10000);

std::string WindowText(HWND window);
std::string ControlText(HWND dialog, int id);
// The text of a message box (its static control).
std::string MessageBoxText(HWND box);

// Clicks the button id of dialog (posted, so a modal box it opens does not
// block the driver).
void PressButton(HWND dialog, int id);

// The message box with caption (not another window of that caption),
// waiting up to timeoutMs; null when none came.
HWND WaitForMessageBox(const std::string& caption, DWORD timeoutMs = 10000, DWORD process = 0);

// Finds the message box with caption (not another window of that caption),
// checks nothing, and answers it with the button id (IDOK, IDYES, IDNO,
// IDCANCEL); returns its text, or "<no box>" when none came.
std::string AnswerMessageBox(const std::string& caption, int button, DWORD timeoutMs = 10000,
                             DWORD process = 0);

// Drops paths onto window as the shell does (WM_DROPFILES with an HDROP),
// also onto a window of another process.
void DropFiles(HWND window, const std::vector<std::string>& paths);

// A left click at a point of window's client area.
void ClickAt(HWND window, int x, int y);

// What the scroll bar control id of dialog tells its dialog when the user
// uses it: code is SB_THUMBPOSITION (with position), SB_LINEDOWN and so on.
void ScrollBy(HWND dialog, int id, int code, int position = 0);

// The position of the scroll bar control id of dialog.
int ScrollPosition(HWND dialog, int id);

// In the open or save dialog with caption: types path into the file name
// field and presses the dialog's OK button, or cancels it when path is
// empty, and waits until it has closed. Returns the file name the dialog
// opened with, or "<no dialog>".
std::string AnswerFileDialog(const std::string& caption, const std::string& path,
                             DWORD timeoutMs = 10000, DWORD process = 0);

// Waits until the window's thread has handled everything posted to it
// before (or sits in a modal loop that one of them opened). For a window of
// another process only until it has answered a sent message: read such a
// window with AwaitControlText.
void Settle(HWND window);

// The text of control id of dialog once it reads expected, waiting up to
// timeoutMs; what it reads then otherwise.
std::string AwaitControlText(HWND dialog, int id, const std::string& expected,
                             DWORD timeoutMs = 5000);

// What the screen shows in area (screen coordinates), opaque 0xFFRRGGBB.
// Without a window manager windows may stack other than their owners say:
// bring the window in question to the top and settle it first.
Picture ScreenPixels(const RECT& area);
