// What the rule editor does at every edit, for a 1024 x 1024 sheet of 16 px
// cells (4,096 cells): the edit itself (two slots swapped, through the undo
// history), the canvas composed through the engine with its numbers and
// piece lines, and the check's findings for the rule. The window must
// redraw within 50 ms; enlarging the pictures into the views adds one
// stretch of at most the view's size.

#include <benchmark/benchmark.h>

#include <string>

#include "bench/tile_sheet.h"
#include "ruletools/edit_pictures.h"
#include "ruletools/edited_rule_check.h"
#include "ruletools/rule_edit_history.h"
#include "support/rule_file.h"

namespace {

constexpr int kSide = 1024;
constexpr int kCell = 16;
constexpr int kCells = (kSide / kCell) * (kSide / kCell);

void AnEditRedrawsCanvasAndFindings(benchmark::State& state) {
  const auto sheet = TileSheet(kSide, kSide, kCell);
  RuleEdit start("Tiles", {kSide, kSide}, RuleFileOf("[Process]\n1024,1024=Tiles\n"));
  start.SetValue(RuleKeyId::kSrcDiv, "64,64");
  start.SetValue(RuleKeyId::kFileDiv, "2,2");
  std::string replace;
  for (int cell = 0; cell < kCells; ++cell) replace += (cell ? "," : "") + std::to_string(cell);
  std::string problem;
  start.SetReplaceText(replace, problem);
  RuleEditHistory history(start);
  long long slot = 0;
  for (auto _ : state) {
    history.Edit([&](RuleEdit& edit) { return edit.Swap(slot, kCells - 1 - slot); });
    slot = (slot + 1) % kCells;
    benchmark::DoNotOptimize(EditedCanvasPicture(history.Current(), sheet.get()));
    benchmark::DoNotOptimize(CheckEditedRule(history.Current()));
  }
}

}  // namespace

BENCHMARK(AnEditRedrawsCanvasAndFindings)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
