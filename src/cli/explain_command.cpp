#include <cstdio>

#include "cli/console.h"
#include "cli/converter_command.h"
#include "cli/rule_tool_commands.h"
#include "common/console_output.h"
#include "common/file_io.h"
#include "common/messages.h"
#include "ruletools/rule_explanation.h"
#include "ruletools/rule_size.h"

int RunExplainCommand(const ConverterOptions& options) {
  ExplainRequest request;
  request.rule = *options.explainRule;
  // The parser has refused a --size that is not a size.
  if (options.size) request.size = ParseSizeKey(*options.size);
  if (!options.files.empty()) {
    const FileResult readable = ReadableFile(options.files.front());
    if (!readable) {
      PrintError(
          WithFileFailure(Text(Message::kCliImageFileNotFound, {options.files.front()}), readable));
      return kExitNotConverted;
    }
    request.sheet = AbsolutePath(options.files.front());
  }
  if (options.picture) request.picture = *options.picture;

  const Explanation explanation = ExplainRule(request);
  WriteText(stdout, explanation.text);
  std::fflush(stdout);
  if (explanation.error.empty()) return kExitConverted;
  PrintError(explanation.error);
  return kExitNotConverted;
}
