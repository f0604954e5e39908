#include <string>

#include "common/path.h"
#include "convert/image_processor.h"
#include "convert/nested_rules.h"
#include "convert/process_log.h"
#include "convert/progress_state.h"
#include "convert/run_state.h"
#include "image/image.h"

namespace {

// The one pipeline stop: thrown as a standard string, caught by Apply.
const std::string kCancelStop = "キャンセル";

}  // namespace

std::unique_ptr<IImage> ImageProcessor::Apply(const IImage& source) {
  const ActiveApply active;
  const bool cancelled = RunState::Instance().cancelRequested;

  const std::string sourceName = source.GetName();
  const ProgressState& progress = ProgressState::Instance();
  if (!sourceName.empty()) progress.SetText(ProgressState::kFileNameText, FilePart(sourceName));
  progress.SetText(ProgressState::kRuleNameText, ruleName);

  std::unique_ptr<IImage> clipped =
      source.Clip(clipRect.x, clipRect.y, clipRect.width, clipRect.height, "");
  // Only 0 takes a side from the clipped image.
  const int width = newSize.width != 0 ? newSize.width : clipped->GetWidth();
  const int height = newSize.height != 0 ? newSize.height : clipped->GetHeight();
  std::unique_ptr<IImage> canvas = source.CreateBlank(width, height);

  bool stopped = false;
  try {
    if (cancelled) throw kCancelStop;
    Cells cells = SplitCells(*clipped);
    if (!individualRule.empty() && !ApplyIndividualRule(cells)) {
      stopped = true;
    } else {
      ComposeCells(*canvas, cells);
      WriteOutputs(*canvas, sourceName, width, height);
    }
  } catch (const std::string& stop) {
    ProcessLog::Instance().WriteLine(ProcessLog::kErrorChannel, stop);
    stopped = true;
  }
  clipped.reset();

  if (!stopped) RunFollowOnRules(source);
  return canvas;
}

ImageProcessor::Cells ImageProcessor::SplitCells(const IImage& clipped) const {
  // Pixels right of and below the whole cells belong to no cell. A grid
  // finer than the image has no cells at all.
  const int cellWidth = clipped.GetWidth() / srcDiv.columns;
  const int cellHeight = clipped.GetHeight() / srcDiv.rows;
  Cells cells;
  if (cellWidth < 1 || cellHeight < 1) return cells;
  const long long count = static_cast<long long>(srcDiv.columns) * srcDiv.rows;
  for (const int index : replaceList) {
    if (index < 0 || index >= count || cells.count(index) != 0) continue;
    const int column = index % srcDiv.columns;
    const int row = index / srcDiv.columns;
    cells[index] = clipped.Clip(column * cellWidth, row * cellHeight, cellWidth, cellHeight, "");
  }
  return cells;
}

bool ImageProcessor::ApplyIndividualRule(Cells& cells) const {
  if (!MayRunNestedRule(individualRule, NestedUse::kIndividual)) return false;
  const std::unique_ptr<ImageProcessor> rule = BuildNestedRule(individualRule);
  if (!rule) return false;
  bool first = true;
  for (auto& [index, cell] : cells) {
    if (!first && !MayRunNestedRule(individualRule, NestedUse::kIndividual)) return false;
    first = false;
    cell = rule->Apply(*cell);
  }
  return true;
}

void ImageProcessor::ComposeCells(IImage& canvas, const Cells& cells) const {
  if (cells.empty()) return;
  // The cells are of one size, unless an Individual rule changed them: then
  // the last cell decides.
  const IImage& last = *cells.rbegin()->second;
  const int slotWidth = last.GetWidth();
  const int slotHeight = last.GetHeight();
  if (slotWidth < 1 || slotHeight < 1) return;
  const int columns = canvas.GetWidth() / slotWidth;
  const long long slots = static_cast<long long>(columns) * (canvas.GetHeight() / slotHeight);

  // Item k of Replace belongs to canvas slot k, row by row.
  for (long long slot = 0; slot < slots && slot < static_cast<long long>(replaceList.size()); ++slot) {
    const auto cell = cells.find(replaceList[slot]);
    if (cell == cells.end()) continue;
    canvas.Draw(*cell->second, static_cast<int>(slot % columns) * slotWidth,
                static_cast<int>(slot / columns) * slotHeight);
  }
}

void ImageProcessor::RunFollowOnRules(const IImage& source) const {
  ProcessLog& log = ProcessLog::Instance();
  // Once a limit has stopped the chain, the rest of a long list is neither
  // run nor announced: a rule file may name thousands of them.
  for (const std::string& name : subProcesses) {
    if (NestedRulesStopped()) break;
    log.Select(ProcessLog::kReportChannel);
    log.Write("サブプロセス");
    log.Write(name);
    log.Write("の呼び出し");
    log.EndLine();
    if (!MayRunNestedRule(name, NestedUse::kSubProcess)) break;
    if (const std::unique_ptr<ImageProcessor> rule = BuildNestedRule(name)) rule->Apply(source);
  }
}
