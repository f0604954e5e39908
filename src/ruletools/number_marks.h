#pragma once

#include "convert/rule_layout.h"
#include "image/image.h"

// Numbers drawn into pictures by the program's own glyphs (digits and "-",
// 3 x 5 pixels each, enlarged by whole pixels) through IImage::FillRect, so
// that every build draws the same pixels and no font is needed. A number is
// light on a dark box, legible on any colour behind it.

// Areas smaller than this on either side get no number.
inline constexpr int kSmallestNumberedArea = 16;

// Draws number ("-" when it is negative) centred in area of image, as large
// as fits; false, drawing nothing, when area is below kSmallestNumberedArea
// or the number does not fit.
bool DrawNumberMark(IImage& image, const RuleLayout::Rect& area, long long number);
