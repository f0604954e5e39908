#include "convert/image_processor.h"

#include <stdexcept>

#include "common/text.h"
#include "convert/rule_error.h"
#include "convert/rule_values.h"
#include "setting/setting_store.h"

namespace {

std::string RuleKey(const std::string& rule, const char* key) { return "[" + rule + "] " + key; }

// The numbers of key, at least needed of them.
std::vector<int> ReadNumbers(ISettingSection& section, const std::string& rule, const char* key,
                             std::size_t needed) {
  const std::string value = section.GetValue(key);
  std::vector<int> numbers;
  for (const std::string& item : SplitStringList(value, ',')) {
    try {
      numbers.push_back(ParseInt(item));
    } catch (const std::invalid_argument&) {
      ThrowRuleError(RuleKey(rule, key) + "の値「" + item + "」は数値ではありません");
    } catch (const std::out_of_range&) {
      ThrowRuleError(RuleKey(rule, key) + "の値「" + item + "」は大きすぎます");
    }
  }
  if (numbers.size() < needed) {
    ThrowRuleError(RuleKey(rule, key) + "の値が足りません（" + std::to_string(needed) +
                   "個必要です）");
  }
  return numbers;
}

// A grid key: columns and rows, neither 0 (zeroMessage) nor negative.
ImageProcessor::Grid ReadGrid(ISettingSection& section, const std::string& rule, const char* key,
                              const char* zeroMessage) {
  ImageProcessor::Grid grid;
  if (!section.HasKey(key)) return grid;
  const std::vector<int> numbers = ReadNumbers(section, rule, key, 2);
  grid = {numbers[0], numbers[1]};
  if (grid.columns == 0 || grid.rows == 0) throw zeroMessage;
  if (grid.columns < 0 || grid.rows < 0)
    ThrowRuleError(RuleKey(rule, key) + "に負の数は使えません");
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
  if (found == nullptr) ThrowRuleError(MissingRuleMessage(ruleName));
  ISettingSection& section = *found;

  srcDiv = ReadGrid(section, ruleName, "SrcDiv", kBadSrcDivMessage);
  fileDiv = ReadGrid(section, ruleName, "FileDiv", kBadFileDivMessage);
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
      ThrowRuleError(RuleKey(ruleName, "KeepPalette") + "の値「" + value + "」は0か1にして下さい");
    }
    keepPalette = value == "1";
  }

  if (LeavesTheFolder(nameFoot)) {
    ThrowRuleError(RuleKey(ruleName, "NameFoot") +
                   "にフォルダの区切り（\\ /）や「..」は使えません");
  }
}

std::string ImageProcessor::GetGroup() const { return group; }

std::string ImageProcessor::GetLastOutputPath() const { return lastOutputPath; }
