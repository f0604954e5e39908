#pragma once

#include <cstdint>

// What IImage::PaintTo paints on: a window's device context on Windows; in
// the native build, which has no windows, a caller's 32-bit ARGB buffer.
#ifdef _WIN32
struct HDC__;
using PaintTarget = HDC__*;
#else
struct ArgbSurface {
  std::uint32_t* pixels;  // rows of width pixels, each 0xAARRGGBB, not premultiplied
  int width;
  int height;
};
using PaintTarget = ArgbSurface*;
#endif
