#pragma once

#include <string>
#include <vector>

// A section as it is written into a rule file: comment lines saying what it
// is, its header and its keys.
struct RuleSection {
  std::vector<std::string> comments;  // each written after "; "
  std::string name;
  std::vector<std::string> keys;  // "key=value", in the order written
};

// The section's lines, each ended by lineEnd.
std::string RuleSectionText(const RuleSection& section, const std::string& lineEnd);
