#pragma once

#include <optional>
#include <string>

#include "cli/command_line.h"
#include "convert/rule_layout.h"

// The image size a rule tool works out rule for: the size of the sheet given
// as the file argument, else that of --size, else that of the first entry of
// the size table naming rule. Nothing, with problem empty, when none gives
// one; nothing, with problem set and status the exit status 1, when the
// sheet cannot be read.
std::optional<RuleLayout::Size> RuleToolImageSize(const ConverterOptions& options,
                                                  const std::string& rule, std::string& problem,
                                                  int& status);
