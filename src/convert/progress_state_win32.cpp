#include <windows.h>

#include "common/wide_win32.h"
#include "convert/progress_state.h"

void ProgressState::SetText(int id, const std::string& text) const {
  // A synchronous call: the window thread sets the text before it returns.
  if (const HWND window = progressWindow.load()) SetDlgItemTextW(window, id, Wide(text).c_str());
}
