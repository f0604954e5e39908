// GDI+ needs the Windows and COM types declared first.
// clang-format off
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
// clang-format on

#include "image/gdiplus_session_win32.h"

GdiplusSession::GdiplusSession() {
  Gdiplus::GdiplusStartupInput input;  // version 1, default settings
  started = Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
}

GdiplusSession::~GdiplusSession() {
  if (started) Gdiplus::GdiplusShutdown(token);
}
