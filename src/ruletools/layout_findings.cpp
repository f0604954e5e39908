#include "ruletools/layout_findings.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <tuple>

#include "convert/nested_rules.h"
#include "convert/rule_keys.h"
#include "convert/rule_layout.h"
#include "ruletools/chain_findings.h"
#include "ruletools/rule_size.h"

namespace {

// Each rule is looked at once per image size and use; a rule file that makes
// more pairs than this is not looked at further.
constexpr std::size_t kMaxRuleSizes = 4096;

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
    return section.Written(key) + ": " + SizeText(image) + "の画像（" + PathText() + "）では、";
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
      add(Where(section, RuleKeyId::kClip, layout.image) +
          "切り出す範囲が画像からはみ出すため、何も切り出されません");
    }
    if (clipFits && placesCells) {
      const RuleLayout::Size clipped{layout.clip.width, layout.clip.height};
      const std::string grid =
          std::to_string(layout.grid.columns) + "列" + std::to_string(layout.grid.rows) + "行";
      const RuleLayout::Size leftOver = layout.ClipLeftOver();
      if (layout.cell.width < 1) {
        add(Where(section, RuleKeyId::kSrcDiv, layout.image) + "切り出した" + SizeText(clipped) +
            "を" + grid + "に分けるとセルが1ピクセルより小さくなるため、セルが切り出されません");
      } else if (leftOver.width != 0 || leftOver.height != 0) {
        add(Where(section, RuleKeyId::kSrcDiv, layout.image) + "切り出した" + SizeText(clipped) +
            "が" + grid + "で割り切れないため、" + LeftOverText(leftOver) +
            "がどのセルにも入りません");
      }
    }
    const RuleKeyId canvasKey =
        section.HasKey(RuleKeyId::kNewSize) ? RuleKeyId::kNewSize : RuleKeyId::kClip;
    if (!layout.canvasMade) {
      // A Clip outside the image has been named already when it left no canvas.
      if (clipFits || layout.canvas.width > 0) {
        add(Where(section, canvasKey, layout.image) + "キャンバス（" + SizeText(layout.canvas) +
            "）" +
            (layout.canvas.width < 1 || layout.canvas.height < 1 ? "の大きさが正しくない"
                                                                 : "が大きすぎる") +
            "ため作れません");
      }
      return;
    }
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
    const std::string slot = "セル（" + SizeText(layout.slot) + "）";
    const std::string canvas = "キャンバス（" + SizeText(layout.canvas) + "）";
    // Without NewSize the canvas is the clip: at the cell size its strip is
    // the one SrcDiv leaves out, named already; an Individual rule may
    // return cells of another size.
    const std::optional<RuleKeyId> canvasKey =
        section.HasKey(RuleKeyId::kNewSize)       ? RuleKeyId::kNewSize
        : !section.HasKey(RuleKeyId::kIndividual) ? std::optional<RuleKeyId>()
                                                  : RuleKeyId::kIndividual;
    const RuleLayout::Size leftOver = layout.CanvasLeftOver();
    if (canvasKey && (leftOver.width != 0 || leftOver.height != 0)) {
      add(Where(section, *canvasKey, layout.image) + canvas + "が" + slot +
          "の整数倍ではないため、" + LeftOverText(leftOver) + "にはセルが置かれません");
    }
    const std::vector<int>& replace = section.rule->ReplaceList();
    const long long slots = layout.SlotCount();
    long long lost = 0;
    for (std::size_t i = static_cast<std::size_t>(std::min<long long>(slots, replace.size()));
         i < replace.size(); ++i) {
      if (replace[i] >= 0 && replace[i] < layout.CellCount()) ++lost;
    }
    if (lost > 0) {
      add(Where(section, RuleKeyId::kReplace, layout.image) + canvas + "に置ける" + slot + "は" +
          std::to_string(slots) + "個（" + std::to_string(layout.slots.columns) + "列" +
          std::to_string(layout.slots.rows) + "行）だけのため、" + std::to_string(slots + 1) +
          "番目から後のセル" + std::to_string(lost) + "個は置かれません");
    }
  }

  void Pieces(const BookSection& section, const RuleLayout& layout) {
    const std::string canvas = "キャンバス（" + SizeText(layout.canvas) + "）";
    const RuleLayout::Size leftOver = layout.PiecesLeftOver();
    if (layout.piece.width < 1 || layout.piece.height < 1) {
      findings.Add(section.order, section.name,
                   Where(section, RuleKeyId::kFileDiv, layout.image) + canvas +
                       "より細かいため保存できません");
    } else if (leftOver.width != 0 || leftOver.height != 0) {
      findings.Add(section.order, section.name,
                   Where(section, RuleKeyId::kFileDiv, layout.image) + canvas + "が" +
                       std::to_string(layout.fileDiv.columns) + "列" +
                       std::to_string(layout.fileDiv.rows) + "行で割り切れないため、" +
                       LeftOverText(leftOver) + "はどのファイルにも入りません");
    }
  }

  // The rule is as deep as a conversion goes: the rules it names do not run.
  void TooDeep(const BookSection& section) {
    const ImageProcessor& rule = *section.rule;
    if (rule.IndividualRule().empty() && rule.SubProcesses().empty()) return;
    const RuleKeyId key =
        !rule.IndividualRule().empty() ? RuleKeyId::kIndividual : RuleKeyId::kSubProcess;
    findings.Add(section.order, section.name,
                 section.Written(key) + ": 規則の呼び出しが" + std::to_string(kMaxNesting) +
                     "段を超えるため、変換は途中で中止されます: " + PathText());
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
                 "規則と画像の大きさの組み合わせが多すぎるため（" + std::to_string(kMaxRuleSizes) +
                     "組まで）、残りの組み合わせは調べていません");
  }
}
