#include <cstdio>

#include "cli/converter_command.h"
#include "cli/rule_tool_commands.h"
#include "cli/rule_tool_size.h"
#include "common/console_output.h"
#include "common/messages.h"
#include "ruletools/inverse_text.h"
#include "ruletools/rule_inverse.h"
#include "setting/rule_file_document.h"
#include "setting/setting_store.h"

namespace {

// Printed as a rule file edited on Windows has it, each line ended by CR
// LF, after an empty line so that it can follow a file whose last line has
// no line end.
constexpr char kPrintedLineEnd[] = "\r\n";

int PrintNameProblem(const std::string& name, const std::string& problem) {
  PrintError(Text(Message::kCliBadInverseName, {name, problem}));
  return kExitUsage;
}

}  // namespace

int RunInvertCommand(const ConverterOptions& options, const std::string& ruleFile) {
  const std::string& rule = *options.invertRule;
  const std::string name = options.name ? *options.name : rule + "_inverse";
  const std::string nameProblem = InverseNameProblem(*SettingStore::Instance().Snapshot(), name);
  if (!nameProblem.empty()) return PrintNameProblem(name, nameProblem);

  // --append reads the file before the inverse is worked out, so that a
  // name it cannot hold is a usage error like the others.
  std::optional<RuleFileDocument> document;
  if (options.append) {
    std::string failure;
    document = RuleFileDocument::Read(ruleFile, failure);
    if (!document) {
      PrintError(failure);
      return kExitNotConverted;
    }
    const RuleFileEdit held = document->CanHold(name);
    if (!held.Done()) return PrintNameProblem(name, RuleFileEditText(held, document->Encoding()));
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
  const RuleSection section = InverseSection(*inverse, name);
  if (!document) {
    const std::string text = kPrintedLineEnd + RuleSectionText(section, kPrintedLineEnd);
    WriteText(stdout, text);
    return kExitConverted;
  }

  const RuleFileEdit edit = document->AppendSection(section);
  if (!edit.Done()) {
    PrintError(RuleFileEditText(edit, document->Encoding()));
    return kExitNotConverted;
  }
  const RuleFileSave save = document->Save();
  if (save.outcome != RuleFileSaveOutcome::kSaved) {
    PrintError(RuleFileSaveText(save));
    return kExitNotConverted;
  }
  WriteText(stdout, Text(Message::kRuleFileSectionWritten, {name, ruleFile}) + "\n");
  return kExitConverted;
}
