#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/usage_error.h"
#include "common/messages.h"
#include "ruletools/autotile_rules.h"

// The options of the command-line converter:
//   vomarin [--setting FILE] [--rule NAME] [--no-transparency] [--dry-run] FILE...
// and --combine DIR, which writes the run's map groups combined into DIR, and
// --jobs N, how many files convert at once, and --lang ja|en, the language of
// every text.
// The rule tools take the place of a conversion:
//   vomarin --check [--setting FILE]
//   vomarin --explain RULE [--size W,H] [-o PICTURE.png] [SHEET]
//   vomarin --invert RULE [--size W,H] [--name NAME] [SHEET] [--append]
//   vomarin --autotile FROM TO --tile T [--blocks C,R] [--name NAME] [--append]
//   vomarin --remap MAP.tmx TABLE.csv... [--tileset NAME] [--dry-run]
// --tileset alone is an option of a conversion: a Tiled tileset beside
// every piece.
struct ConverterOptions {
  std::optional<std::string> settingFile;
  std::optional<std::string> rule;           // every file takes this rule, unclassified
  std::optional<std::string> combineFolder;  // one combined sheet per group goes here
  bool check = false;
  std::optional<std::string> explainRule;
  std::optional<std::string> invertRule;
  std::optional<std::string> size;     // "W,H": the image size a rule tool assumes
  std::optional<std::string> name;     // the section name of an inverse or autotile rule
  bool append = false;                 // the section goes into the rule file, not to the output
  // --autotile FROM TO with --tile, --blocks and --name, read and found to
  // have a rule.
  std::optional<AutotileRequest> autotile;
  std::optional<std::string> picture;  // -o: where --explain draws the rule
  bool indexTable = false;             // a table of the slots beside every conversion
  bool tilesets = false;               // a Tiled tileset beside every piece
  std::optional<std::string> remapMap;      // the Tiled map that --remap rewrites
  std::optional<std::string> remapTileset;  // the map's tileset it remaps, by name
  int jobs = 1;  // files converted at once: --jobs, else the number of processors
  std::optional<Language> language;  // --lang: the texts' language, else the system's
  bool noTransparency = false;
  bool dryRun = false;
  bool utf8 = false;  // --utf8: output to a file or pipe in UTF-8 (Windows)
  bool help = false;
  bool version = false;
  std::vector<std::string> files;
};

// The most files converted at once.
inline constexpr int kMaxJobs = 64;

// Reads arguments (without the program name). "--name VALUE" and
// "--name=VALUE" are the same; "--" ends the options. Returns the options,
// and sets error to the first thing wrong, if any.
ConverterOptions ParseConverterOptions(const std::vector<std::string>& arguments,
                                       std::optional<UsageError>& error);

// The text of --help, in the current language.
std::string ConverterUsage();
