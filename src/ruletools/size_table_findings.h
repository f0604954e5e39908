#pragma once

#include <string>
#include <vector>

#include "convert/rule_layout.h"
#include "ruletools/findings.h"
#include "ruletools/rule_book.h"

// A rule that the size table sends images of one size to.
struct SizeTableUse {
  RuleLayout::Size image;
  std::string sizeKey;  // as written in the table
  const BookSection* rule = nullptr;
};

// Mistakes of the size table "Process": a table that is missing, keys that
// are no size, candidates that name no section, and the keys for choosing
// among candidates (Specific, Force, Except) in rules that are never one of
// several. Gives back every rule each size of the table may go to.
std::vector<SizeTableUse> FindSizeTableMistakes(const RuleBook& book, FindingList& findings);
