#pragma once

#include <optional>
#include <string>

// The ways one terrain's tiles are laid out on a sheet that autotile rules
// convert between: the block of quarter-tiles that game-making tools compose
// variants from, and the variants drawn out as whole tiles. A rule's
// Terrain names one of the latter.
enum class AutotileLayout {
  kBlock2x3,  // one block of 2 x 3 tiles, read as 4 x 6 quarters
  kBlob47,    // the 47 variants on 12 x 4 tiles
  kWang16,    // the 16 variants with sides only, on 4 x 4 tiles
};

// Every layout, in the order above.
inline constexpr AutotileLayout kAutotileLayouts[] = {
    AutotileLayout::kBlock2x3, AutotileLayout::kBlob47, AutotileLayout::kWang16};

// "block2x3", "blob47", "wang16": the name in the rule file and on the
// command line.
const char* AutotileLayoutName(AutotileLayout layout);

// The layout of that name, exactly as written; nothing for any other text.
std::optional<AutotileLayout> AutotileLayoutNamed(const std::string& name);

// Whether a rule's Terrain may name layout: the layouts of whole variants.
bool IsTerrain(AutotileLayout layout);
