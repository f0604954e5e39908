#include "combine/composition.h"

#include <algorithm>
#include <climits>
#include <cstdint>

int StripCount(int sheetWidth, int width) {
  if (sheetWidth <= 0 || width <= 0) return 0;
  return static_cast<int>((static_cast<std::int64_t>(sheetWidth) + width - 1) / width);
}

int ComputeStackHeight(const Sheets& sheets, int count, int width) {
  const std::size_t end = std::min(sheets.size(), static_cast<std::size_t>(std::max(count, 0)));
  std::int64_t height = 0;
  for (std::size_t i = 0; i < end; ++i) {
    height += static_cast<std::int64_t>(sheets[i]->GetHeight()) *
              StripCount(sheets[i]->GetWidth(), width);
    if (height >= INT_MAX) return INT_MAX;
  }
  return static_cast<int>(height);
}

std::unique_ptr<IImage> ComposeSheets(const Sheets& sheets, int width) {
  if (sheets.empty()) return nullptr;
  const int height = ComputeStackHeight(sheets, static_cast<int>(sheets.size()), width);
  std::unique_ptr<IImage> combined = sheets.front()->CreateBlank(width, height);
  if (combined->GetWidth() == 0) return combined;

  // Each strip is the whole sheet drawn further to the left, so that only
  // its columns k·width to k·width + width - 1 fall inside the canvas.
  int y = 0;
  for (const std::unique_ptr<IImage>& sheet : sheets) {
    const int strips = StripCount(sheet->GetWidth(), width);
    for (int k = 0; k < strips; ++k) {
      combined->Draw(*sheet, -k * width, y);
      y += sheet->GetHeight();
    }
  }
  return combined;
}
