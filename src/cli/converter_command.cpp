#include "cli/converter_command.h"

#include <cstdio>

#include "app/image_prefetch.h"
#include "classify/classify.h"
#include "classify/list_text.h"
#include "cli/command_line.h"
#include "cli/console.h"
#include "cli/console_prompt.h"
#include "cli/conversion_stream.h"
#include "cli/rule_tool_commands.h"
#include "combine/combined_sheet_file.h"
#include "combine/combiner_state.h"
#include "combine/launch_combiner.h"
#include "common/app_context.h"
#include "common/console_output.h"
#include "common/executable_folder.h"
#include "common/file_io.h"
#include "common/messages.h"
#include "common/path.h"
#include "common/text.h"
#include "convert/output_folder.h"
#include "convert/run_state.h"
#include "setting/setting_store.h"

namespace {

constexpr char kProgramName[] = "vomarin";

// The list as the main window shows it, one line per file: a line feed
// inside a listed reason ("不正なfileDiv\n") would break its line.
std::string ListLines(const std::string& blocks) {
  std::string out;
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    if (blocks[i] == '\r' && i + 1 < blocks.size() && blocks[i + 1] == '\n') {
      out += '\n';
      ++i;
    } else if (blocks[i] != '\n') {
      out += blocks[i];
    }
  }
  return out;
}

// The rule file the options name, or setting.ini in the working folder, else
// next to the program; empty (after saying why) when there is none.
std::string FindRuleFile(const ConverterOptions& options) {
  if (options.settingFile) {
    const std::string path = AbsolutePath(*options.settingFile);
    const FileResult readable = ReadableFile(path);
    if (readable) return path;
    PrintError(
        WithFileFailure(Text(Message::kCliRuleFileNotFound, {*options.settingFile}), readable));
    return std::string();
  }
  const std::string here = AbsolutePath("setting.ini");
  const FileResult readableHere = ReadableFile(here);
  if (readableHere) return here;
  const std::string besideProgram = AppContext::Instance().exeDirectory + "setting.ini";
  const FileResult readableBeside = ReadableFile(besideProgram);
  if (readableBeside) return besideProgram;
  // One reason only where both places give it.
  const FileResult both = readableHere.failure == readableBeside.failure
                              ? readableHere
                              : FileResult{FileFailure::kNoSystemReason, 0};
  PrintError(WithFileFailure(Text(Message::kCliNoRuleFileInEither, {here, besideProgram}), both));
  return std::string();
}

// A group's name made into a file name: characters that cannot stand in a
// file name become "_", and a Windows device name gets "_" in front.
std::string GroupFileName(const std::string& group) {
  std::string name;
  for (std::size_t i = 0; i < group.size();) {
    const unsigned length = CharLength(group.data(), group.size(), i);
    const unsigned char c = static_cast<unsigned char>(group[i]);
    const bool forbidden =
        length == 1 && (c < 0x20 || std::string("\\/:*?\"<>|").find(group[i]) != std::string::npos);
    name += forbidden ? std::string("_") : group.substr(i, length);
    i += length;
  }
  std::string stem;
  for (const char c : name.substr(0, name.find('.'))) {
    stem += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  }
  const bool numberedDevice = stem.size() == 4 &&
                              (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0) &&
                              stem[3] >= '1' && stem[3] <= '9';
  if (numberedDevice || stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL")
    name.insert(0, "_");
  return name + ".png";
}

// Writes one combined sheet per group of the run into folder, as the
// combiner would save it when opened after the run; true when every one was
// written.
bool WriteCombinedGroups(const std::string& folder) {
  bool allWritten = true;
  LaunchCombiner(RunState::Instance().combineGroups, [&](const std::string& group) {
    const CombinerState& state = CombinerState::Instance();
    const std::string output = folder + kPathSeparator + GroupFileName(group);
    const std::vector<std::string> problems =
        WriteCombinedSheet(state.initialFiles, state.sheetWidth, output);
    for (const std::string& problem : problems) PrintError(problem);
    if (problems.empty()) {
      WriteText(stdout, Text(Message::kCliCombined, {output}) + "\n");
    } else {
      allWritten = false;
    }
  });
  return allWritten;
}

}  // namespace

void PrintError(const std::string& text) {
  WriteText(stderr, std::string(kProgramName) + ": " + text + "\n");
}

int RunConverterCommand(const std::vector<std::string>& arguments) {
  std::optional<UsageError> error;
  const ConverterOptions options = ParseConverterOptions(arguments, error);
  if (options.language) SetLanguage(*options.language);
  if (options.utf8) UseUtf8Output();
  if (error) {
    PrintError(error->Text());
    WriteText(stderr, Text(Message::kCliSeeHelp, {kProgramName}) + "\n");
    return kExitUsage;
  }
  if (options.help) {
    WriteText(stdout, ConverterUsage());
    return kExitConverted;
  }
  if (options.version) {
    WriteText(stdout, std::string(kProgramName) + " " + VOMARIN_VERSION + "\n");
    return kExitConverted;
  }

  if (options.remapMap) return RunRemapCommand(options);

  AppContext::Instance().exeDirectory = ExecutableFolder();
  const std::string ruleFile = FindRuleFile(options);
  if (ruleFile.empty()) return kExitUsage;
  SettingStore::Instance().ReadFile(ruleFile);
  if (options.check) return RunCheckCommand(options);
  if (options.explainRule) return RunExplainCommand(options);
  if (options.invertRule) return RunInvertCommand(options, ruleFile);
  if (options.autotile) return RunAutotileCommand(options, ruleFile);

  std::string combineFolder;
  if (options.combineFolder) {
    combineFolder = AbsolutePath(*options.combineFolder);
    // CreateOutputFolder takes any existing name for the folder, as the
    // output step must; a file of that name is refused here, before anything
    // is converted.
    const FileResult made = CreateOutputFolder(combineFolder);
    if (!made || !IsFolder(combineFolder)) {
      PrintError(WithFileFailure(Text(Message::kCliCombineFolderUnusable, {*options.combineFolder}),
                                 made));
      return kExitUsage;
    }
  }

  ConsolePrompt prompt(InputIsTerminal());
  SetUserPrompt(&prompt);
  std::vector<std::string> paths;
  for (const std::string& file : options.files) paths.push_back(AbsolutePath(file));

  RunState& run = RunState::Instance();
  run.autoTransparent = !options.noTransparency;
  // Every file is decoded to be classified, a few ahead of the adding, on
  // the jobs' threads; each file added converts at once beside the adding.
  ImagePrefetch prefetch(paths, options.jobs, static_cast<std::size_t>(options.jobs));
  const ImageOpener open = [&prefetch](const std::string& path) { return prefetch.Next(path); };
  ConversionStream conversion(options.jobs, ReadsAnotherOutput(paths), options.indexTable,
                              options.tilesets);
  const JobSink sink = [&](std::unique_ptr<IImage> image, ImageProcessor* rule) {
    if (!options.dryRun) conversion.Add(std::move(image), rule);
  };
  const AddSummary added =
      options.rule ? AddFilesAs(paths, *options.rule, open, sink) : AddFiles(paths, open, sink);
  bool allConverted = added.failed == 0 && !added.stopped;
  WriteText(stdout, ListLines(BuildListBlocks()));
  std::fflush(stdout);

  if (!options.dryRun && added.added != 0) {
    WriteText(stdout, "\n");
    allConverted = conversion.ShowAll() && allConverted;
    if (!combineFolder.empty()) allConverted = WriteCombinedGroups(combineFolder) && allConverted;
  }

  // The images go before the imaging library is shut down.
  run.ClearList();
  SetUserPrompt(nullptr);
  return allConverted ? kExitConverted : kExitNotConverted;
}
