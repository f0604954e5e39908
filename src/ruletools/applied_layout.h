#pragma once

#include "convert/image_processor.h"
#include "convert/rule_layout.h"

// The layout of rule for an image of the given size as a conversion applies
// it: with an Individual rule, the slots take the size of the canvas that
// the Individual rule makes of one cell. Throws a RuleError of kind
// kUnusable when the Individual rule cannot be built.
RuleLayout AppliedLayout(const ImageProcessor& rule, RuleLayout::Size image);
