#include <cstdio>

#include "cli/converter_command.h"
#include "cli/rule_tool_commands.h"

int RunExplainCommand(const ConverterOptions&) {
  std::fprintf(stderr, "vomarin: --explainはまだ使えません\n");
  return kExitUsage;
}
