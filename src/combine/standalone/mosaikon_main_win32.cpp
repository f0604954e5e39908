// Mosaikon: the map-sheet combiner as a program of its own. It takes no
// arguments; sheets come in through the window's add button and by drops.
#include <windows.h>
// The common controls need the Windows types first.
#include <commctrl.h>

#include "combine/combiner_state.h"
#include "combine/combiner_window_win32.h"
#include "common/app_context.h"
#include "common/executable_folder.h"
#include "common/wide_win32.h"
#include "image/gdiplus_session_win32.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
  AppContext& context = AppContext::Instance();
  context.moduleHandle = instance;
  // The program works in its own folder, as the converter does: the preview's
  // checker texture is found there, and the file dialogs return there after
  // every choice instead of staying in the folder of the last file.
  context.exeDirectory = ExecutableFolder();
  SetCurrentDirectoryW(Wide(context.exeDirectory).c_str());

  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  const GdiplusSession gdiplus;
  CombinerState::Instance();
  OpenCombinerWindow();
  return 0;
}
