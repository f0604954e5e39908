#pragma once

#include <windows.h>
// The drop handle comes with the shell API.
#include <shellapi.h>

#include <string>
#include <vector>

// The open dialog for one input image. The chosen path, or empty when the
// user cancelled; after a choice the working directory is the executable's
// folder again (the dialog moves it). Opens on the file chosen last time.
std::string ChooseOpenFile(HWND owner);

// The save dialog for one PNG, with an overwrite question. As ChooseOpenFile.
std::string ChooseSaveFile(HWND owner);

// Appends every path dropped with drop, in the shell's order, and releases it.
void GetDroppedFiles(HDROP drop, std::vector<std::string>& paths);
