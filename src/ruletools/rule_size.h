#pragma once

#include <optional>
#include <string>

#include "convert/rule_layout.h"

// The image sizes that rules are for.

// The size of a size-table key or of --size: two whole numbers above 0,
// "width,height", and nothing else.
std::optional<RuleLayout::Size> ParseSizeKey(const std::string& text);

// The size of the first entry of the size table "Process" that names rule
// among its candidates; nothing when none does ("default" has no size).
std::optional<RuleLayout::Size> SizeFromSizeTable(const std::string& rule);

// A size as the rule tools write it: "width x height".
std::string SizeText(long long width, long long height);
std::string SizeText(RuleLayout::Size size);

// "右のNピクセルと下のMピクセル" for what is left over, a side of 0 left
// out; empty when nothing is.
std::string LeftOverText(RuleLayout::Size leftOver);
