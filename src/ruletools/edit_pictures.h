#pragma once

#include <memory>

#include "image/image.h"
#include "ruletools/rule_edit.h"

// What the rule editor shows of the rule being edited, at 1:1; the window
// enlarges them and draws the grid and the selection over them.

// The sheet (a neutral grid of the rule's cells without one) with the number
// of every cell large enough for it.
std::unique_ptr<IImage> EditedSheetPicture(const RuleEdit& edit, const IImage* sheet);

// The canvas that the rule as it stands composes from the sheet through the
// engine, blank slots marked, with the number of the cell in each slot ("-"
// in a blank one) and the boundaries of the pieces. Empty (0 x 0) while the
// rule cannot be built or its canvas cannot be made.
std::unique_ptr<IImage> EditedCanvasPicture(const RuleEdit& edit, const IImage* sheet);
