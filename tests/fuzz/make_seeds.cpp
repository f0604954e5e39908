// Writes the seed corpora of the image fuzzers: small files of every
// format, made by the tests' own writers. Run by scripts/fuzz when the
// seeds change: make_seeds DIRECTORY
#include <cstdio>
#include <string>

#include "support/files.h"
#include "support/image_files.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_seeds DIRECTORY\n");
    return 2;
  }
  const std::string root = argv[1];
  Picture rgba{6, 5, {}};
  for (int i = 0; i < 30; ++i) rgba.pixels.push_back((i % 3 ? 0xFF000000u : 0x80000000u) | (i * 0x0A0B0Cu));
  IndexedPicture indexed;
  indexed.width = 7;
  indexed.height = 3;
  indexed.palette = {0xFFFF00FF, 0xFF00FF00, 0x80112233, 0xFF000000};
  for (int i = 0; i < 21; ++i) indexed.indices.push_back(static_cast<std::uint8_t>(i % 4));
  IndexedPicture opaque = indexed;
  opaque.palette[2] = 0xFF112233;
  Picture blocks{16, 8, {}};
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 16; ++x) blocks.pixels.push_back(x < 8 ? 0xFF808080u : 0xFF2040C0u);
  }

  const struct {
    const char* target;
    const char* name;
    std::string bytes;
  } seeds[] = {
      {"png", "rgba.png", PngFile(rgba, true)},
      {"png", "rgb.png", PngFile(rgba, false)},
      {"png", "palette8.png", PngFile(indexed, 8)},
      {"png", "palette2.png", PngFile(indexed, 2)},
      {"bmp", "palette8.bmp", BmpFile(opaque, 8)},
      {"bmp", "palette4.bmp", BmpFile(opaque, 4)},
      {"bmp", "palette1.bmp", BmpFile(IndexedPicture{2, 2, {0xFF000000, 0xFFFFFFFF}, {0, 1, 1, 0}}, 1)},
      {"bmp", "rgb.bmp", BmpFile(rgba)},
      {"gif", "plain.gif", GifFile(opaque)},
      {"gif", "transparent.gif", GifFile(opaque, 0)},
      {"tiff", "palette.tiff", TiffFile(opaque)},
      {"tiff", "rgb.tiff", TiffFile(rgba)},
      {"jpeg", "blocks.jpg", JpegFile(blocks)},
  };
  for (const auto& seed : seeds) {
    const std::string folder = root + "/fuzz_open_" + seed.target;
    MakeFolder(folder);
    WriteFile(folder + "/" + seed.name, seed.bytes);
  }
  return 0;
}
