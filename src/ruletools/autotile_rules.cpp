#include "ruletools/autotile_rules.h"

#include <algorithm>

#include "common/messages.h"
#include "convert/rule_keys.h"
#include "convert/rule_values.h"
#include "image/image_limits.h"
#include "convert/autotile_masks.h"
#include "ruletools/rule_size.h"
#include "setting/ini_text.h"

namespace {

using Grid = RuleLayout::Grid;
using Size = RuleLayout::Size;

// The tile sizes a sheet is looked at with, largest first.
constexpr int kSuggestedTiles[] = {48, 32, 16};

bool SeveralBlocks(const AutotileRequest& request) {
  return request.blocks.columns != 1 || request.blocks.rows != 1;
}

std::string Name(const AutotileRequest& request) {
  return request.name.empty() ? DefaultAutotileName(request) : request.name;
}

std::string Line(RuleKeyId key, const std::string& value) {
  return std::string(KeyName(key)) + "=" + value;
}

std::string Numbers(std::initializer_list<int> numbers) { return JoinIntList(numbers, ','); }

// The size of a sheet of layout in blocks of tile pixels.
Size SheetOf(AutotileLayout layout, int tile, Grid blocks) {
  const AutotileTable& table = AutotileTableOf(layout);
  return {table.columns * tile * blocks.columns, table.rows * tile * blocks.rows};
}

// For each quarter of a sheet of to, row by row, the quarter of a sheet of
// from that goes there (numbered row by row), or -1 under a tile without
// a variant.
std::vector<int> QuarterPlacement(AutotileLayout from, AutotileLayout to) {
  const AutotileTable& target = AutotileTableOf(to);
  const int fromColumns = AutotileTableOf(from).columns * 2;
  std::vector<int> placement;
  for (int row = 0; row < target.rows * 2; ++row) {
    for (int column = 0; column < target.columns * 2; ++column) {
      const int mask = target.MaskAt(column / 2, row / 2);
      const Corner corner = kCorners[row % 2 * 2 + column % 2];
      const std::optional<QuarterPlace> source =
          mask == AutotileTable::kNoVariant ? std::nullopt : SourceQuarter(from, mask, corner);
      placement.push_back(source ? source->row * fromColumns + source->column : -1);
    }
  }
  return placement;
}

// The keys that say what the canvas's tiles are.
void AddTileKeys(const AutotileRequest& request, std::vector<std::string>& keys) {
  keys.push_back(Line(RuleKeyId::kTileSize, Numbers({request.tile, request.tile})));
  if (IsTerrain(request.to))
    keys.push_back(Line(RuleKeyId::kTerrain, AutotileLayoutName(request.to)));
}

std::string NameFoot(const AutotileRequest& request) {
  return std::string("_") + AutotileLayoutName(request.to);
}

// The rearrangement of one block; writes names the pieces of a rule that
// saves its canvas.
RuleSection BlockSection(const AutotileRequest& request, const std::string& name, bool writes) {
  const AutotileTable& source = AutotileTableOf(request.from);
  const Size sheet = SheetOf(request.from, request.tile, {1, 1});
  const Size canvas = SheetOf(request.to, request.tile, {1, 1});
  RuleSection section{{}, name, {}};
  std::vector<std::string>& keys = section.keys;
  keys.push_back(Line(RuleKeyId::kClip, Numbers({0, 0, sheet.width, sheet.height})));
  keys.push_back(Line(RuleKeyId::kSrcDiv, Numbers({source.columns * 2, source.rows * 2})));
  keys.push_back(Line(RuleKeyId::kNewSize, Numbers({canvas.width, canvas.height})));
  keys.push_back(
      Line(RuleKeyId::kReplace, JoinIntList(QuarterPlacement(request.from, request.to), ',')));
  if (writes) keys.push_back(Line(RuleKeyId::kNameFoot, NameFoot(request)));
  AddTileKeys(request, keys);
  return section;
}

// The rule of several blocks: each cell a block, through individual.
RuleSection SheetSection(const AutotileRequest& request, const std::string& name,
                         const std::string& individual) {
  const Size sheet = AutotileSheetSize(request);
  const Size canvas = AutotileCanvasSize(request);
  const Grid blocks = request.blocks;
  std::vector<int> order;
  for (int block = 0; block < blocks.columns * blocks.rows; ++block) order.push_back(block);
  RuleSection section{{}, name, {}};
  std::vector<std::string>& keys = section.keys;
  keys.push_back(Line(RuleKeyId::kClip, Numbers({0, 0, sheet.width, sheet.height})));
  keys.push_back(Line(RuleKeyId::kSrcDiv, Numbers({blocks.columns, blocks.rows})));
  keys.push_back(Line(RuleKeyId::kNewSize, Numbers({canvas.width, canvas.height})));
  keys.push_back(Line(RuleKeyId::kReplace, JoinIntList(order, ',')));
  keys.push_back(Line(RuleKeyId::kFileDiv, Numbers({blocks.columns, blocks.rows})));
  keys.push_back(Line(RuleKeyId::kNameFoot, NameFoot(request)));
  keys.push_back(Line(RuleKeyId::kIndividual, individual));
  AddTileKeys(request, keys);
  return section;
}

// The command line that makes the rule again.
std::string CommandOf(const AutotileRequest& request) {
  std::string command = std::string("vomarin --autotile ") + AutotileLayoutName(request.from) +
                        " " + AutotileLayoutName(request.to) + " --tile " +
                        std::to_string(request.tile);
  if (SeveralBlocks(request)) {
    command += " --blocks " + Numbers({request.blocks.columns, request.blocks.rows});
  }
  if (!request.name.empty() && request.name != DefaultAutotileName(request)) {
    const bool blank = request.name.find(' ') != std::string::npos;
    command += " --name " + (blank ? "\"" + request.name + "\"" : request.name);
  }
  return command;
}

// What the rule does, for the comment lines above its section.
std::vector<std::string> Comments(const AutotileRequest& request) {
  const std::string from = AutotileLayoutName(request.from);
  const std::string to = AutotileLayoutName(request.to);
  const std::string tile = SizeText(request.tile, request.tile);
  const std::string oneCanvas = SizeText(SheetOf(request.to, request.tile, {1, 1}));
  std::vector<std::string> comments;
  if (SeveralBlocks(request)) {
    comments.push_back(Text(Message::kAutotileRearrangesBlocks,
                            {from,
                             Text(Message::kCheckGrid, {std::to_string(request.blocks.columns),
                                                        std::to_string(request.blocks.rows)}),
                             SizeText(AutotileSheetSize(request)), tile, to, oneCanvas}));
  } else {
    comments.push_back(Text(Message::kAutotileRearranges,
                            {from, SizeText(AutotileSheetSize(request)), tile, to, oneCanvas}));
  }
  if (AutotileTableOf(request.to).previewTile != AutotileTable::kNoVariant) {
    comments.push_back(Text(Message::kAutotilePreview));
  }
  comments.push_back(Text(Message::kAutotileMadeBy, {CommandOf(request)}));
  return comments;
}

// The size of a sheet of layout for request where it is larger than an
// image can be, else empty; worked out in 64 bits before anything is made.
std::string TooLargeSheet(AutotileLayout layout, const AutotileRequest& request) {
  const AutotileTable& table = AutotileTableOf(layout);
  const long long width = 1LL * table.columns * request.tile * request.blocks.columns;
  const long long height = 1LL * table.rows * request.tile * request.blocks.rows;
  return IsAllowedImageSize(width, height) ? std::string() : SizeText(width, height);
}

}  // namespace

const std::vector<std::pair<AutotileLayout, AutotileLayout>>& AutotilePairs() {
  // A layout without interior quarters (wang16) gives no rule into one that
  // needs them.
  static const std::vector<std::pair<AutotileLayout, AutotileLayout>> pairs = {
      {AutotileLayout::kBlock2x3, AutotileLayout::kBlob47},
      {AutotileLayout::kBlock2x3, AutotileLayout::kWang16},
      {AutotileLayout::kBlob47, AutotileLayout::kBlock2x3},
  };
  return pairs;
}

std::vector<std::string> AutotilePairNames() {
  std::vector<std::string> names;
  for (const auto& [from, to] : AutotilePairs()) {
    names.push_back(std::string(AutotileLayoutName(from)) + " → " + AutotileLayoutName(to));
  }
  return names;
}

bool HasAutotileRule(AutotileLayout from, AutotileLayout to) {
  for (const auto& pair : AutotilePairs()) {
    if (pair.first == from && pair.second == to) return true;
  }
  return false;
}

bool IsAutotileSize(int tile) { return tile >= 2 && tile % 2 == 0; }

int ParseAutotileTile(const std::string& text) {
  constexpr std::size_t kMaxDigits = 7;
  if (text.empty() || text.size() > kMaxDigits ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return 0;
  return std::stoi(text);
}

std::string DefaultAutotileName(const AutotileRequest& request) {
  std::string name = std::string("Autotile_") + AutotileLayoutName(request.from) + "_" +
                     AutotileLayoutName(request.to) + "_" + std::to_string(request.tile);
  if (SeveralBlocks(request)) {
    name +=
        "_" + std::to_string(request.blocks.columns) + "x" + std::to_string(request.blocks.rows);
  }
  return name;
}

std::vector<std::string> AutotileSectionNames(const AutotileRequest& request) {
  const std::string name = Name(request);
  if (!SeveralBlocks(request)) return {name};
  return {name, name + "_block"};
}

RuleLayout::Size AutotileSheetSize(const AutotileRequest& request) {
  return SheetOf(request.from, request.tile, request.blocks);
}

RuleLayout::Size AutotileCanvasSize(const AutotileRequest& request) {
  return SheetOf(request.to, request.tile, request.blocks);
}

std::optional<std::vector<RuleSection>> AutotileSections(const AutotileRequest& request,
                                                         std::string& refusal) {
  refusal.clear();
  const std::string from = AutotileLayoutName(request.from);
  const std::string to = AutotileLayoutName(request.to);
  if (!HasAutotileRule(request.from, request.to)) {
    refusal = Text(Message::kAutotileNoRule, {from, to, ListText(AutotilePairNames())});
  } else if (!IsAutotileSize(request.tile)) {
    refusal = Text(Message::kAutotileBadTile, {std::to_string(request.tile)});
  } else if (request.blocks.columns < 1 || request.blocks.rows < 1) {
    refusal =
        Text(Message::kAutotileBadBlocks, {Numbers({request.blocks.columns, request.blocks.rows})});
  } else {
    for (const AutotileLayout layout : {request.from, request.to}) {
      const std::string tooLarge = TooLargeSheet(layout, request);
      if (!tooLarge.empty()) refusal = Text(Message::kAutotileImageTooLarge, {tooLarge});
    }
  }
  if (!refusal.empty()) return std::nullopt;

  const std::vector<std::string> names = AutotileSectionNames(request);
  std::vector<RuleSection> sections;
  if (names.size() == 1) {
    sections.push_back(BlockSection(request, names[0], true));
  } else {
    sections.push_back(SheetSection(request, names[0], names[1]));
    sections.push_back(BlockSection(request, names[1], false));
    sections.back().comments = {Text(Message::kAutotileBlockRule, {names[0]})};
  }
  sections.front().comments = Comments(request);
  for (const RuleSection& section : sections) {
    if (ProfileListBytes(section.keys) > kSectionBufferSize) {
      refusal = Text(Message::kAutotileTooLong, {std::to_string(kSectionBufferSize)});
      return std::nullopt;
    }
  }
  return sections;
}

std::optional<AutotileRequest> SuggestAutotile(RuleLayout::Size sheet) {
  std::optional<AutotileRequest> suggested;
  for (const auto& [from, to] : AutotilePairs()) {
    for (const int tile : kSuggestedTiles) {
      const Size block = SheetOf(from, tile, {1, 1});
      if (sheet.width < block.width || sheet.height < block.height ||
          sheet.width % block.width != 0 || sheet.height % block.height != 0)
        continue;
      const Grid blocks{sheet.width / block.width, sheet.height / block.height};
      if (suggested && 1LL * blocks.columns * blocks.rows >=
                           1LL * suggested->blocks.columns * suggested->blocks.rows)
        continue;
      suggested = AutotileRequest{from, to, tile, blocks, std::string()};
    }
  }
  return suggested;
}
