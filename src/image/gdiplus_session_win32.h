#pragma once

#include <cstdint>

// GDI+ for the life of a program: started (version 1, with its own
// background thread and the system's codecs) when the session is made, and
// shut down when it goes, after the last image is gone.
class GdiplusSession {
 public:
  GdiplusSession();
  ~GdiplusSession();
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;

  // False when GDI+ could not be started; images then cannot be made.
  bool Started() const { return started; }

 private:
  std::uintptr_t token = 0;
  bool started = false;
};
