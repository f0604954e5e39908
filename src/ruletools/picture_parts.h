#pragma once

#include <memory>

#include "convert/rule_layout.h"
#include "image/image.h"

// The parts of the pictures of a rule, shared by the explanation's picture
// and the rule editor's sheet and canvas.

// A stand-in source of the layout's size: light cells with darker edges.
std::unique_ptr<IImage> NeutralGrid(const RuleLayout& layout);

// Numbers every cell of the source drawn at the picture's top left; false
// when some got none.
bool NumberCells(IImage& picture, const RuleLayout& layout);

// Numbers every slot of the canvas drawn at left with its cell, or "-";
// false when some got none.
bool NumberSlots(IImage& picture, const RuleLayout& layout, int left);

// The outline of the pieces and a line two pixels wide on every boundary
// between two of them, on the canvas drawn at left.
void DrawPieceLines(IImage& picture, const RuleLayout& layout, int left);
