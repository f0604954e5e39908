#include "image/gdiplus_image_win32.h"

std::unique_ptr<IImage> OpenImage(const std::string& path) {
  return std::make_unique<GdiplusImage>(path);
}
