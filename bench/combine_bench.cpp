// One rebuild of the combiner's preview: 40 map sheets of 512 x 512 stacked
// at width 256 (two strips each, a 256 x 40960 sheet), then painted over
// the checker as the window does. Time per rebuild.

#include <benchmark/benchmark.h>

#include <vector>

#include "combine/composition.h"
#include "image/buffer_image.h"

namespace {

constexpr int kSheets = 40;
constexpr int kSide = 512;
constexpr int kWidth = 256;
constexpr int kTile = 32;

// Tiles with a transparent border and a half-transparent diagonal, each
// sheet in colours of its own, roughly what map sheets hold.
const Sheets& SharedSheets() {
  static const Sheets sheets = [] {
    Sheets made;
    for (std::uint32_t s = 0; s < kSheets; ++s) {
      std::vector<std::uint32_t> pixels;
      pixels.reserve(std::size_t{kSide} * kSide);
      for (std::uint32_t y = 0; y < kSide; ++y) {
        for (std::uint32_t x = 0; x < kSide; ++x) {
          const std::uint32_t u = x % kTile, v = y % kTile;
          const std::uint32_t alpha = (u == 0 || v == 0) ? 0 : (u == v ? 0x80 : 0xFF);
          pixels.push_back(alpha << 24 | (s * 6) << 16 | ((x / kTile * 37) & 0xFF) << 8 |
                           ((y / kTile * 53) & 0xFF));
        }
      }
      made.push_back(std::make_unique<BufferImage>("sheet", kSide, kSide, std::move(pixels),
                                                   std::vector<std::uint32_t>()));
    }
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
