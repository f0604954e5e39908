#include <cstdio>

#include "cli/converter_command.h"
#include "cli/rule_tool_commands.h"
#include "cli/rule_tool_size.h"
#include "common/messages.h"
#include "ruletools/inverse_text.h"
#include "ruletools/rule_inverse.h"

int RunInvertCommand(const ConverterOptions& options) {
  const std::string& rule = *options.invertRule;
  const std::string name = options.name ? *options.name : rule + "_inverse";
  const std::string nameProblem = InverseNameProblem(name);
  if (!nameProblem.empty()) {
    PrintError(Text(Message::kCliBadInverseName, {name, nameProblem}));
    return kExitUsage;
  }

  std::string problem;
  int status = kExitConverted;
  const std::optional<RuleLayout::Size> image = RuleToolImageSize(options, rule, problem, status);
  if (!problem.empty()) {
    PrintError(problem);
    return status;
  }

  std::string refusal;
  const std::optional<RuleInverse> inverse = InvertRule(rule, image, refusal);
  if (!inverse) {
    PrintError(refusal);
    return kExitNotConverted;
  }
  const std::string text = InverseSectionText(*inverse, name);
  std::fwrite(text.data(), 1, text.size(), stdout);
  return kExitConverted;
}
