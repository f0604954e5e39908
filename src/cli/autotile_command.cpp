#include "cli/converter_command.h"
#include "cli/rule_tool_commands.h"
#include "cli/section_output.h"
#include "common/messages.h"
#include "ruletools/autotile_rules.h"
#include "ruletools/inverse_text.h"
#include "setting/setting_store.h"

int RunAutotileCommand(const ConverterOptions& options, const std::string& ruleFile) {
  const AutotileRequest& request = *options.autotile;
  const std::vector<std::string> names = AutotileSectionNames(request);
  const std::shared_ptr<const RuleFileSnapshot> read = SettingStore::Instance().Snapshot();
  for (const std::string& name : names) {
    // A name like any new section's, as the inverse's is.
    const std::string problem = InverseNameProblem(*read, name);
    if (!problem.empty()) return PrintNameProblem(Message::kCliBadAutotileName, name, problem);
  }

  std::optional<RuleFileDocument> document;
  if (options.append) {
    int status = kExitConverted;
    document = ReadRuleFileForAppend(ruleFile, names, Message::kCliBadAutotileName, status);
    if (!document) return status;
  }

  // The arguments give a rule too large for the images or the rule file.
  std::string refusal;
  const std::optional<std::vector<RuleSection>> sections = AutotileSections(request, refusal);
  if (!sections) {
    PrintError(refusal);
    return kExitUsage;
  }
  return PrintOrAppendSections(*sections, document, ruleFile);
}
