#include <cstdio>

#include "cli/converter_command.h"
#include "cli/rule_tool_commands.h"

int RunInvertCommand(const ConverterOptions&) {
  std::fprintf(stderr, "vomarin: --invertはまだ使えません\n");
  return kExitUsage;
}
