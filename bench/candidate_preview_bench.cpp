// What the rule-selection dialog does when the highlight moves, for a
// 1024 x 1024 sheet: the candidate's preview (rule, layout, composed canvas
// and its line). The dialog must follow within 50 ms; painting the canvas
// scaled into the picture adds one stretch of at most the picture's size.

#include <benchmark/benchmark.h>

#include <string>

#include "bench/tile_sheet.h"
#include "ruletools/candidate_preview.h"
#include "support/rule_file.h"

namespace {

constexpr int kSide = 1024;
constexpr int kCell = 32;
constexpr int kCells = (kSide / kCell) * (kSide / kCell);

void HighlightMoves(benchmark::State& state) {
  TempFolder folder;
  // Two candidates that the highlight moves between: the cells reversed on
  // a narrow canvas, and kept in place in four pieces.
  std::string replace, inPlace;
  for (int cell = 0; cell < kCells; ++cell) {
    replace += std::to_string(kCells - 1 - cell) + (cell + 1 < kCells ? "," : "");
    inPlace += std::to_string(cell) + (cell + 1 < kCells ? "," : "");
  }
  UseRuleFile(folder, "[Narrow]\nSrcDiv=32,32\nNewSize=256,4096\nFileDiv=1,4\nReplace=" + replace +
                          "\n[Same]\nSrcDiv=32,32\nFileDiv=2,2\nReplace=" + inPlace + "\n");
  const auto sheet = TileSheet(kSide, kSide, kCell);
  const char* candidates[] = {"Narrow", "Same"};
  int highlighted = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(PreviewCandidate(candidates[highlighted], *sheet));
    highlighted = 1 - highlighted;
  }
}

}  // namespace

BENCHMARK(HighlightMoves)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
