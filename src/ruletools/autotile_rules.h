#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "convert/autotile_layout.h"
#include "convert/rule_layout.h"
#include "setting/rule_section.h"

// Rules that convert a terrain's tiles from one autotile layout into
// another: a pure rearrangement of quarter-tiles (cells of half the tile
// size), placed by the tables of autotile_masks.h. They are ordinary rule
// sections, printed, appended to the rule file or opened for editing like
// any other.

struct AutotileRequest {
  AutotileLayout from = AutotileLayout::kBlock2x3;
  AutotileLayout to = AutotileLayout::kBlob47;
  int tile = 32;  // the tile size T, in pixels
  // The sheet holds columns x rows sheets of from side by side.
  RuleLayout::Grid blocks{1, 1};
  // The rule's name; empty for DefaultAutotileName.
  std::string name;
};

// The pairs of layouts, from and to, that have a rule.
const std::vector<std::pair<AutotileLayout, AutotileLayout>>& AutotilePairs();
bool HasAutotileRule(AutotileLayout from, AutotileLayout to);
// The pairs as the user reads them: "block2x3 → blob47", ...
std::vector<std::string> AutotilePairNames();

// True for a tile size that cuts into quarters: even and at least 2.
bool IsAutotileSize(int tile);
// A tile size as typed: decimal digits only; 0 for anything else.
int ParseAutotileTile(const std::string& text);

// "Autotile_<from>_<to>_<T>", followed by "_<C>x<R>" for several blocks.
std::string DefaultAutotileName(const AutotileRequest& request);

// The names of the sections of the rule: its own, and for several blocks
// after it the one it applies to each block (its name + "_block").
std::vector<std::string> AutotileSectionNames(const AutotileRequest& request);

// The size of the sheet the rule takes and of the canvas it draws, for a
// request that AutotileSections makes sections of.
RuleLayout::Size AutotileSheetSize(const AutotileRequest& request);
RuleLayout::Size AutotileCanvasSize(const AutotileRequest& request);

// The sections of the rule of request, in the order of AutotileSectionNames: for
// one block the rearrangement itself (SrcDiv of quarters); for several, the
// rule that cuts the sheet into blocks, runs each through the
// rearrangement (Individual) and writes one piece per block (FileDiv), and
// the rearrangement after it. Each section says what it is in comment lines
// and carries TileSize and, into a layout of whole variants, Terrain.
// Nothing, with the reason in refusal, for a pair without a rule, a tile
// size that does not cut into quarters, fewer than one block, a sheet or
// canvas larger than an image can be, or a section longer than the rule
// file's reader takes.
std::optional<std::vector<RuleSection>> AutotileSections(const AutotileRequest& request,
                                                         std::string& refusal);

// What a sheet of the given size most likely is: the fewest whole blocks
// of a layout that has a rule from it, with a tile size of 48, 32 or 16 (on
// a tie block2x3 before blob47, then the larger tile), into the first layout
// it has a rule to. Nothing where none divides the sheet.
std::optional<AutotileRequest> SuggestAutotile(RuleLayout::Size sheet);
