// show-combiner [--width 128|256] [SHEET...]: opens the combiner window on
// the given sheets, as the converter does after a run, for looking at the
// window by hand and for screenshots.
#include <windows.h>

#include <cstring>

#include "combine/combiner_state.h"
#include "combine/combiner_window_win32.h"
#include "common/app_context.h"
#include "common/executable_folder.h"
#include "image/gdiplus_session_win32.h"

int main(int argc, char** argv) {
  AppContext& context = AppContext::Instance();
  context.moduleHandle = GetModuleHandleA(nullptr);
  context.exeDirectory = ExecutableFolder();
  SetCurrentDirectoryA(context.exeDirectory.c_str());
  const GdiplusSession gdiplus;

  CombinerState& state = CombinerState::Instance();
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--width") == 0 && i + 1 < argc) {
      state.sheetWidth = std::strcmp(argv[++i], "256") == 0 ? 256 : 128;
    } else {
      state.initialFiles.push_back(argv[i]);
    }
  }
  OpenCombinerWindow();
  return 0;
}
