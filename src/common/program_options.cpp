#include "common/program_options.h"

#include <cstdio>
#include <sstream>

#include "common/file_io.h"
#include "common/file_replacement.h"

namespace {

constexpr const char* kTransparencyKey = "ChooseTransparency";
constexpr const char* kCombineKey = "CombineMaps";
constexpr const char* kIndexTableKey = "WriteIndexTable";
constexpr const char* kTilesetsKey = "WriteTilesets";
constexpr const char* kLanguageKey = "Language";

void ReadFlag(const std::string& value, bool* flag) {
  if (value == "0" || value == "1") *flag = value == "1";
}

}  // namespace

ProgramOptions ParseProgramOptions(const std::string& bytes) {
  ProgramOptions options;
  std::istringstream lines(bytes);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    const std::string key = line.substr(0, equals);
    const std::string value = line.substr(equals + 1);
    if (key == kTransparencyKey) ReadFlag(value, &options.chooseTransparency);
    if (key == kCombineKey) ReadFlag(value, &options.combineMaps);
    if (key == kIndexTableKey) ReadFlag(value, &options.writeIndexTable);
    if (key == kTilesetsKey) ReadFlag(value, &options.writeTilesets);
    if (key == kLanguageKey) options.hasLanguage = LanguageFromName(value, &options.language);
  }
  return options;
}

std::string FormatProgramOptions(const ProgramOptions& options) {
  auto flag = [](const char* key, bool on) { return std::string(key) + (on ? "=1\n" : "=0\n"); };
  std::string text = flag(kTransparencyKey, options.chooseTransparency) +
                     flag(kCombineKey, options.combineMaps) +
                     flag(kIndexTableKey, options.writeIndexTable);
  // Written only when ticked, so that a file written before the box came
  // along reads, and is written again, as it was.
  if (options.writeTilesets) text += flag(kTilesetsKey, true);
  if (options.hasLanguage) {
    text += std::string(kLanguageKey) + "=" +
            (options.language == Language::Japanese ? "ja" : "en") + "\n";
  }
  return text;
}

ProgramOptions ReadProgramOptions(const std::string& path) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) return {};
  return ParseProgramOptions(bytes);
}

bool WriteProgramOptions(const std::string& path, const ProgramOptions& options) {
  const std::string text = FormatProgramOptions(options);
  return static_cast<bool>(WriteFileReplacing(path, [&](std::FILE* file) {
    return std::fwrite(text.data(), 1, text.size(), file) == text.size();
  }));
}
