#include "convert/image_processor.h"

#include <stdexcept>

#include "common/text.h"
#include "convert/rule_error.h"
#include "convert/rule_values.h"
#include "setting/setting_store.h"

namespace {

// The numbers of key, at least needed of them.
std::vector<int> ReadNumbers(ISettingSection& section, const std::string& rule, const char* key,
                             std::size_t needed) {
  const std::string value = section.GetValue(key);
  std::vector<int> numbers;
  for (const std::string& item : SplitStringList(value, ',')) {
    try {
      numbers.push_back(ParseInt(item));
    } catch (const std::invalid_argument&) {
      throw RuleError(RuleErrorKind::kNotANumber, rule, {key, item});
    } catch (const std::out_of_range&) {
      throw RuleError(RuleErrorKind::kTooLarge, rule, {key, item});
    }
  }
  if (numbers.size() < needed) {
    throw RuleError(RuleErrorKind::kTooFewValues, rule, {key, std::to_string(needed)});
  }
  return numbers;
}

// A grid key: columns and rows, neither 0 (the error zero) nor negative.
ImageProcessor::Grid ReadGrid(ISettingSection& section, const std::string& rule, const char* key,
                              RuleErrorKind zero) {
  ImageProcessor::Grid grid;
  if (!section.HasKey(key)) return grid;
  const std::vector<int> numbers = ReadNumbers(section, rule, key, 2);
  grid = {numbers[0], numbers[1]};
  if (grid.columns == 0 || grid.rows == 0) throw RuleError(zero, rule);
  if (grid.columns < 0 || grid.rows < 0) throw RuleError(RuleErrorKind::kNegative, rule, {key});
  return grid;
}

// A name foot becomes part of a file name; one that reaches into another
// folder would let the rule write outside the output folder.
bool LeavesTheFolder(const std::string& nameFoot) {
  for (std::string::size_type i = 0; i < nameFoot.size();
       i += CharLength(nameFoot.data(), nameFoot.size(), i)) {
    if (nameFoot[i] == '\\' || nameFoot[i] == '/') return true;
  }
  return nameFoot.find("..") != std::string::npos;
}

}  // namespace

ImageProcessor::ImageProcessor(const std::string& name) : ruleName(name) { ParseRule(); }

void ImageProcessor::ParseRule() {
  ISettingSection* found = SettingStore::Instance().GetSection(ruleName);
  if (found == nullptr) throw RuleError(RuleErrorKind::kMissingRule, ruleName);
  ISettingSection& section = *found;

  srcDiv = ReadGrid(section, ruleName, "SrcDiv", RuleErrorKind::kBadSrcDiv);
  fileDiv = ReadGrid(section, ruleName, "FileDiv", RuleErrorKind::kBadFileDiv);
  if (section.HasKey("Clip")) {
    const std::vector<int> numbers = ReadNumbers(section, ruleName, "Clip", 4);
    clipRect = {numbers[0], numbers[1], numbers[2], numbers[3]};
  }
  if (section.HasKey("NewSize")) {
    const std::vector<int> numbers = ReadNumbers(section, ruleName, "NewSize", 2);
    newSize = {numbers[0], numbers[1]};
  }
  if (section.HasKey("Replace")) replaceList = ReadNumbers(section, ruleName, "Replace", 1);
  if (section.HasKey("SubProcess"))
    subProcesses = SplitStringList(section.GetValue("SubProcess"), ',');
  if (section.HasKey("NameFoot")) nameFoot = section.GetValue("NameFoot");
  if (section.HasKey("Individual")) individualRule = section.GetValue("Individual");
  if (section.HasKey("Group")) group = section.GetValue("Group");
  if (section.HasKey("KeepPalette")) {
    const std::string value = section.GetValue("KeepPalette");
    if (value != "0" && value != "1") {
      throw RuleError(RuleErrorKind::kNotZeroOrOne, ruleName, {"KeepPalette", value});
    }
    keepPalette = value == "1";
  }

  if (LeavesTheFolder(nameFoot))
    throw RuleError(RuleErrorKind::kLeavesTheFolder, ruleName, {"NameFoot"});
}

std::string ImageProcessor::GetGroup() const { return group; }

std::string ImageProcessor::GetLastOutputPath() const { return lastOutputPath; }
