#pragma once

#include <cstddef>

// The keys of a rule's section, in one table: the rule's reader, the check,
// classification, the inverse and the rule editor take their names from
// here, so that no part can read a key under a spelling of its own.

enum class RuleKeyId {
  kClip,
  kSrcDiv,
  kNewSize,
  kReplace,
  kFileDiv,
  kNameFoot,
  kGroup,
  kKeepPalette,
  kIndividual,
  kSubProcess,
  kTileSize,
  kTerrain,
  kSpecific,
  kForce,
  kExcept,
};

// What a key's value is.
enum class RuleValueKind {
  kGrid,        // columns,rows: neither 0 nor negative
  kSize,        // width,height
  kRect,        // x,y,width,height
  kNumberList,  // numbers separated by ","
  kNameList,    // rule names separated by ","
  kName,        // one rule's name
  kText,        // a text as written
  kSwitch,      // 0 or 1
  kChoice,      // one of a few words
};

// Who reads a key: the rule when it is built, what writes the output's
// tiles into a map editor's tileset (the conversion does not use these
// keys), or classification when it chooses among several rules for one size.
enum class RuleKeyReader { kConversion, kTileset, kClassification };

struct RuleKeyEntry {
  RuleKeyId id;
  const char* name;
  RuleValueKind kind;
  // The value a section without the key has. For a list the empty text
  // stands for no item (a key written with an empty value has one); for
  // TileSize and Terrain, for none: their absence means the slot size and
  // no terrain.
  const char* defaultValue;
  RuleKeyReader reader;
};

// Every key, in the order a section is written: the conversion keys in the
// order they take effect, those of the tileset, then those of
// classification. A key's place is its RuleKeyId: the rule editor's field
// ids follow it, so a new key goes after those the editor shows.
inline constexpr RuleKeyEntry kRuleKeys[] = {
    {RuleKeyId::kClip, "Clip", RuleValueKind::kRect, "0,0,0,0", RuleKeyReader::kConversion},
    {RuleKeyId::kSrcDiv, "SrcDiv", RuleValueKind::kGrid, "1,1", RuleKeyReader::kConversion},
    {RuleKeyId::kNewSize, "NewSize", RuleValueKind::kSize, "0,0", RuleKeyReader::kConversion},
    {RuleKeyId::kReplace, "Replace", RuleValueKind::kNumberList, "", RuleKeyReader::kConversion},
    {RuleKeyId::kFileDiv, "FileDiv", RuleValueKind::kGrid, "1,1", RuleKeyReader::kConversion},
    {RuleKeyId::kNameFoot, "NameFoot", RuleValueKind::kText, "", RuleKeyReader::kConversion},
    {RuleKeyId::kGroup, "Group", RuleValueKind::kText, "", RuleKeyReader::kConversion},
    {RuleKeyId::kKeepPalette, "KeepPalette", RuleValueKind::kSwitch, "0",
     RuleKeyReader::kConversion},
    {RuleKeyId::kIndividual, "Individual", RuleValueKind::kName, "", RuleKeyReader::kConversion},
    {RuleKeyId::kSubProcess, "SubProcess", RuleValueKind::kNameList, "",
     RuleKeyReader::kConversion},
    {RuleKeyId::kTileSize, "TileSize", RuleValueKind::kSize, "", RuleKeyReader::kTileset},
    {RuleKeyId::kTerrain, "Terrain", RuleValueKind::kChoice, "", RuleKeyReader::kTileset},
    {RuleKeyId::kSpecific, "Specific", RuleValueKind::kText, "", RuleKeyReader::kClassification},
    {RuleKeyId::kForce, "Force", RuleValueKind::kText, "", RuleKeyReader::kClassification},
    {RuleKeyId::kExcept, "Except", RuleValueKind::kText, "", RuleKeyReader::kClassification},
};

constexpr const RuleKeyEntry& KeyEntry(RuleKeyId id) {
  return kRuleKeys[static_cast<std::size_t>(id)];
}

constexpr const char* KeyName(RuleKeyId id) { return KeyEntry(id).name; }

// The numbers a value of kind holds at least, as the reader needs them; 0
// for the kinds that are no numbers.
constexpr std::size_t NumbersIn(RuleValueKind kind) {
  switch (kind) {
    case RuleValueKind::kGrid:
    case RuleValueKind::kSize:
      return 2;
    case RuleValueKind::kRect:
      return 4;
    case RuleValueKind::kNumberList:
      return 1;
    default:
      return 0;
  }
}

namespace rule_keys_detail {
constexpr bool InIdOrder() {
  for (std::size_t i = 0; i < sizeof kRuleKeys / sizeof kRuleKeys[0]; ++i) {
    if (static_cast<std::size_t>(kRuleKeys[i].id) != i) return false;
  }
  return true;
}
}  // namespace rule_keys_detail
static_assert(rule_keys_detail::InIdOrder(), "kRuleKeys lists the keys in the order of RuleKeyId");
