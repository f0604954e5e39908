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

// The arguments of --autotile and the options that go with it.
struct AutotileArguments {
  std::optional<std::pair<std::string, std::string>> layouts;
  std::optional<std::string> tile;
  std::optional<std::string> blocks;
};

// The request the arguments make, or nothing after noting the first thing
// wrong: a layout that does not exist, no --tile, a tile size that does
// not cut into quarters, blocks that are not a grid, a pair without a rule.
template <typename Note>
std::optional<AutotileRequest> ReadAutotile(const AutotileArguments& arguments,
                                            const std::optional<std::string>& name, Note note) {
  std::vector<std::string> layoutNames;
  for (const AutotileLayout layout : kAutotileLayouts)
    layoutNames.push_back(AutotileLayoutName(layout));
  AutotileRequest request;
  for (const auto& [text, layout] : {std::make_pair(arguments.layouts->first, &request.from),
                                     std::make_pair(arguments.layouts->second, &request.to)}) {
    const std::optional<AutotileLayout> named = AutotileLayoutNamed(text);
    if (!named) {
      note({Message::kAutotileUnknownLayout, {text}, layoutNames});
      return std::nullopt;
    }
    *layout = *named;
  }
  if (!arguments.tile) {
    note({Message::kCliAutotileNeedsTile, {}});
    return std::nullopt;
  }
  request.tile = ParseAutotileTile(*arguments.tile);
  if (!IsAutotileSize(request.tile)) {
    note({Message::kAutotileBadTile, {*arguments.tile}});
    return std::nullopt;
  }
  if (arguments.blocks) {
    const std::optional<RuleLayout::Size> blocks = ParseSizeKey(*arguments.blocks);
    if (!blocks) {
      note({Message::kAutotileBadBlocks, {*arguments.blocks}});
      return std::nullopt;
    }
    request.blocks = {blocks->width, blocks->height};
  }
  if (!HasAutotileRule(request.from, request.to)) {
    note({Message::kAutotileNoRule,
          {AutotileLayoutName(request.from), AutotileLayoutName(request.to)},
          AutotilePairNames()});
    return std::nullopt;
  }
  if (name) request.name = *name;
  return request;
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
  // --dry-run is --remap's too.
  const bool converting = options.rule || options.combineFolder || options.noTransparency ||
                          (options.dryRun && !options.remapMap) || options.indexTable ||
                          options.tilesets;
  if (options.autotile) {
    if (tools > 0) return UsageError{Message::kCliAutotileWithTool, {}};
    if (converting) return UsageError{Message::kCliAutotileWithConversion, {}};
    if (!options.files.empty()) return UsageError{Message::kCliAutotileTakesNoFiles, {}};
  }
  if (tools > 1) return UsageError{Message::kCliOneToolAtATime, {}};
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
  const bool writesSection = options.invertRule || options.autotile;
  if (options.name && !writesSection) return UsageError{Message::kCliNameWithoutInvert, {}};
  if (options.append && !writesSection) return UsageError{Message::kAppendWithoutInvert, {}};
  if (options.remapMap && options.files.empty()) {
    return UsageError{Message::kCliRemapNeedsTables, {}};
  }
  if (tools == 0 && !options.autotile && options.files.empty()) {
    return UsageError{Message::kCliNoImageFiles, {}};
  }
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
  AutotileArguments autotile;
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
    std::optional<std::string>* value = name == "--jobs"     ? &jobs
                                        : name == "--lang"   ? &language
                                        : name == "--tile"   ? &autotile.tile
                                        : name == "--blocks" ? &autotile.blocks
                                        : name == "--tileset" && remapping
                                            ? &options.remapTileset
                                            : ValueOption(options, name);
    if (name == "--autotile") {
      // Two values: the layout it converts from, then the one it converts to.
      std::optional<std::string> from;
      if (equals != std::string::npos) {
        from = argument.substr(equals + 1);
      } else if (i + 1 < arguments.size()) {
        from = arguments[++i];
      }
      if (from && i + 1 < arguments.size()) {
        autotile.layouts = std::make_pair(*from, arguments[++i]);
      } else {
        note({Message::kCliAutotileNeedsLayouts, {}});
      }
    } else if (value != nullptr) {
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
  if (autotile.layouts) {
    options.autotile = ReadAutotile(autotile, options.name, note);
  } else if (autotile.tile || autotile.blocks) {
    note({Message::kCliTileWithoutAutotile, {}});
  }
  if (!error) error = MisusedOption(options);
  return options;
}

std::string ConverterUsage() {
  return Text(Message::kCliConverterUsage, {std::to_string(kMaxJobs)});
}
