#pragma once

#include <windows.h>

// Moves window to the middle of the primary display (its current display
// mode; the task bar is not taken into account) without resizing it, and to
// the top of the z-order.
void CentreWindow(HWND window);
