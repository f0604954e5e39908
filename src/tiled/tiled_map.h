#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tiled/layer_payload.h"
#include "tiled/xml_document.h"

// A Tiled map (".tmx") as read for rewriting: its tilesets, and where its
// gids are, all as elements of the document.

struct MapTileset {
  std::size_t element = 0;
  std::uint32_t firstGid = 0;
  std::string source;  // the ".tsx" as the map names it; empty for a tileset in the map
};

// The cells of a tile layer's <data>, or of one of its <chunk>s.
struct MapPayload {
  std::size_t element = 0;
  int x = 0;  // the top-left cell, in the layer's cells
  int y = 0;
  int width = 0;
  int height = 0;
  // The <tile gid> elements that hold the cells where there is no encoding.
  std::vector<std::size_t> tiles;
};

struct MapLayer {
  std::string name;
  std::size_t element = 0;
  bool objectGroup = false;  // an object layer; a tile layer otherwise
  bool tileElements = false;  // cells as <tile gid> elements
  PayloadFormat format;
  std::vector<MapPayload> payloads;
  std::vector<std::size_t> objects;  // the <object gid> elements of an object layer
};

struct TiledMap {
  std::string path;
  std::string folder;
  XmlDocument document;
  std::vector<MapTileset> tilesets;  // in the map's order
  std::vector<MapLayer> layers;      // tile and object layers, in the map's order, groups opened
};

// Reads the map at path: false with the reason where it is no map this
// program rewrites (a JSON map, not XML, not a map, a layer whose data is
// not its width x height or of an unknown encoding).
bool ReadTiledMap(const std::string& path, TiledMap& map, std::string& reason);

// Reads the XML file at path (a map or a tileset) for rewriting; false with
// the reason where it cannot be read or is not such XML.
bool ReadXmlFile(const std::string& path, XmlDocument& document, std::string& reason);

// The largest layer or chunk read, in cells.
inline constexpr long long kMaxLayerCells = 1LL << 26;

// An attribute of element that is a whole number; fallback where it is
// missing, false where it is there but no such number.
bool IntAttribute(const XmlElement& element, const char* name, long long fallback,
                  long long& value);
