// One rebuild of the combiner's preview: 40 map sheets of 512 x 512 stacked
// at width 256 (two strips each, a 256 x 40960 sheet), then painted over
// the checker as the window does. Time per rebuild.

#include <benchmark/benchmark.h>

#include <vector>

#include "combine/composition.h"
#include "bench/tile_sheet.h"

namespace {

constexpr int kSheets = 40;
constexpr int kSide = 512;
constexpr int kWidth = 256;
constexpr int kTile = 32;

const Sheets& SharedSheets() {
  static const Sheets sheets = [] {
    Sheets made;
    for (int s = 0; s < kSheets; ++s) made.push_back(TileSheet(kSide, kSide, kTile));
    return made;
  }();
  return sheets;
}

void SetCounters(benchmark::State& state) {
  const double pixels = double{kSheets} * kSide * kSide;
  state.counters["megapixels/s"] =
      benchmark::Counter(pixels / 1e6, benchmark::Counter::kIsIterationInvariantRate);
}

void ComposeOnly(benchmark::State& state) {
  const Sheets& sheets = SharedSheets();
  for (auto _ : state) {
    std::unique_ptr<IImage> combined = ComposeSheets(sheets, kWidth);
    benchmark::DoNotOptimize(combined.get());
  }
  SetCounters(state);
}
BENCHMARK(ComposeOnly)->Unit(benchmark::kMillisecond);

// The whole rebuild: compose, then paint over the checker into a surface
// as large as the combined sheet (the preview bitmap).
void Rebuild(benchmark::State& state) {
  const Sheets& sheets = SharedSheets();
  const int height = ComputeStackHeight(sheets, kSheets, kWidth);
  std::vector<std::uint32_t> bitmap(std::size_t{kWidth} * height);
  ArgbSurface surface{bitmap.data(), kWidth, height};
  for (auto _ : state) {
    std::unique_ptr<IImage> combined = ComposeSheets(sheets, kWidth);
    combined->PaintTo(&surface, 0, 0);
    benchmark::DoNotOptimize(bitmap.data());
  }
  SetCounters(state);
}
BENCHMARK(Rebuild)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
