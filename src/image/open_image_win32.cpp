#include "image/gdiplus_image_win32.h"

std::unique_ptr<IImage> OpenImage(const std::string& path) {
  return std::make_unique<GdiplusImage>(path);
}

std::unique_ptr<IImage> CreateBlankImage(int width, int height) {
  return GdiplusImage::Empty(std::string())->CreateBlank(width, height);
}
