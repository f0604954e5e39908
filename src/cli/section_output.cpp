#include "cli/section_output.h"

#include <cstdio>

#include "cli/converter_command.h"
#include "common/console_output.h"

namespace {

// Printed as a rule file edited on Windows has it, each line ended by CR
// LF, after an empty line so that it can follow a file whose last line has
// no line end.
constexpr char kPrintedLineEnd[] = "\r\n";

}  // namespace

int PrintNameProblem(Message message, const std::string& name, const std::string& problem) {
  PrintError(Text(message, {name, problem}));
  return kExitUsage;
}

std::optional<RuleFileDocument> ReadRuleFileForAppend(const std::string& ruleFile,
                                                      const std::vector<std::string>& names,
                                                      Message nameMessage, int& status) {
  std::string failure;
  std::optional<RuleFileDocument> document = RuleFileDocument::Read(ruleFile, failure);
  if (!document) {
    PrintError(failure);
    status = kExitNotConverted;
    return std::nullopt;
  }
  for (const std::string& name : names) {
    const RuleFileEdit held = document->CanHold(name);
    if (held.Done()) continue;
    status = PrintNameProblem(nameMessage, name, RuleFileEditText(held, document->Encoding()));
    return std::nullopt;
  }
  return document;
}

int PrintOrAppendSections(const std::vector<RuleSection>& sections,
                          std::optional<RuleFileDocument>& document, const std::string& ruleFile) {
  if (!document) {
    std::string text;
    for (const RuleSection& section : sections)
      text += kPrintedLineEnd + RuleSectionText(section, kPrintedLineEnd);
    WriteText(stdout, text);
    return kExitConverted;
  }
  for (const RuleSection& section : sections) {
    const RuleFileEdit edit = document->AppendSection(section);
    if (!edit.Done()) {
      PrintError(RuleFileEditText(edit, document->Encoding()));
      return kExitNotConverted;
    }
  }
  const RuleFileSave save = document->Save();
  if (save.outcome != RuleFileSaveOutcome::kSaved) {
    PrintError(RuleFileSaveText(save));
    return kExitNotConverted;
  }
  for (const RuleSection& section : sections) {
    WriteText(stdout, Text(Message::kRuleFileSectionWritten, {section.name, ruleFile}) + "\n");
  }
  return kExitConverted;
}
