#pragma once

#include <string>

#include "cli/command_line.h"

// The rule tools of the command line, run once the rule file has been read.
// Each prints its result and returns the exit status.
int RunCheckCommand(const ConverterOptions& options);
int RunExplainCommand(const ConverterOptions& options);
// --invert prints the section, or with --append writes it into ruleFile.
int RunInvertCommand(const ConverterOptions& options, const std::string& ruleFile);
// --autotile prints the sections of the rule, or with --append writes them
// into ruleFile.
int RunAutotileCommand(const ConverterOptions& options, const std::string& ruleFile);
// --remap rewrites a Tiled map; it needs no rule file.
int RunRemapCommand(const ConverterOptions& options);
