#include <cstdio>

#include "cli/converter_command.h"
#include "cli/rule_tool_commands.h"

int RunCheckCommand(const ConverterOptions&) {
  std::fprintf(stderr, "vomarin: --checkはまだ使えません\n");
  return kExitUsage;
}
