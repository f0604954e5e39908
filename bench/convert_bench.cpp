// One conversion from file to files: a 1024 x 1024 sheet cut into 32 x 32
// cells, rearranged onto a canvas 256 pixels wide and written as 4 files;
// beside it the PNG decoding and encoding that the conversion contains, to
// see their share.

#include <benchmark/benchmark.h>

#include <string>

#include "bench/tile_sheet.h"
#include "convert/image_processor.h"
#include "convert/process_log.h"
#include "convert/run_context.h"
#include "support/rule_file.h"

namespace {

constexpr int kSide = 1024;
constexpr int kCell = 32;
constexpr int kCells = (kSide / kCell) * (kSide / kCell);

struct Scene {
  TempFolder folder;
  std::string source = folder / "sheet.png";
  Scene() {
    TileSheet(kSide, kSide, kCell)->Save(source);
    // The cells in reverse order, eight to a row of the narrow canvas.
    std::string replace;
    for (int cell = kCells - 1; cell >= 0; --cell) replace += std::to_string(cell) + (cell ? "," : "");
    UseRuleFile(folder, "[Narrow]\nSrcDiv=32,32\nNewSize=256,4096\nFileDiv=1,4\nReplace=" + replace + "\n");
  }
};

const Scene& SharedScene() {
  static const Scene scene;
  return scene;
}

void ConvertSheet(benchmark::State& state) {
  const Scene& scene = SharedScene();
  ImageProcessor rule("Narrow");
  ProcessLog log;
  for (auto _ : state) {
    const auto image = OpenImage(scene.source);
    benchmark::DoNotOptimize(rule.Apply(*image, {log}));
  }
}

void DecodeSheet(benchmark::State& state) {
  const Scene& scene = SharedScene();
  for (auto _ : state) benchmark::DoNotOptimize(OpenImage(scene.source));
}

void EncodePieces(benchmark::State& state) {
  const Scene& scene = SharedScene();
  const auto image = OpenImage(scene.source);
  ProcessLog log;
  const auto canvas = ImageProcessor("Narrow").Apply(*image, {log});
  for (auto _ : state) {
    for (int piece = 0; piece < 4; ++piece) {
      canvas->Clip(0, piece * 1024, 256, 1024, "")->Save(scene.folder / "piece.png");
    }
  }
}

BENCHMARK(ConvertSheet)->Unit(benchmark::kMillisecond);
BENCHMARK(DecodeSheet)->Unit(benchmark::kMillisecond);
BENCHMARK(EncodePieces)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
