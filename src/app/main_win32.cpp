// Vomarin+.exe: the converter's windowed program.
#include <windows.h>

#include "app/main_dialog_win32.h"
#include "classify/window_prompt_win32.h"
#include "common/app_context.h"
#include "common/path.h"
#include "convert/run_state.h"
#include "image/gdiplus_session_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const GdiplusSession gdiplus;

  char path[5120] = {};
  GetModuleFileNameA(nullptr, path, sizeof path);
  AppContext& app = AppContext::Instance();
  const std::string executable = path;
  const auto separator = LastSeparator(executable);
  app.exeDirectory = separator == std::string::npos ? "" : executable.substr(0, separator + 1);
  app.moduleHandle = instance;
  // The rule file and the checker texture are found next to the program.
  SetCurrentDirectoryA(app.exeDirectory.c_str());

  InstallWindowPrompt();
  DialogBoxParamA(instance, "MAIN", nullptr, MainDialogProc, 0);
  // No image may outlive GDI+.
  RunState::Instance().ClearList();
  return 0;
}
