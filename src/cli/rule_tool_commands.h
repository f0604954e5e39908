#pragma once

#include "cli/command_line.h"

// The rule tools of the command line, run once the rule file has been read.
// Each prints its result and returns the exit status.
int RunCheckCommand(const ConverterOptions& options);
int RunExplainCommand(const ConverterOptions& options);
int RunInvertCommand(const ConverterOptions& options);
