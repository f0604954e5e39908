#include "image/gdiplus_session_win32.h"

// GDI+ needs the Windows and COM types declared first.
// clang-format off
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
// clang-format on

GdiplusSession::GdiplusSession() {
  Gdiplus::GdiplusStartupInput input;  // version 1, nothing suppressed
  ULONG_PTR startedToken = 0;
  started = Gdiplus::GdiplusStartup(&startedToken, &input, nullptr) == Gdiplus::Ok;
  token = startedToken;
}

GdiplusSession::~GdiplusSession() {
  if (started) Gdiplus::GdiplusShutdown(token);
}
