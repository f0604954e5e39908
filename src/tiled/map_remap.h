#pragma once

#include <optional>
#include <string>
#include <vector>

// Rewrites a Tiled map drawn with a tileset whose image has since been
// converted, so that it shows the same picture with the pieces: every gid of
// that tileset becomes the gid of the tile where all its pixels landed, the
// map's entry for the tileset names the first piece's tileset and the further
// pieces it uses follow every existing tileset. Every other byte of the map
// stays as it was.
struct RemapRequest {
  std::string map;                     // the map's path
  std::vector<std::string> tables;     // the index tables of the conversion
  std::optional<std::string> tileset;  // the tileset's name, else found by its image
  bool dryRun = false;                 // count what would change, write nothing
};

struct LayerCount {
  std::string layer;
  long long cells = 0;
  long long objects = 0;
};

struct RemapOutcome {
  // Why nothing was written: one message, or one line per tile that did not
  // land whole. Empty when the map was remapped (or would be).
  std::vector<std::string> refusals;
  std::vector<LayerCount> counts;  // per layer, what changed (or would)
  std::vector<std::string> notes;  // tile data that could not be carried
  std::vector<std::string> written;  // the files written, the map last
  std::string backup;                // where the map as it was is kept
};

RemapOutcome RemapMap(const RemapRequest& request);
