#pragma once

#include <optional>
#include <string>

#include "convert/rule_layout.h"

// What --explain tells about a rule: its cell grid, the canvas row by row
// with the cell placed in each slot, the pieces it is saved as and the rules
// it runs, for the image size the rule is for; optionally a picture of it.

struct ExplainRequest {
  std::string rule;
  // The sheet to explain the rule on (its size, its pixels, its name), or
  // empty.
  std::string sheet;
  // Without a sheet, the image size to assume; without either, the first
  // entry of the size table that names the rule.
  std::optional<RuleLayout::Size> size;
  // Where the picture goes, or empty for none.
  std::string picture;
};

struct Explanation {
  // Lines ending "\n".
  std::string text;
  // What could not be done (the rule or an Individual rule cannot be built,
  // the sheet cannot be read, the picture cannot be drawn or written), or
  // empty.
  std::string error;
};

Explanation ExplainRule(const ExplainRequest& request);
