#include <windows.h>

#include "convert/progress_state.h"

void ProgressState::SetText(int id, const std::string& text) const {
  // A synchronous call: the window thread sets the text before it returns.
  if (const HWND window = progressWindow.load()) SetDlgItemTextA(window, id, text.c_str());
}
