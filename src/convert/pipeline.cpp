#include <string>

#include "common/messages.h"
#include "common/path.h"
#include "convert/image_processor.h"
#include "convert/nested_rules.h"
#include "convert/process_log.h"
#include "convert/progress_state.h"
#include "convert/rule_layout.h"
#include "convert/run_context.h"
#include "image/image.h"

namespace {

// The one pipeline stop: a cancelled run, thrown and caught within Apply.
struct CancelStop {};

}  // namespace

std::unique_ptr<IImage> ImageProcessor::Apply(const IImage& source, const RunContext& context) {
  RuleChain chain(context, ruleFile);
  return ApplyInChain(source, chain);
}

std::unique_ptr<IImage> ImageProcessor::ApplyInChain(const IImage& source, RuleChain& chain) {
  const RuleChain::Level level(chain);
  const RunContext& context = chain.context;
  const bool cancelled = context.cancel != nullptr && context.cancel->load();

  const std::string sourceName = source.GetName();
  if (const ProgressState* progress = context.progress) {
    if (!sourceName.empty()) progress->SetText(ProgressState::kFileNameText, FilePart(sourceName));
    progress->SetText(ProgressState::kRuleNameText, ruleName);
  }

  RuleLayout layout = LayoutOf(*this, {source.GetWidth(), source.GetHeight()});
  std::unique_ptr<IImage> canvas = source.CreateBlank(layout.canvas.width, layout.canvas.height);

  bool stopped = false;
  try {
    if (cancelled) throw CancelStop();
    Cells cells = SplitCells(source, layout);
    if (!individualRule.empty()) {
      stopped = !ApplyIndividualRule(cells, chain);
      // The cells are of one size, unless the rule could not make its
      // canvas for them: then the last cell decides.
      if (!stopped && !cells.empty()) {
        const IImage& last = *cells.rbegin()->second;
        layout = LayoutOf(*this, layout.image, {last.GetWidth(), last.GetHeight()});
      }
    }
    if (!stopped) {
      ComposeCells(*canvas, cells, layout);
      if (context.writeFiles) WriteOutputs(*canvas, sourceName, layout, chain);
    }
  } catch (const CancelStop&) {
    context.log.WriteLine(ProcessLog::kErrorChannel, Text(Message::kConversionCancelled));
    stopped = true;
  }

  if (!stopped && context.writeFiles) RunFollowOnRules(source, chain);
  return canvas;
}

ImageProcessor::Cells ImageProcessor::SplitCells(const IImage& source,
                                                 const RuleLayout& layout) const {
  Cells cells;
  for (const int index : layout.cutCells) {
    const Rect cell = layout.CellRect(index);
    cells[index] = source.Clip(cell.x, cell.y, cell.width, cell.height, "");
    // Only a rule that keeps the palette hands indices on, to its pieces and
    // to a rule that takes its canvas as a cell.
    if (!keepPalette) cells[index]->DropPaletteIndices();
  }
  return cells;
}

bool ImageProcessor::ApplyIndividualRule(Cells& cells, RuleChain& chain) const {
  if (!chain.MayRun(individualRule, NestedUse::kIndividual)) return false;
  const std::unique_ptr<ImageProcessor> rule = chain.Build(individualRule);
  if (!rule) return false;
  bool first = true;
  for (auto& [index, cell] : cells) {
    if (!first && !chain.MayRun(individualRule, NestedUse::kIndividual)) return false;
    first = false;
    cell = rule->ApplyInChain(*cell, chain);
  }
  return true;
}

void ImageProcessor::ComposeCells(IImage& canvas, const Cells& cells,
                                  const RuleLayout& layout) const {
  for (long long slot = 0; slot < static_cast<long long>(layout.slotCells.size()); ++slot) {
    const auto cell = cells.find(layout.slotCells[static_cast<std::size_t>(slot)]);
    if (cell == cells.end()) continue;
    const Rect place = layout.SlotRect(slot);
    canvas.Draw(*cell->second, place.x, place.y);
  }
}

void ImageProcessor::RunFollowOnRules(const IImage& source, RuleChain& chain) const {
  ProcessLog& log = chain.context.log;
  // Once a limit has stopped the chain, the rest of a long list is neither
  // run nor announced: a rule file may name thousands of them.
  for (const std::string& name : subProcesses) {
    if (chain.Stopped()) break;
    log.Select(ProcessLog::kReportChannel);
    log.WriteLine(ProcessLog::kReportChannel, Text(Message::kLogSubProcessCall, {name}));
    if (!chain.MayRun(name, NestedUse::kSubProcess)) break;
    if (const std::unique_ptr<ImageProcessor> rule = chain.Build(name)) {
      rule->ApplyInChain(source, chain);
    }
  }
}
