#include <cstdio>
#include <string>

#include "cli/converter_command.h"
#include "cli/rule_tool_commands.h"
#include "common/console_output.h"
#include "common/messages.h"
#include "ruletools/rule_check.h"

int RunCheckCommand(const ConverterOptions&) {
  const std::vector<CheckFinding> findings = CheckRuleFile();
  for (const CheckFinding& finding : findings) {
    const std::string line = "[" + finding.section + "] " + finding.text + "\n";
    WriteText(stdout, line);
  }
  if (findings.empty()) {
    WriteText(stdout, std::string(Text(Message::kCliNoMistakes)) + "\n");
    return kExitConverted;
  }
  return kExitNotConverted;
}
