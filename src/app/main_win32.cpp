// Vomarin+.exe: the converter's windowed program.
#include <windows.h>

#include "app/main_dialog_win32.h"
#include "app/window_prompt_win32.h"
#include "common/app_context.h"
#include "common/executable_folder.h"
#include "common/program_options.h"
#include "common/wide_win32.h"
#include "convert/run_state.h"
#include "image/gdiplus_session_win32.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
  const GdiplusSession gdiplus;

  AppContext& app = AppContext::Instance();
  app.exeDirectory = ExecutableFolder();
  app.moduleHandle = instance;
  // The rule file and the checker texture are found next to the program.
  SetCurrentDirectoryW(Wide(app.exeDirectory).c_str());

  const std::string optionsPath = app.exeDirectory + kProgramOptionsFileName;
  const ProgramOptions options = ReadProgramOptions(optionsPath);
  if (options.hasLanguage) SetLanguage(options.language);

  InstallWindowPrompt();
  DialogBoxParamW(instance, L"MAIN", nullptr, MainDialogProc,
                  reinterpret_cast<LPARAM>(&optionsPath));
  // No image may outlive GDI+.
  RunState::Instance().ClearList();
  return 0;
}
