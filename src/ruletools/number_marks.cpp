#include "ruletools/number_marks.h"

#include <algorithm>
#include <string>

namespace {

constexpr int kGlyphWidth = 3;
constexpr int kGlyphHeight = 5;
constexpr int kLargestScale = 4;
constexpr std::uint32_t kBoxColour = 0xFF202020;
constexpr std::uint32_t kDigitColour = 0xFFFFFFFF;

// Rows of each glyph, top to bottom, the leftmost pixel in bit 2.
struct Glyph {
  char character;
  unsigned char rows[kGlyphHeight];
};
constexpr Glyph kGlyphs[] = {
    {'0', {7, 5, 5, 5, 7}}, {'1', {2, 6, 2, 2, 7}}, {'2', {7, 1, 7, 4, 7}}, {'3', {7, 1, 7, 1, 7}},
    {'4', {5, 5, 7, 1, 1}}, {'5', {7, 4, 7, 1, 7}}, {'6', {7, 4, 7, 5, 7}}, {'7', {7, 1, 1, 1, 1}},
    {'8', {7, 5, 7, 5, 7}}, {'9', {7, 5, 7, 1, 7}}, {'-', {0, 0, 7, 0, 0}},
};

const Glyph* GlyphOf(char character) {
  for (const Glyph& glyph : kGlyphs) {
    if (glyph.character == character) return &glyph;
  }
  return nullptr;
}

// Draws glyph with its top-left pixel at (x, y), each of its pixels scale x
// scale, a run of lit pixels in a row as one rectangle.
void DrawGlyph(IImage& image, const Glyph& glyph, int x, int y, int scale) {
  for (int row = 0; row < kGlyphHeight; ++row) {
    for (int column = 0; column < kGlyphWidth;) {
      const auto lit = [&](int c) { return (glyph.rows[row] >> (kGlyphWidth - 1 - c)) & 1; };
      if (!lit(column)) {
        ++column;
        continue;
      }
      int end = column;
      while (end < kGlyphWidth && lit(end)) ++end;
      image.FillRect(x + column * scale, y + row * scale, (end - column) * scale, scale,
                     kDigitColour);
      column = end;
    }
  }
}

}  // namespace

bool DrawNumberMark(IImage& image, const RuleLayout::Rect& area, long long number) {
  if (area.width < kSmallestNumberedArea || area.height < kSmallestNumberedArea) return false;
  const std::string text = number < 0 ? "-" : std::to_string(number);
  const int length = static_cast<int>(text.size());
  // Glyphs one scaled pixel apart, inside a box one scaled pixel wider all
  // round; the box keeps a pixel of the area free on every side.
  for (int scale = kLargestScale; scale >= 1; --scale) {
    const long long boxWidth = (static_cast<long long>(kGlyphWidth + 1) * length + 1) * scale;
    const long long boxHeight = (kGlyphHeight + 2) * scale;
    // A number takes at most half of the area's shorter side in height.
    if (boxHeight * 2 > std::min(area.width, area.height)) continue;
    if (boxWidth > area.width - 2 || boxHeight > area.height - 2) continue;
    const int left = area.x + static_cast<int>((area.width - boxWidth) / 2);
    const int top = area.y + static_cast<int>((area.height - boxHeight) / 2);
    image.FillRect(left, top, static_cast<int>(boxWidth), static_cast<int>(boxHeight), kBoxColour);
    for (int i = 0; i < length; ++i) {
      DrawGlyph(image, *GlyphOf(text[static_cast<std::size_t>(i)]),
                left + scale + i * (kGlyphWidth + 1) * scale, top + scale, scale);
    }
    return true;
  }
  return false;
}
