#pragma once

#include <windows.h>

// GDI+ started for as long as the object lives: a program makes one at the
// top of its entry and lets every image go before it ends.
class GdiplusSession {
 public:
  GdiplusSession();
  ~GdiplusSession();
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;

  // False when GDI+ could not be started; no image can be made then.
  bool Started() const { return started; }

 private:
  ULONG_PTR token = 0;
  bool started = false;
};
