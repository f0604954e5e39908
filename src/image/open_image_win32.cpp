#include "common/wide_win32.h"
#include "image/gdiplus_image_win32.h"

std::unique_ptr<IImage> OpenImage(const std::string& path) {
  // GDI+ does not say why a file cannot be opened: the system does. A
  // folder opens here and is refused by GDI+, as any file that is no image.
  const HANDLE file =
      CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    throw InvalidImageError(FileResultFromWindowsError(GetLastError()));
  }
  CloseHandle(file);
  return std::make_unique<GdiplusImage>(path);
}

std::unique_ptr<IImage> CreateBlankImage(int width, int height) {
  return GdiplusImage::Empty(std::string())->CreateBlank(width, height);
}
