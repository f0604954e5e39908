#pragma once

#include <array>
#include <string>
#include <vector>

// A tileset of the map editor Tiled, written as Tiled 1.8 writes a ".tsx":
// the tile grid over one image, and what a tileset carries beside it. The
// output step writes one beside each piece; the remapping of maps writes
// them with what the map's old tileset carried.
struct TiledTileset {
  std::string name;
  int tileWidth = 0;
  int tileHeight = 0;
  int spacing = 0;
  int margin = 0;
  int tileCount = 0;
  int columns = 0;
  std::string imageSource;  // the image's file name, beside the tileset
  int imageWidth = 0;
  int imageHeight = 0;
  // Carried over as written: further attributes of the tileset and of its
  // image (" key=\"value\"" each), and the elements after the image, each
  // line indented by one space and ended by "\n".
  std::string attributes;
  std::string imageAttributes;
  std::string elements;
};

// The grid of tiles of tileWidth x tileHeight that Tiled finds in an image
// of imageWidth x imageHeight with margin and spacing, named name.
TiledTileset TiledTilesetOf(const std::string& name, const std::string& imageSource,
                            int imageWidth, int imageHeight, int tileWidth, int tileHeight,
                            int margin = 0, int spacing = 0);

// The text of the ".tsx" file: UTF-8, "\n" line ends.
std::string TiledTilesetText(const TiledTileset& tileset);

// A Wang set of one colour for an autotile's variants: type "mixed" or
// "edge", and for each tile that has one, its eight values in Tiled's order
// (top, top-right, right, bottom-right, bottom, bottom-left, left,
// top-left), 1 where the variant has that neighbour. The elements text of
// the tileset that holds it.
struct TiledWangTile {
  int tileId = 0;
  std::array<int, 8> wangId{};
};
std::string TiledWangSetElements(const std::string& name, const std::string& type,
                                 const std::vector<TiledWangTile>& tiles);

// text written for a value in double quotes.
std::string XmlAttributeText(const std::string& text);
