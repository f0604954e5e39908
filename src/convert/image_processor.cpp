#include "convert/image_processor.h"

#include <stdexcept>
#include <utility>

#include "common/messages.h"
#include "convert/rule_error.h"
#include "convert/rule_keys.h"
#include "convert/rule_values.h"
#include "setting/rule_file_snapshot.h"
#include "setting/setting_store.h"

namespace {

// The value of key, or the table's default when the section lacks it.
std::string ValueOrDefault(const SettingSection& section, RuleKeyId id) {
  const char* key = KeyName(id);
  return section.HasKey(key) ? section.GetValue(key) : KeyEntry(id).defaultValue;
}

// The numbers of value, the value of key, at least as many as its kind holds.
std::vector<int> ReadNumbers(const std::string& value, const std::string& rule, RuleKeyId id) {
  const char* key = KeyName(id);
  const std::size_t needed = NumbersIn(KeyEntry(id).kind);
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
ImageProcessor::Grid ReadGrid(const SettingSection& section, const std::string& rule, RuleKeyId id,
                              RuleErrorKind zero) {
  const std::vector<int> numbers = ReadNumbers(ValueOrDefault(section, id), rule, id);
  const ImageProcessor::Grid grid{numbers[0], numbers[1]};
  if (grid.columns == 0 || grid.rows == 0) throw RuleError(zero, rule);
  if (grid.columns < 0 || grid.rows < 0) {
    throw RuleError(RuleErrorKind::kNegative, rule, {KeyName(id)});
  }
  return grid;
}

// TileSize: a width and a height of 1 or more.
ImageProcessor::Size ReadTileSize(const std::string& value, const std::string& rule) {
  const std::vector<int> numbers = ReadNumbers(value, rule, RuleKeyId::kTileSize);
  if (numbers[0] < 1 || numbers[1] < 1) {
    throw RuleError(RuleErrorKind::kNotPositive, rule, {KeyName(RuleKeyId::kTileSize)});
  }
  return {numbers[0], numbers[1]};
}

// Terrain: the name of a layout of whole variants.
AutotileLayout ReadTerrain(const std::string& value, const std::string& rule) {
  const std::optional<AutotileLayout> layout = AutotileLayoutNamed(value);
  if (layout && IsTerrain(*layout)) return *layout;
  std::vector<std::string> names;
  for (const AutotileLayout terrain : kAutotileLayouts) {
    if (IsTerrain(terrain)) names.push_back(AutotileLayoutName(terrain));
  }
  throw RuleError(RuleErrorKind::kNotOneOf, rule,
                  {KeyName(RuleKeyId::kTerrain), value, ListText(names)});
}

// A name foot becomes part of a file name; one that reaches into another
// folder would let the rule write outside the output folder.
bool LeavesTheFolder(const std::string& nameFoot) {
  return nameFoot.find_first_of("\\/") != std::string::npos ||
         nameFoot.find("..") != std::string::npos;
}

}  // namespace

ImageProcessor::ImageProcessor(const std::string& name)
    : ImageProcessor(SettingStore::Instance().Snapshot(), name) {}

ImageProcessor::ImageProcessor(std::shared_ptr<const RuleFileSnapshot> file,
                               const std::string& name)
    : ruleFile(std::move(file)), ruleName(name) {
  const SettingSection* found = ruleFile->GetSection(ruleName);
  if (found == nullptr) throw RuleError(RuleErrorKind::kMissingRule, ruleName);
  ParseRule(*found);
}

ImageProcessor::ImageProcessor(const std::string& name, const SettingSection& section,
                               std::shared_ptr<const RuleFileSnapshot> file)
    : ruleFile(std::move(file)), ruleName(name) {
  ParseRule(section);
}

void ImageProcessor::ParseRule(const SettingSection& section) {
  srcDiv = ReadGrid(section, ruleName, RuleKeyId::kSrcDiv, RuleErrorKind::kBadSrcDiv);
  fileDiv = ReadGrid(section, ruleName, RuleKeyId::kFileDiv, RuleErrorKind::kBadFileDiv);
  const std::vector<int> clip =
      ReadNumbers(ValueOrDefault(section, RuleKeyId::kClip), ruleName, RuleKeyId::kClip);
  clipRect = {clip[0], clip[1], clip[2], clip[3]};
  const std::vector<int> size =
      ReadNumbers(ValueOrDefault(section, RuleKeyId::kNewSize), ruleName, RuleKeyId::kNewSize);
  newSize = {size[0], size[1]};
  // A list key written with an empty value has one item; only a missing key has none.
  const char* replace = KeyName(RuleKeyId::kReplace);
  if (section.HasKey(replace))
    replaceList = ReadNumbers(section.GetValue(replace), ruleName, RuleKeyId::kReplace);
  const char* subProcess = KeyName(RuleKeyId::kSubProcess);
  if (section.HasKey(subProcess)) subProcesses = SplitStringList(section.GetValue(subProcess), ',');
  nameFoot = ValueOrDefault(section, RuleKeyId::kNameFoot);
  individualRule = ValueOrDefault(section, RuleKeyId::kIndividual);
  group = ValueOrDefault(section, RuleKeyId::kGroup);
  const std::string value = ValueOrDefault(section, RuleKeyId::kKeepPalette);
  if (value != "0" && value != "1") {
    throw RuleError(RuleErrorKind::kNotZeroOrOne, ruleName,
                    {KeyName(RuleKeyId::kKeepPalette), value});
  }
  keepPalette = value == "1";
  const char* tileSizeKey = KeyName(RuleKeyId::kTileSize);
  if (section.HasKey(tileSizeKey)) tileSize = ReadTileSize(section.GetValue(tileSizeKey), ruleName);
  const char* terrainKey = KeyName(RuleKeyId::kTerrain);
  if (section.HasKey(terrainKey)) terrain = ReadTerrain(section.GetValue(terrainKey), ruleName);

  if (LeavesTheFolder(nameFoot)) {
    throw RuleError(RuleErrorKind::kLeavesTheFolder, ruleName, {KeyName(RuleKeyId::kNameFoot)});
  }
}

std::string ImageProcessor::GetGroup() const { return group; }

std::string ImageProcessor::GetLastOutputPath() const { return lastOutputPath; }
