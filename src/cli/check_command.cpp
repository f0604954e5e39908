#include <cstdio>
#include <string>

#include "cli/converter_command.h"
#include "cli/rule_tool_commands.h"
#include "common/messages.h"
#include "ruletools/rule_check.h"

int RunCheckCommand(const ConverterOptions&) {
  const std::vector<CheckFinding> findings = CheckRuleFile();
  for (const CheckFinding& finding : findings) {
    const std::string line = "[" + finding.section + "] " + finding.text + "\n";
    std::fwrite(line.data(), 1, line.size(), stdout);
  }
  if (findings.empty()) {
    std::printf("%s\n", Text(Message::kCliNoMistakes));
    return kExitConverted;
  }
  return kExitNotConverted;
}
