#pragma once

#include <string>

#include "convert/image_processor.h"
#include "convert/rule_layout.h"
#include "image/image.h"

// The picture of what a rule does to an image: the source on the left and,
// beside it, the canvas that the conversion composes from it, both at 1:1.
// The source's cells carry their numbers; each slot of the canvas carries
// the number of the cell placed there, a blank slot "-"; lines mark the
// pieces that the canvas is saved as.

struct RulePicture {
  // Why no picture was written, or empty when it was.
  std::string error;
  // Some cell or slot got no number: smaller than kSmallestNumberedArea, or
  // too small for its number.
  bool numbersLeftOut = false;
};

// Draws the picture of rule for layout (the rule's layout for the source's
// size, its slots at the size the cells are composed at) and saves it as
// PNG at path. sheet is the source as the conversion takes it; without one a
// neutral grid of the layout's cells stands for it. The canvas is the
// rule's preview (ComposePreview), so nothing else is written.
RulePicture DrawRulePicture(const ImageProcessor& rule, const RuleLayout& layout,
                            const IImage* sheet, const std::string& path);
