#pragma once

#include <memory>
#include <vector>

#include "image/image.h"

// A combined sheet is width pixels wide: the sheets stacked top to bottom
// in list order, each cut into vertical strips of that width (the last one
// may be narrower) stacked left-aligned below each other. Nothing is scaled.

using Sheets = std::vector<std::unique_ptr<IImage>>;

// The number of strips of a sheet sheetWidth pixels wide: none for a width
// of 0 or less, else the width divided by width, rounded up.
int StripCount(int sheetWidth, int width);

// The height of the first count sheets when cut into strips of width: the
// height of the combined sheet for count = all sheets, and the row at which
// sheet count begins in it. Beyond the int range the result stays at its
// largest value.
int ComputeStackHeight(const Sheets& sheets, int count, int width);

// The combined sheet of all sheets, new and fully transparent where no strip
// falls; an empty image when it would be larger than the image layer allows,
// and nullptr for an empty list (there is no image to make one from).
std::unique_ptr<IImage> ComposeSheets(const Sheets& sheets, int width);
