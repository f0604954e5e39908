#pragma once

#include <memory>

#include "convert/image_processor.h"
#include "image/image.h"

// The canvas that rule composes from sheet, as a conversion of sheet would
// compose it: through the rule's own Apply, with a context of the preview's
// own (never cancelled, no progress, a log nobody reads) that writes no
// piece, no index table and runs no follow-on rule. Nothing that a run
// shares is reached, so a preview composes in full whatever a run beside it
// or before it did. Owned by the caller.
std::unique_ptr<IImage> ComposePreview(const ImageProcessor& rule, const IImage& sheet);
