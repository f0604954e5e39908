#pragma once

#include <optional>
#include <string>
#include <vector>

// The options of the command-line converter:
//   vomarin [--setting FILE] [--rule NAME] [--no-transparency] [--dry-run] FILE...
struct ConverterOptions {
  std::optional<std::string> settingFile;
  std::optional<std::string> rule;  // every file takes this rule, unclassified
  bool noTransparency = false;
  bool dryRun = false;
  bool help = false;
  bool version = false;
  std::vector<std::string> files;
};

// Reads arguments (without the program name). "--name VALUE" and
// "--name=VALUE" are the same; "--" ends the options. Returns the options,
// or sets error to what is wrong.
ConverterOptions ParseConverterOptions(const std::vector<std::string>& arguments,
                                       std::string& error);

// The text of --help.
std::string ConverterUsage();
