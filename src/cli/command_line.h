#pragma once

#include <optional>
#include <string>
#include <vector>

// The options of the command-line converter:
//   vomarin [--setting FILE] [--rule NAME] [--no-transparency] [--dry-run] FILE...
// and --combine DIR, which writes the run's map groups combined into DIR, and
// --jobs N, how many files convert at once.
// The rule tools take the place of a conversion:
//   vomarin --check [--setting FILE]
//   vomarin --explain RULE [--size W,H] [-o PICTURE.png] [SHEET]
//   vomarin --invert RULE [--size W,H] [--name NAME] [SHEET] [--append]
struct ConverterOptions {
  std::optional<std::string> settingFile;
  std::optional<std::string> rule;           // every file takes this rule, unclassified
  std::optional<std::string> combineFolder;  // one combined sheet per group goes here
  bool check = false;
  std::optional<std::string> explainRule;
  std::optional<std::string> invertRule;
  std::optional<std::string> size;     // "W,H": the image size a rule tool assumes
  std::optional<std::string> name;     // the section name of an inverse
  bool append = false;                 // the inverse goes into the rule file, not to the output
  std::optional<std::string> picture;  // -o: where --explain draws the rule
  bool indexTable = false;             // a table of the slots beside every conversion
  int jobs = 1;  // files converted at once: --jobs, else the number of processors
  bool noTransparency = false;
  bool dryRun = false;
  bool help = false;
  bool version = false;
  std::vector<std::string> files;
};

// The most files converted at once.
inline constexpr int kMaxJobs = 64;

// Reads arguments (without the program name). "--name VALUE" and
// "--name=VALUE" are the same; "--" ends the options. Returns the options,
// or sets error to what is wrong.
ConverterOptions ParseConverterOptions(const std::vector<std::string>& arguments,
                                       std::string& error);

// The text of --help.
std::string ConverterUsage();
