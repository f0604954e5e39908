// Writes the example sheets of examples/setting.ini into a folder:
//   example_sheets FOLDER
// Palette PNGs of 32 x 32 cells; palette entry 0 (magenta) is the
// background that becomes transparent. Each cell is a square of its own
// colour with a white mark in its top-left corner, so that a converted sheet
// shows where every cell went and which way round it is. Beside them one
// autotile block of water, for the release's autotile rules.
#include <cstdio>
#include <string>

#include "support/files.h"
#include "support/image_files.h"

namespace {

constexpr int kCell = 32;

// Magenta (the background), white (the marks), then 16 cell colours and the
// same 16 darker: 32 cells of one sheet all differ.
std::vector<std::uint32_t> Palette() {
  const std::uint32_t colours[16] = {0xE6194B, 0x3CB44B, 0xFFE119, 0x4363D8, 0xF58231, 0x911EB4,
                                     0x46F0F0, 0x808000, 0xBCF60C, 0xFABEBE, 0x008080, 0xE6BEFF,
                                     0x9A6324, 0xFFFAC8, 0x800000, 0xAAFFC3};
  std::vector<std::uint32_t> palette = {0xFFFF00FF, 0xFFFFFFFF};
  for (const std::uint32_t colour : colours) palette.push_back(0xFF000000 | colour);
  for (const std::uint32_t colour : colours)
    palette.push_back(0xFF000000 | (colour >> 1 & 0x7F7F7F));
  return palette;
}

// A sheet of columns x rows cells; firstColour shifts the colours so that
// sheets of one size do not look alike.
IndexedPicture Sheet(int columns, int rows, int firstColour) {
  IndexedPicture picture;
  picture.width = columns * kCell;
  picture.height = rows * kCell;
  picture.palette = Palette();
  picture.indices.assign(static_cast<std::size_t>(picture.width) * picture.height, 0);
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const int cell = y / kCell * columns + x / kCell;
      const int cx = x % kCell, cy = y % kCell;
      std::uint8_t index = 0;
      if (cx >= 3 && cx < 29 && cy >= 3 && cy < 29) {
        index = static_cast<std::uint8_t>(2 + (firstColour + cell) % 32);
        if (cx < 10 && cy < 10) index = 1;
      }
      picture.indices[static_cast<std::size_t>(y) * picture.width + x] = index;
    }
  }
  return picture;
}

// Water as a game-making tool's autotile block of 2 x 3 tiles: a lone tile,
// the inner corners, then a 2 x 2 island, each with a shore where the
// water ends.
IndexedPicture WaterBlock() {
  constexpr int kShore = 5;
  constexpr std::uint8_t kSand = 4, kWater = 5;
  IndexedPicture picture;
  picture.width = 2 * kCell;
  picture.height = 3 * kCell;
  picture.palette = Palette();
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      bool shore;
      if (y >= kCell) {  // the island: a shore along its outer edges
        shore =
            x < kShore || x >= 2 * kCell - kShore || y < kCell + kShore || y >= 3 * kCell - kShore;
      } else {
        const int cx = x % kCell, cy = y % kCell;
        const bool left = cx < kShore, right = cx >= kCell - kShore;
        const bool top = cy < kShore, bottom = cy >= kCell - kShore;
        // The lone tile has a shore all round, the inner corners at the corners only.
        shore = x < kCell ? left || right || top || bottom : (left || right) && (top || bottom);
      }
      picture.indices.push_back(shore ? kSand : kWater);
    }
  }
  return picture;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "使い方: example_sheets FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  const struct {
    const char* name;
    int columns, rows, firstColour;
  } sheets[] = {
      {"field.png", 8, 4, 0},        // TileSheet, by its size alone
      {"waterfall.png", 3, 4, 4},    // Waterfall: its Specific text
      {"grass_night.png", 3, 4, 8},  // AutoTileNight: its Force text
      {"夜の草.png", 3, 4, 12},      // the same with a Japanese name
      {"grass_dark.png", 3, 4, 16},  // AutoTile left out by its Except text
      {"grass.png", 3, 4, 20},       // two candidates remain: the user chooses
      {"chara.png", 2, 2, 24},       // Cell4, with Individual
      {"title.png", 10, 7, 28},      // no size of its own: default, 何もしない
  };
  for (const auto& sheet : sheets) {
    WriteFile(folder + "/" + sheet.name,
              PngFile(Sheet(sheet.columns, sheet.rows, sheet.firstColour), 8));
  }
  // Autotile_block2x3_blob47_32, by its size in the release's rule file.
  WriteFile(folder + "/water.png", PngFile(WaterBlock(), 8));
  return 0;
}
