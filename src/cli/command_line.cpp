#include "cli/command_line.h"

#include <algorithm>
#include <thread>

#include "common/messages.h"
#include "ruletools/rule_size.h"

namespace {

// The value of --jobs: a whole number from 1 to kMaxJobs, in decimal digits
// only; 0 for anything else.
int ParseJobs(const std::string& text) {
  if (text.empty() || text.size() > 2 ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return 0;
  const int jobs = std::stoi(text);
  return jobs <= kMaxJobs ? jobs : 0;
}

// Options that take a value, and where it goes.
std::optional<std::string>* ValueOption(ConverterOptions& options, const std::string& name) {
  if (name == "--setting") return &options.settingFile;
  if (name == "--rule") return &options.rule;
  if (name == "--combine") return &options.combineFolder;
  if (name == "--explain") return &options.explainRule;
  if (name == "--invert") return &options.invertRule;
  if (name == "--size") return &options.size;
  if (name == "--name") return &options.name;
  if (name == "-o") return &options.picture;
  if (name == "--remap") return &options.remapMap;
  return nullptr;
}

// Options without a value.
bool* FlagOption(ConverterOptions& options, const std::string& name) {
  if (name == "--no-transparency") return &options.noTransparency;
  if (name == "--dry-run") return &options.dryRun;
  if (name == "--utf8") return &options.utf8;
  if (name == "--check") return &options.check;
  if (name == "--append") return &options.append;
  if (name == "--index-table") return &options.indexTable;
  if (name == "--tileset") return &options.tilesets;
  if (name == "--help" || name == "-h") return &options.help;
  if (name == "--version") return &options.version;
  return nullptr;
}

// What is wrong with the combination of options, if anything.
std::optional<UsageError> MisusedOption(const ConverterOptions& options) {
  if (options.help || options.version) return std::nullopt;
  const int tools = (options.check ? 1 : 0) + (options.explainRule ? 1 : 0) +
                    (options.invertRule ? 1 : 0) + (options.remapMap ? 1 : 0);
  if (tools > 1) return UsageError{Message::kCliOneToolAtATime, {}};
  // --dry-run is --remap's too.
  const bool converting = options.rule || options.combineFolder || options.noTransparency ||
                          (options.dryRun && !options.remapMap) || options.indexTable ||
                          options.tilesets;
  if (tools == 1 && converting) return UsageError{Message::kCliToolWithConversion, {}};
  if (options.check && !options.files.empty()) {
    return UsageError{Message::kCliCheckTakesNoFiles, {}};
  }
  if ((options.explainRule || options.invertRule) && options.files.size() > 1) {
    return UsageError{Message::kCliOneImageFile, {}};
  }
  if (options.size && !options.explainRule && !options.invertRule) {
    return UsageError{Message::kCliSizeWithoutTool, {}};
  }
  if (options.size && !ParseSizeKey(*options.size)) {
    return UsageError{Message::kCliBadSize, {*options.size}};
  }
  if (options.picture && !options.explainRule) {
    return UsageError{Message::kCliPictureWithoutExplain, {}};
  }
  if (options.name && !options.invertRule) return UsageError{Message::kCliNameWithoutInvert, {}};
  if (options.append && !options.invertRule) return UsageError{Message::kAppendWithoutInvert, {}};
  if (options.remapMap && options.files.empty()) {
    return UsageError{Message::kCliRemapNeedsTables, {}};
  }
  if (tools == 0 && options.files.empty()) return UsageError{Message::kCliNoImageFiles, {}};
  return std::nullopt;
}

}  // namespace

ConverterOptions ParseConverterOptions(const std::vector<std::string>& arguments,
                                       std::optional<UsageError>& error) {
  ConverterOptions options;
  options.jobs = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMaxJobs);
  error.reset();
  // The first mistake is kept and the reading goes on, so that a --lang
  // after it still chooses the language it is shown in.
  const auto note = [&error](UsageError mistake) {
    if (!error) error = std::move(mistake);
  };
  bool optionsEnded = false;
  std::optional<std::string> jobs;
  std::optional<std::string> language;
  // --tileset names a tileset for --remap, and is a switch of a conversion.
  const auto optionsEnd = std::find(arguments.begin(), arguments.end(), "--");
  const bool remapping = std::any_of(arguments.begin(), optionsEnd, [](const std::string& a) {
    return a == "--remap" || a.rfind("--remap=", 0) == 0;
  });
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
      options.files.push_back(argument);
      continue;
    }
    if (argument == "--") {
      optionsEnded = true;
      continue;
    }
    const auto equals = argument.find('=');
    const std::string name = argument.substr(0, equals);
    std::optional<std::string>* value = name == "--jobs"   ? &jobs
                                        : name == "--lang" ? &language
                                        : name == "--tileset" && remapping
                                            ? &options.remapTileset
                                            : ValueOption(options, name);
    if (value != nullptr) {
      if (equals != std::string::npos) {
        *value = argument.substr(equals + 1);
      } else if (i + 1 < arguments.size()) {
        *value = arguments[++i];
      } else {
        note({Message::kCliValueNeeded, {name}});
      }
    } else if (bool* flag = FlagOption(options, name);
               flag != nullptr && equals == std::string::npos) {
      *flag = true;
    } else {
      note({Message::kCliUnknownOption, {argument}});
    }
  }
  if (language) {
    if (auto mistake = ReadLanguageOption(*language, options.language)) note(*mistake);
  }
  if (jobs) {
    options.jobs = ParseJobs(*jobs);
    if (options.jobs == 0) note({Message::kCliBadJobs, {std::to_string(kMaxJobs), *jobs}});
  }
  if (!error) error = MisusedOption(options);
  return options;
}

std::string ConverterUsage() {
  return Text(Message::kCliConverterUsage, {std::to_string(kMaxJobs)});
}
