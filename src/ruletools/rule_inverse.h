#pragma once

#include <optional>
#include <string>
#include <vector>

#include "convert/rule_layout.h"

// The rule that undoes another: applied to what a rule drew for an image of
// one size, it puts every cell that rule placed back where it was in the
// source. Derived from the rule's layout, so it cuts exactly the slots the
// conversion drew.
struct RuleInverse {
  std::string rule;   // the rule it undoes
  RuleLayout layout;  // what that rule does to the image
  // The image the inverse takes: the canvas, or the pieces joined in their
  // order when FileDiv writes several (a remainder strip is not written).
  RuleLayout::Size source;

  // The keys of the inverse. The cells are the rule's slots; Clip keeps the
  // whole slots when the source is not a whole number of them.
  RuleLayout::Grid srcDiv;
  std::optional<RuleLayout::Rect> clip;
  RuleLayout::Size newSize;
  // For each cell rebuilt, row by row, the inverse's cell (the rule's first
  // slot that showed it) or -1.
  std::vector<int> replace;
  std::string group;

  // Where the rebuilt area lies in the rule's source image: the whole image
  // at 0,0 when the Clip begins on a cell boundary, else the clipped cells.
  RuleLayout::Rect rebuilt;
  // Cells of the rule's grid that do not come back, ascending.
  std::vector<int> lostCells;
  std::vector<std::string> subProcesses;
};

// The inverse of rule for an image of the given size, or nothing with the
// reason in refusal: a rule with an Individual rule, no image size, a rule
// that places no cell, or an inverse the rule file cannot hold.
std::optional<RuleInverse> InvertRule(const ImageProcessor& rule,
                                      std::optional<RuleLayout::Size> image, std::string& refusal);
// The same for the rule of the rule file as the setting store read it
// last, refused when it cannot be built.
std::optional<RuleInverse> InvertRule(const std::string& rule,
                                      std::optional<RuleLayout::Size> image, std::string& refusal);

// The keys of the inverse, each "key=value" as the rule file reader
// delivers it, in the order they are written.
std::vector<std::string> InverseKeys(const RuleInverse& inverse);
