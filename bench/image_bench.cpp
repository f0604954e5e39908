// Decoding, clipping, drawing and saving a 2048 x 2048 sheet, in megapixels
// per second.

#include <benchmark/benchmark.h>

#include <string>

#include "bench/tile_sheet.h"
#include "support/files.h"

namespace {

constexpr int kSide = 2048;
constexpr int kCell = 32;

const BufferImage& SharedSheet() {
  static const std::unique_ptr<BufferImage> sheet = TileSheet(kSide, kSide, kCell);
  return *sheet;
}

std::string ScratchPath(const std::string& name) {
  static const TempFolder folder;
  return folder / name;
}

void CountPixels(benchmark::State& state, double pixels_per_iteration) {
  state.counters["MP/s"] =
      benchmark::Counter(pixels_per_iteration * static_cast<double>(state.iterations()) / 1e6,
                         benchmark::Counter::kIsRate);
}

void DecodePng(benchmark::State& state) {
  const std::string path = ScratchPath("sheet.png");
  if (!SharedSheet().Save(path)) state.SkipWithError("could not save the sheet");
  for (auto _ : state) {
    auto image = OpenImage(path);
    benchmark::DoNotOptimize(image->GetWidth());
  }
  CountPixels(state, double{kSide} * kSide);
}

// The pipeline's cut: every 32 x 32 cell of the sheet.
void ClipCells(benchmark::State& state) {
  const BufferImage& sheet = SharedSheet();
  for (auto _ : state) {
    for (int y = 0; y < kSide; y += kCell) {
      for (int x = 0; x < kSide; x += kCell) {
        auto cell = sheet.Clip(x, y, kCell, kCell, "cell");
        benchmark::DoNotOptimize(cell->GetWidth());
      }
    }
  }
  CountPixels(state, double{kSide} * kSide);
}

// The whole sheet composited onto a blank canvas of its size.
void DrawSheet(benchmark::State& state) {
  const BufferImage& sheet = SharedSheet();
  auto canvas = sheet.CreateBlank(kSide, kSide);
  for (auto _ : state) {
    canvas->Draw(sheet, 0, 0);
    benchmark::ClobberMemory();
  }
  CountPixels(state, double{kSide} * kSide);
}

// The combiner's strips: the sheet drawn at negative x onto a 256-wide
// canvas, eight times; only the overlap should cost.
void DrawStrips(benchmark::State& state) {
  const BufferImage& sheet = SharedSheet();
  auto canvas = sheet.CreateBlank(256, kSide);
  for (auto _ : state) {
    for (int strip = 0; strip < kSide / 256; ++strip) canvas->Draw(sheet, -256 * strip, 0);
    benchmark::ClobberMemory();
  }
  CountPixels(state, double{kSide} * kSide);
}

void SavePng(benchmark::State& state) {
  const std::string path = ScratchPath("sheet.png");
  for (auto _ : state) {
    if (!SharedSheet().Save(path)) state.SkipWithError("could not save the sheet");
  }
  CountPixels(state, double{kSide} * kSide);
}

BENCHMARK(DecodePng)->Unit(benchmark::kMillisecond);
BENCHMARK(ClipCells)->Unit(benchmark::kMillisecond);
BENCHMARK(DrawSheet)->Unit(benchmark::kMillisecond);
BENCHMARK(DrawStrips)->Unit(benchmark::kMillisecond);
BENCHMARK(SavePng)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
