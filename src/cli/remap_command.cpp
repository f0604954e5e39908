#include <cstdio>

#include "cli/converter_command.h"
#include "cli/rule_tool_commands.h"
#include "common/console_output.h"
#include "common/file_io.h"
#include "common/messages.h"
#include "tiled/map_remap.h"

int RunRemapCommand(const ConverterOptions& options) {
  RemapRequest request;
  request.map = AbsolutePath(*options.remapMap);
  for (const std::string& table : options.files) request.tables.push_back(AbsolutePath(table));
  request.tileset = options.remapTileset;
  request.dryRun = options.dryRun;
  const RemapOutcome outcome = RemapMap(request);
  if (!outcome.refusals.empty()) {
    for (const std::string& refusal : outcome.refusals) PrintError(refusal);
    PrintError(Text(Message::kRemapNothingWritten));
    return kExitNotConverted;
  }
  std::string out;
  for (const std::string& note : outcome.notes) out += note + "\n";
  for (const LayerCount& count : outcome.counts) {
    out += Text(options.dryRun ? Message::kRemapLayerWouldChange : Message::kRemapLayerChanged,
                {count.layer, std::to_string(count.cells), std::to_string(count.objects)}) +
           "\n";
  }
  for (const std::string& file : outcome.written) {
    out += Text(Message::kRemapWritten, {file}) + "\n";
  }
  if (!outcome.backup.empty()) out += Text(Message::kRemapBackup, {outcome.backup}) + "\n";
  WriteText(stdout, out);
  return kExitConverted;
}
