#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "convert/tiled_tileset.h"
#include "tiled/xml_document.h"

// The tileset that a map was drawn with, as its <tileset> element in the
// map or the root of its ".tsx": the grid of its tiles over its image, and
// what it carries beside them.
struct SourceTileset {
  const XmlDocument* document = nullptr;
  std::size_t element = 0;
  std::string folder;  // where the references in it start from
  std::string name;
  int tileWidth = 0;
  int tileHeight = 0;
  int margin = 0;
  int spacing = 0;
  int columns = 0;    // 0: as many as the image holds
  int tileCount = 0;  // as written; as many as the image holds once it is fitted
  std::string imagePath;  // empty for a tileset of single images
  int imageWidth = 0;     // 0 where the tileset does not say
  int imageHeight = 0;
  // The frames of each animated tile, read once: a map may use every tile.
  std::map<int, std::vector<int>> animations;

  // The tiles of the grid, once the image's size is known.
  void FitImage(int width, int height);
  // A tile's top-left pixel in the image (far outside it for an id the
  // columns place beyond it).
  long long TileX(int id) const {
    return margin + static_cast<long long>(id % columns) * (tileWidth + spacing);
  }
  long long TileY(int id) const {
    return margin + static_cast<long long>(id / columns) * (tileHeight + spacing);
  }
  // The tiles whose per-tile data the tileset holds (<tile id> and Wang tiles).
  std::vector<int> TilesWithData() const;
  // The tiles of the animation of tile id, in order; empty without one.
  const std::vector<int>& AnimationFrames(int id) const;
  // What tileset carries over into a new tileset whose tile of each old id
  // is newId(old), -1 for a tile it lacks: attributes, image attributes and
  // elements as TiledTileset holds them.
  void CarryInto(TiledTileset& tileset, const std::function<int(int)>& newId) const;
};

// Reads element of document as a tileset; false with the reason where its
// grid cannot be read.
bool ReadSourceTileset(const XmlDocument& document, std::size_t element,
                       const std::string& folder, SourceTileset& tileset, std::string& reason);
