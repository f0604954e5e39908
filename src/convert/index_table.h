#pragma once

#include <cstdio>
#include <string>

#include "convert/rule_layout.h"

// The index table that a conversion writes beside its pieces on request: one
// CSV line per slot of the canvas, row by row, telling which piece it landed
// in, where, and which source cell it came from, so that maps drawn with the
// source sheet can be remapped.
//
//   piece,x,y,width,height,cell,source_x,source_y
//
// A slot cut by piece boundaries has one line per piece it lands in, with
// its part's rectangle in that piece's pixels; parts in a remainder strip
// that no piece holds are left out. A blank slot has cell -1 and empty
// source fields.

// Writes the table of layout, whose pieces are named after baseName, onto
// file. cellsAsCut: the slots hold the cells as they were cut, so each part
// gives its own top-left source pixel; false after an Individual rule
// changed them, when every part gives its cell's top-left. True when every
// line was written.
bool WriteIndexTable(std::FILE* file, const RuleLayout& layout, const std::string& baseName,
                     bool cellsAsCut);
