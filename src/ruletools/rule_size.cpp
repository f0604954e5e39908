#include "ruletools/rule_size.h"

#include <cctype>

#include "common/messages.h"
#include "convert/rule_values.h"
#include "setting/setting_section.h"
#include "setting/setting_store.h"

namespace {

// A whole number above 0 written with digits only.
std::optional<int> PositiveNumber(const std::string& text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  for (const char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
  }
  const int number = std::stoi(text);
  if (number < 1) return std::nullopt;
  return number;
}

}  // namespace

std::optional<RuleLayout::Size> ParseSizeKey(const std::string& text) {
  const std::vector<std::string> items = SplitStringList(text, ',');
  if (items.size() != 2) return std::nullopt;
  const std::optional<int> width = PositiveNumber(items[0]);
  const std::optional<int> height = PositiveNumber(items[1]);
  if (!width || !height) return std::nullopt;
  return RuleLayout::Size{*width, *height};
}

std::optional<RuleLayout::Size> SizeFromSizeTable(const std::string& rule) {
  const std::shared_ptr<const RuleFileSnapshot> ruleFile = SettingStore::Instance().Snapshot();
  const SettingSection* sizeTable = ruleFile->GetSection("Process");
  if (sizeTable == nullptr) return std::nullopt;
  for (const auto& entry : SplitSectionLines(sizeTable->Lines()).entries) {
    const std::string& key = entry.first;
    const std::optional<RuleLayout::Size> size = ParseSizeKey(key);
    if (!size) continue;
    // A key written twice answers with its last value.
    for (const std::string& candidate : SplitStringList(sizeTable->GetValue(key), '/')) {
      if (candidate == rule) return size;
    }
  }
  return std::nullopt;
}

std::string SizeText(long long width, long long height) {
  return std::to_string(width) + " x " + std::to_string(height);
}

std::string SizeText(RuleLayout::Size size) { return SizeText(size.width, size.height); }

std::string LeftOverText(RuleLayout::Size leftOver) {
  const std::string right = Text(Message::kToolLeftOverRight, {std::to_string(leftOver.width)});
  const std::string below = Text(Message::kToolLeftOverBelow, {std::to_string(leftOver.height)});
  if (leftOver.width == 0 && leftOver.height == 0) return std::string();
  if (leftOver.height == 0) return right;
  if (leftOver.width == 0) return below;
  return Text(Message::kToolLeftOverBoth, {right, below});
}
