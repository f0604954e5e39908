#include <windows.h>

#include <gtest/gtest.h>

#include "common/centre_window_win32.h"

namespace {

TEST(CentreWindow, PutsAWindowAtTheOriginInTheMiddleOfTheDisplay) {
  HWND window = CreateWindowExA(0, "STATIC", "centre", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  CentreWindow(window);

  DEVMODEA mode = {};
  mode.dmSize = sizeof mode;
  ASSERT_TRUE(EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode));
  RECT rect = {};
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.left, (static_cast<int>(mode.dmPelsWidth) - 300) / 2);
  EXPECT_EQ(rect.top, (static_cast<int>(mode.dmPelsHeight) - 200) / 2);
  EXPECT_EQ(rect.right - rect.left, 300);
  EXPECT_EQ(rect.bottom - rect.top, 200);
  DestroyWindow(window);
}

}  // namespace
