#include "ruletools/layout_findings.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <tuple>

#include "common/messages.h"
#include "convert/nested_rules.h"
#include "convert/rule_keys.h"
#include "convert/rule_layout.h"
#include "convert/autotile_masks.h"
#include "ruletools/chain_findings.h"
#include "ruletools/rule_size.h"

namespace {

// Each rule is looked at once per image size and use; a rule file that makes
// more pairs than this is not looked at further.
constexpr std::size_t kMaxRuleSizes = 4096;

// "C列R行"
std::string GridText(long long columns, long long rows) {
  return Text(Message::kCheckGrid, {std::to_string(columns), std::to_string(rows)});
}

class LayoutWalk {
 public:
  LayoutWalk(const RuleBook& book, FindingList& findings) : book(book), findings(findings) {}

  void Start(const SizeTableUse& use) {
    origin = "[Process] " + use.sizeKey;
    Visit(*use.rule, use.image, true, 0);
  }

  bool StoppedEarly() const { return stoppedEarly; }

 private:
  // rule applied to an image of size image, at depth nested rules below the
  // rule the size table chose; writes: its canvas is saved (not a cell's).
  void Visit(const BookSection& section, RuleLayout::Size image, bool writes, int depth) {
    if (!section.rule || std::find(path.begin(), path.end(), &section) != path.end()) return;
    const auto key = std::make_tuple(&section, image.width, image.height, writes);
    const auto seen = explored.find(key);
    if (seen != explored.end() && seen->second <= depth) return;
    const bool first = seen == explored.end();
    if (first && explored.size() >= kMaxRuleSizes) {
      stoppedEarly = true;
      return;
    }
    explored[key] = depth;

    path.push_back(&section);
    const ImageProcessor& rule = *section.rule;
    const BookSection* individual =
        rule.IndividualRule().empty() ? nullptr : book.Find(rule.IndividualRule());
    const bool individualRuns = individual != nullptr && individual->rule != nullptr;
    // The cells are drawn: no Individual rule stops the run.
    const bool composed = rule.IndividualRule().empty() || individualRuns;
    const RuleLayout layout = individualRuns ? LayoutWithIndividual(rule, image, *individual->rule)
                                             : LayoutOf(rule, image);
    if (first) Report(section, layout, writes, composed);

    if (depth >= kMaxNesting) {
      if (first) TooDeep(section);
    } else if (composed) {
      if (individual != nullptr && !layout.cutCells.empty()) {
        Visit(*individual, layout.cell, false, depth + 1);
      }
      std::set<std::string> named;
      for (const std::string& name : rule.SubProcesses()) {
        const BookSection* next = book.Find(name);
        if (next != nullptr && named.insert(name).second) Visit(*next, image, writes, depth + 1);
      }
    }
    path.pop_back();
  }

  // "key=value: W x Hの画像（[Process] size → A → B）では、"
  std::string Where(const BookSection& section, RuleKeyId key, RuleLayout::Size image) const {
    return Text(Message::kCheckWhere, {section.Written(key), SizeText(image), PathText()});
  }

  std::string PathText() const {
    std::vector<std::string> names = {origin};
    for (const BookSection* section : path) names.push_back(section->name);
    return ChainText(names);
  }

  void Report(const BookSection& section, const RuleLayout& layout, bool writes, bool composed) {
    const auto add = [&](const std::string& text) {
      findings.Add(section.order, section.name, text);
    };
    const ImageProcessor& rule = *section.rule;
    const bool placesCells = !rule.ReplaceList().empty();
    const bool clipFits = layout.clip.width > 0;
    if (!clipFits && section.HasKey(RuleKeyId::kClip)) {
      add(Where(section, RuleKeyId::kClip, layout.image) + Text(Message::kCheckClipOutside));
    }
    if (clipFits && placesCells) {
      const RuleLayout::Size clipped{layout.clip.width, layout.clip.height};
      const std::string grid = GridText(layout.grid.columns, layout.grid.rows);
      const RuleLayout::Size leftOver = layout.ClipLeftOver();
      if (layout.cell.width < 1) {
        add(Where(section, RuleKeyId::kSrcDiv, layout.image) +
            Text(Message::kCheckCellsTooSmall, {SizeText(clipped), grid}));
      } else if (leftOver.width != 0 || leftOver.height != 0) {
        add(Where(section, RuleKeyId::kSrcDiv, layout.image) +
            Text(Message::kCheckClipLeftOver, {SizeText(clipped), grid, LeftOverText(leftOver)}));
      }
    }
    const RuleKeyId canvasKey =
        section.HasKey(RuleKeyId::kNewSize) ? RuleKeyId::kNewSize : RuleKeyId::kClip;
    if (!layout.canvasMade) {
      // A Clip outside the image has been named already when it left no canvas.
      if (clipFits || layout.canvas.width > 0) {
        const Message why = layout.canvas.width < 1 || layout.canvas.height < 1
                                ? Message::kCheckCanvasBadSize
                                : Message::kCheckCanvasTooLarge;
        add(Where(section, canvasKey, layout.image) + Text(why, {SizeText(layout.canvas)}));
      }
      return;
    }
    if (rule.Terrain()) TerrainTiles(section, layout, writes);
    if (composed && placesCells && !layout.cutCells.empty() && layout.slot.width > 0 &&
        layout.slot.height > 0) {
      Slots(section, layout);
    }
    if (writes) Pieces(section, layout);
  }

  void Slots(const BookSection& section, const RuleLayout& layout) {
    const auto add = [&](const std::string& text) {
      findings.Add(section.order, section.name, text);
    };
    const std::string slot = SizeText(layout.slot);
    const std::string canvas = SizeText(layout.canvas);
    // Without NewSize the canvas is the clip: at the cell size its strip is
    // the one SrcDiv leaves out, named already; an Individual rule may
    // return cells of another size.
    const std::optional<RuleKeyId> canvasKey =
        section.HasKey(RuleKeyId::kNewSize)       ? RuleKeyId::kNewSize
        : !section.HasKey(RuleKeyId::kIndividual) ? std::optional<RuleKeyId>()
                                                  : RuleKeyId::kIndividual;
    const RuleLayout::Size leftOver = layout.CanvasLeftOver();
    if (canvasKey && (leftOver.width != 0 || leftOver.height != 0)) {
      add(Where(section, *canvasKey, layout.image) +
          Text(Message::kCheckSlotLeftOver, {canvas, slot, LeftOverText(leftOver)}));
    }
    const std::vector<int>& replace = section.rule->ReplaceList();
    const long long slots = layout.SlotCount();
    long long lost = 0;
    for (std::size_t i = static_cast<std::size_t>(std::min<long long>(slots, replace.size()));
         i < replace.size(); ++i) {
      if (replace[i] >= 0 && replace[i] < layout.CellCount()) ++lost;
    }
    if (lost > 0) {
      add(Where(section, RuleKeyId::kReplace, layout.image) +
          Text(Message::kCheckSlotsTooFew, {canvas, slot, std::to_string(slots),
                                            GridText(layout.slots.columns, layout.slots.rows),
                                            std::to_string(slots + 1), std::to_string(lost)}));
    }
  }

  void Pieces(const BookSection& section, const RuleLayout& layout) {
    const std::string canvas = SizeText(layout.canvas);
    const RuleLayout::Size leftOver = layout.PiecesLeftOver();
    if (layout.piece.width < 1 || layout.piece.height < 1) {
      findings.Add(
          section.order, section.name,
          Where(section, RuleKeyId::kFileDiv, layout.image) + Text(Message::kCheckFileDivTooFine, {canvas}));
    } else if (leftOver.width != 0 || leftOver.height != 0) {
      findings.Add(section.order, section.name,
                   Where(section, RuleKeyId::kFileDiv, layout.image) +
                       Text(Message::kCheckPiecesLeftOver,
                            {canvas, GridText(layout.fileDiv.columns, layout.fileDiv.rows),
                             LeftOverText(leftOver)}));
    }
  }

  // A Terrain rule's canvas, or each piece of it where it is written, holds
  // that layout's grid of tiles of the tile size.
  void TerrainTiles(const BookSection& section, const RuleLayout& layout, bool writes) {
    const ImageProcessor& rule = *section.rule;
    const RuleLayout::Size tile = rule.TileSize() ? *rule.TileSize() : layout.slot;
    const bool pieces = writes && layout.PieceCount() > 1;
    const RuleLayout::Size area = pieces ? layout.piece : layout.canvas;
    if (tile.width < 1 || tile.height < 1 || area.width < 1 || area.height < 1) return;
    const AutotileTable& table = AutotileTableOf(*rule.Terrain());
    if (area.width >= 1LL * table.columns * tile.width &&
        area.height >= 1LL * table.rows * tile.height)
      return;
    findings.Add(section.order, section.name,
                 Where(section, RuleKeyId::kTerrain, layout.image) +
                     Text(pieces ? Message::kCheckTerrainPiece : Message::kCheckTerrainCanvas,
                          {SizeText(area), AutotileLayoutName(*rule.Terrain()),
                           GridText(table.columns, table.rows), SizeText(tile)}));
  }

  // The rule is as deep as a conversion goes: the rules it names do not run.
  void TooDeep(const BookSection& section) {
    const ImageProcessor& rule = *section.rule;
    if (rule.IndividualRule().empty() && rule.SubProcesses().empty()) return;
    const RuleKeyId key =
        !rule.IndividualRule().empty() ? RuleKeyId::kIndividual : RuleKeyId::kSubProcess;
    findings.Add(section.order, section.name,
                 Text(Message::kCheckTooDeep, {section.Written(key),
                                               std::to_string(kMaxNesting), PathText()}));
  }

  const RuleBook& book;
  FindingList& findings;
  std::string origin;
  std::vector<const BookSection*> path;
  std::map<std::tuple<const BookSection*, int, int, bool>, int> explored;
  bool stoppedEarly = false;
};

}  // namespace

void FindLayoutMistakes(const RuleBook& book, const std::vector<SizeTableUse>& uses,
                        FindingList& findings) {
  LayoutWalk walk(book, findings);
  for (const SizeTableUse& use : uses) walk.Start(use);
  if (walk.StoppedEarly()) {
    const BookSection* table = book.Find("Process");
    findings.Add(table->order, table->name,
                 Text(Message::kCheckTooManyCombinations, {std::to_string(kMaxRuleSizes)}));
  }
}
