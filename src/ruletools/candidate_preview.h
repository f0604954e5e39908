#pragma once

#include <memory>
#include <string>

#include "convert/rule_layout.h"
#include "image/image.h"

// What the rule-selection dialog shows of one candidate rule applied to the
// file being asked about: the canvas the rule composes from it, its layout
// (for the piece boundaries) and one line of cell grid, canvas size and
// number of pieces; or why the rule cannot be applied to this file.
struct CandidatePreview {
  std::unique_ptr<IImage> canvas;  // null when error is set
  RuleLayout layout;
  std::string line;
  std::string error;
};

CandidatePreview PreviewCandidate(const std::string& rule, const IImage& sheet);
