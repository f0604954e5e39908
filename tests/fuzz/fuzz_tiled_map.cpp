// The Tiled map reader on any bytes: the platform's XML parser and our own
// scan of positions must read alike wherever both take a document, and a
// dry remap of it through a small conversion's index table must end with
// an answer.
#include <cstdlib>

#include "fuzz/fuzz_input.h"
#include "support/files.h"
#include "support/image_files.h"
#include "tiled/map_remap.h"
#include "tiled/xml_reading.h"

namespace {

// A sheet of eight 16 x 16 tiles, converted by reversing them onto two
// pieces, with the index table of that conversion.
const TempFolder& Conversion() {
  static const TempFolder* folder = [] {
    const TempFolder* made = &FuzzFolder();
    const auto picture = [](int width, int height) {
      Picture picture{width, height, {}};
      for (int i = 0; i < width * height; ++i) picture.pixels.push_back(0xFF000000u | i * 2654435761u);
      return picture;
    };
    WriteFile(*made / "sheet.png", PngFile(picture(64, 32), true));
    MakeFolder(*made / "sheet");
    WriteFile(*made / "sheet/[V]sheet_r00.png", PngFile(picture(32, 32), true));
    WriteFile(*made / "sheet/[V]sheet_r01.png", PngFile(picture(32, 32), true));
    std::string table = "piece,x,y,width,height,cell,source_x,source_y\n";
    for (int slot = 0; slot < 8; ++slot) {
      const int cell = 7 - slot;
      table += "[V]sheet_r0" + std::to_string(slot / 4) + ".png," + std::to_string(slot % 2 * 16) +
               "," + std::to_string(slot / 2 % 2 * 16) + ",16,16," + std::to_string(cell) + "," +
               std::to_string(cell % 4 * 16) + "," + std::to_string(cell / 4 * 16) + "\n";
    }
    WriteFile(*made / "sheet/[V]sheet_r.csv", table);
    return made;
  }();
  return *folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes = AsText(data, size);
  if (!ParserAndScanAgree(bytes)) std::abort();
  const TempFolder& folder = Conversion();
  WriteFile(folder / "map.tmx", bytes);
  RemapRequest request;
  request.map = folder / "map.tmx";
  request.tables = {folder / "sheet/[V]sheet_r.csv"};
  request.dryRun = true;
  RemapMap(request);
  return 0;
}
