#include "common/centre_window_win32.h"

#include "common/centre_window.h"

void CentreWindow(HWND window) {
  DEVMODEW mode = {};
  mode.dmSize = sizeof mode;
  EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode);
  RECT rect = {};
  GetWindowRect(window, &rect);
  const WindowPosition position = CentredPosition(static_cast<int>(mode.dmPelsWidth),
                                                  static_cast<int>(mode.dmPelsHeight), rect.right,
                                                  rect.bottom);
  SetWindowPos(window, HWND_TOP, position.x, position.y, 0, 0, SWP_NOSIZE);
}
