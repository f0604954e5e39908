#include "cli/converter_command.h"
#include "cli/rule_tool_commands.h"
#include "cli/rule_tool_size.h"
#include "cli/section_output.h"
#include "common/messages.h"
#include "ruletools/inverse_text.h"
#include "ruletools/rule_inverse.h"
#include "setting/setting_store.h"

int RunInvertCommand(const ConverterOptions& options, const std::string& ruleFile) {
  const std::string& rule = *options.invertRule;
  const std::string name = options.name ? *options.name : rule + "_inverse";
  const std::string nameProblem = InverseNameProblem(*SettingStore::Instance().Snapshot(), name);
  if (!nameProblem.empty()) return PrintNameProblem(Message::kCliBadInverseName, name, nameProblem);

  std::optional<RuleFileDocument> document;
  int status = kExitConverted;
  if (options.append) {
    document = ReadRuleFileForAppend(ruleFile, {name}, Message::kCliBadInverseName, status);
    if (!document) return status;
  }

  std::string problem;
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
  return PrintOrAppendSections({InverseSection(*inverse, name)}, document, ruleFile);
}
