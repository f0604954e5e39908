#include "tiled/map_remap.h"

#include <algorithm>
#include <cstdint>
#include <map>

#include "common/file_io.h"
#include "common/file_replacement.h"
#include "common/messages.h"
#include "common/path.h"
#include "convert/tiled_tileset.h"
#include "image/image.h"
#include "tiled/index_tables.h"
#include "tiled/source_tileset.h"
#include "tiled/splice.h"
#include "tiled/tile_landing.h"
#include "tiled/tiled_map.h"
#include "tiled/tiled_paths.h"

namespace {

// The four flip and rotation bits of a gid, and the gid without them.
constexpr std::uint32_t kFlagBits = 0xF0000000;
constexpr std::uint32_t kGidBits = 0x0FFFFFFF;
// The places of a tile that a refusal names before it counts the rest.
constexpr std::size_t kPlacesNamed = 5;

// A piece of the conversion as a tileset of the remapped map.
struct PieceTileset {
  std::size_t table = 0;
  std::size_t piece = 0;
  bool gridKnown = false;  // margin and spacing set by the first tile that landed in it
  int margin = 0;
  int spacing = 0;
  int width = 0;  // the piece's image; 0 until read
  int height = 0;
  bool used = false;
  std::uint32_t firstGid = 0;
  TiledTileset tileset;
  std::string path;  // of its ".tsx"
};

// Where an old tile went: its piece and its id in the piece's tileset, or why not.
struct NewTile {
  std::size_t piece = 0;
  int id = -1;
  std::string why;  // empty where it landed
};

struct TileUse {
  long long count = 0;
  std::vector<std::string> places;
};

class Remapper {
 public:
  explicit Remapper(const RemapRequest& request) : request(request) {}

  RemapOutcome Run() {
    std::string reason;
    if (!ReadTiledMap(request.map, map, reason) || !ReadTables(reason) ||
        !FindTileset(reason) || !FitSourceImage(reason) || !ReadGids(reason)) {
      outcome.refusals.push_back(reason);
      return outcome;
    }
    LandTiles();
    if (!SetPieceGrids(reason)) {
      outcome.refusals.push_back(reason);
      return outcome;
    }
    NumberTiles();
    CheckUsedTiles();
    if (!outcome.refusals.empty()) return outcome;
    if (!AssignFirstGids()) {
      outcome.refusals.push_back(Text(Message::kRemapNoGidsLeft, {map.path}));
      return outcome;
    }
    Renumber();
    if (request.dryRun) return outcome;
    if (!Write(reason)) outcome.refusals.push_back(reason);
    return outcome;
  }

 private:
  bool ReadTables(std::string& reason) {
    for (const std::string& path : request.tables) {
      IndexTable table;
      if (!ReadIndexTable(path, table, reason)) return false;
      if (!tables.empty() && table.folder != tables.front().folder) {
        reason = Text(Message::kRemapTablesOfTwoFolders, {tables.front().path, path});
        return false;
      }
      tables.push_back(std::move(table));
    }
    for (std::size_t t = 0; t < tables.size(); ++t) {
      for (std::size_t p = 0; p < tables[t].pieces.size(); ++p) {
        PieceTileset piece;
        piece.table = t;
        piece.piece = p;
        pieces.push_back(piece);
      }
    }
    if (pieces.empty()) {
      reason = Text(Message::kRemapTablesEmpty, {request.tables.front()});
      return false;
    }
    return true;
  }

  // The tileset a tileset entry of the map stands for, read from the map or
  // from its ".tsx"; false with the reason where it cannot be read.
  bool LoadTileset(std::size_t index, SourceTileset& tileset, std::string& reason) {
    const MapTileset& entry = map.tilesets[index];
    if (entry.source.empty()) {
      return ReadSourceTileset(map.document, entry.element, map.folder, tileset, reason);
    }
    const std::string path = ResolveReference(map.folder, entry.source);
    auto& document = externalTilesets[index];
    if (!document) {
      document = std::make_unique<XmlDocument>();
      if (!ReadXmlFile(path, *document, reason)) {
        document.reset();
        return false;
      }
    }
    return ReadSourceTileset(*document, 0, FolderPart(path), tileset, reason);
  }

  // The map's tileset of the tables' source image, or the one named.
  bool FindTileset(std::string& reason) {
    const std::string sourceFolder = FolderPart(tables.front().folder);
    const std::string sourceBase = FilePart(tables.front().folder);
    std::vector<std::size_t> found;
    std::string unreadable;
    for (std::size_t i = 0; i < map.tilesets.size(); ++i) {
      SourceTileset tileset;
      std::string why;
      if (!LoadTileset(i, tileset, why)) {
        if (unreadable.empty()) unreadable = why;
        continue;
      }
      const bool named = request.tileset && tileset.name == *request.tileset;
      const bool ofSource = !request.tileset && !tileset.imagePath.empty() &&
                            FolderPart(tileset.imagePath) == sourceFolder &&
                            BaseName(tileset.imagePath) == sourceBase;
      if (named || ofSource) found.push_back(i);
    }
    if (found.size() != 1) {
      if (found.size() > 1) {
        reason = Text(Message::kRemapSeveralTilesets, {map.path});
      } else if (request.tileset) {
        reason = Text(Message::kRemapTilesetNotFound, {map.path, *request.tileset});
      } else {
        reason = Text(Message::kRemapNoTileset,
                      {map.path, sourceFolder + kPathSeparator + sourceBase});
      }
      if (!unreadable.empty()) reason += "\n" + unreadable;
      return false;
    }
    target = found.front();
    if (!LoadTileset(target, old, reason)) return false;
    if (old.imagePath.empty()) {
      reason = Text(Message::kRemapTilesetWithoutImage, {old.name});
      return false;
    }
    first = map.tilesets[target].firstGid;
    for (const MapTileset& other : map.tilesets) {
      if (other.firstGid > first) rangeEnd = std::min<std::uint64_t>(rangeEnd, other.firstGid);
    }
    return true;
  }

  // The tileset's grid over its image as it is now, and the tables' cells
  // inside that image.
  bool FitSourceImage(std::string& reason) {
    try {
      const std::unique_ptr<IImage> image = OpenImage(old.imagePath);
      old.FitImage(image->GetWidth(), image->GetHeight());
      // Ids past a million (tiles of a pixel or two) are counted sparsely.
      usesInTileset.resize(std::min<std::size_t>(static_cast<std::size_t>(old.tileCount),
                                                 std::size_t{1} << 20));
    } catch (const InvalidImageError& error) {
      reason = WithFileFailure(Text(Message::kRemapImageUnreadable, {old.imagePath}),
                               error.Reason());
      return false;
    }
    for (const IndexTable& table : tables) {
      for (const IndexTableLine& line : table.lines) {
        if (std::int64_t{line.sourceX} + line.width > old.imageWidth ||
            std::int64_t{line.sourceY} + line.height > old.imageHeight) {
          reason = Text(Message::kRemapTablesOtherSize,
                        {table.path, old.imagePath,
                         std::to_string(old.imageWidth) + " x " + std::to_string(old.imageHeight)});
          return false;
        }
      }
    }
    return true;
  }

  bool InRange(std::uint32_t gid) const {
    const std::uint32_t plain = gid & kGidBits;
    return plain >= first && plain < rangeEnd;
  }

  // Counts a use of gid; place() names where, for the first few uses only.
  template <typename Place>
  void Use(std::uint32_t gid, const Place& place) {
    maxGid = std::max(maxGid, gid & kGidBits);
    if (!InRange(gid)) return;
    const std::uint32_t id = (gid & kGidBits) - first;
    TileUse& use = id < usesInTileset.size() ? usesInTileset[id] : usesBeyond[static_cast<int>(id)];
    if (use.places.size() < kPlacesNamed) use.places.push_back(place());
    ++use.count;
  }

  // Calls visit(id, use) for each tile the map uses, in the order of ids.
  template <typename Visit>
  void ForEachUse(const Visit& visit) const {
    for (std::size_t id = 0; id < usesInTileset.size(); ++id) {
      if (usesInTileset[id].count > 0) visit(static_cast<int>(id), usesInTileset[id]);
    }
    for (const auto& [id, use] : usesBeyond) visit(id, use);
  }

  bool Uses(int id) const {
    return id >= 0 && (static_cast<std::size_t>(id) < usesInTileset.size()
                           ? usesInTileset[static_cast<std::size_t>(id)].count > 0
                           : usesBeyond.count(id) > 0);
  }

  bool ReadGids(std::string& reason) {
    const std::vector<XmlElement>& elements = map.document.Elements();
    layerGids.resize(map.layers.size());
    for (std::size_t l = 0; l < map.layers.size(); ++l) {
      const MapLayer& layer = map.layers[l];
      for (const std::size_t object : layer.objects) {
        long long gid = 0;
        if (!IntAttribute(elements[object], "gid", 0, gid) || gid < 0 || gid > UINT32_MAX) {
          reason = Text(Message::kRemapBadObjectGid, {layer.name});
          return false;
        }
        const XmlAttribute* id = elements[object].Attribute("id");
        objectGids[object] = static_cast<std::uint32_t>(gid);
        Use(static_cast<std::uint32_t>(gid), [&] {
          return Text(Message::kRemapPlaceObject, {id != nullptr ? id->value : "?"});
        });
      }
      for (const MapPayload& payload : layer.payloads) {
        std::vector<std::uint32_t> gids;
        if (!ReadPayloadGids(layer, payload, gids, reason)) return false;
        for (std::size_t i = 0; i < gids.size(); ++i) {
          if (gids[i] == 0) continue;
          Use(gids[i], [&] {
            const long long x = payload.x + static_cast<long long>(i % payload.width);
            const long long y = payload.y + static_cast<long long>(i / payload.width);
            return Text(Message::kRemapPlaceCell,
                        {layer.name, std::to_string(x), std::to_string(y)});
          });
        }
        layerGids[l].push_back(std::move(gids));
      }
    }
    return true;
  }

  bool ReadPayloadGids(const MapLayer& layer, const MapPayload& payload,
                       std::vector<std::uint32_t>& gids, std::string& reason) const {
    const std::vector<XmlElement>& elements = map.document.Elements();
    const std::size_t count = static_cast<std::size_t>(payload.width) * payload.height;
    if (layer.tileElements) {
      for (const std::size_t tile : payload.tiles) {
        long long gid = 0;
        if (!IntAttribute(elements[tile], "gid", 0, gid) || gid < 0 || gid > UINT32_MAX) {
          reason = Text(Message::kRemapPayloadUndecodable, {layer.name});
          return false;
        }
        gids.push_back(static_cast<std::uint32_t>(gid));
      }
      return true;
    }
    std::string_view text;
    if (!map.document.PlainContent(elements[payload.element], text)) {
      reason = Text(Message::kRemapPayloadUndecodable, {layer.name});
      return false;
    }
    switch (ReadPayload(text, layer.format, count, gids)) {
      case PayloadRead::kRead:
        return true;
      case PayloadRead::kWrongCount:
        reason = Text(Message::kRemapWrongCellCount,
                      {layer.name,
                       std::to_string(payload.width) + " x " + std::to_string(payload.height),
                       std::to_string(gids.size())});
        return false;
      case PayloadRead::kNotReadable:
        reason = Text(Message::kRemapZstdNotReadable, {layer.name});
        return false;
      case PayloadRead::kUndecodable:
        break;
    }
    reason = Text(Message::kRemapPayloadUndecodable, {layer.name});
    return false;
  }

  std::size_t PieceIndex(std::size_t table, std::size_t piece) const {
    std::size_t index = 0;
    for (std::size_t t = 0; t < table; ++t) index += tables[t].pieces.size();
    return index + piece;
  }

  // Where each tile that the map uses, or whose data the tileset holds, landed.
  void LandTiles() {
    std::vector<int> ids = old.TilesWithData();
    std::vector<int> frames;
    ForEachUse([&](int id, const TileUse&) {
      ids.push_back(id);
      const std::vector<int>& animation = old.AnimationFrames(id);
      frames.insert(frames.end(), animation.begin(), animation.end());
    });
    ids.insert(ids.end(), frames.begin(), frames.end());
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    const TileLandings landings(tables);
    for (const int id : ids) {
      NewTile& tile = newTiles[id];
      if (id < 0 || id >= old.tileCount || old.TileX(id) + old.tileWidth > old.imageWidth ||
          old.TileY(id) + old.tileHeight > old.imageHeight) {
        tile.why = Text(Message::kRemapWhyNotInTileset);
        continue;
      }
      NotLanded notLanded = NotLanded::kDropped;
      const std::optional<TileLanding> landing =
          landings.Find(static_cast<int>(old.TileX(id)), static_cast<int>(old.TileY(id)),
                        old.tileWidth, old.tileHeight, notLanded);
      if (!landing) {
        tile.why = Text(notLanded == NotLanded::kDropped ? Message::kRemapWhyDropped
                                                         : Message::kRemapWhySplit);
        continue;
      }
      tile.piece = PieceIndex(landing->table, landing->piece);
      landingOf[id] = *landing;
    }
  }

  // Each piece's margin and spacing, from the first tile that landed in it:
  // cells of a whole number of tiles and their spacing keep the spacing.
  bool SetPieceGrids(std::string& reason) {
    for (const auto& [id, landing] : landingOf) {
      PieceTileset& piece = pieces[newTiles[id].piece];
      if (piece.gridKnown) continue;
      piece.gridKnown = true;
      const int pitchX = old.tileWidth + old.spacing;
      const int pitchY = old.tileHeight + old.spacing;
      const bool keepsSpacing = old.spacing > 0 && landing.slotWidth % pitchX == 0 &&
                                landing.slotHeight % pitchY == 0;
      piece.spacing = keepsSpacing ? old.spacing : 0;
      piece.margin = landing.x % (old.tileWidth + piece.spacing);
    }
    pieces.front().used = true;  // the map's entry names it, used or not
    for (const auto& [id, tile] : newTiles) {
      if (tile.why.empty()) pieces[tile.piece].used = true;
    }
    for (PieceTileset& piece : pieces) {
      if (!piece.used) continue;
      const IndexTable& table = tables[piece.table];
      const std::string name = table.pieces[piece.piece];
      const std::string image = table.folder + kPathSeparator + name;
      try {
        const std::unique_ptr<IImage> opened = OpenImage(image);
        piece.width = opened->GetWidth();
        piece.height = opened->GetHeight();
      } catch (const InvalidImageError& error) {
        reason = WithFileFailure(Text(Message::kRemapPieceUnreadable, {image}), error.Reason());
        return false;
      }
      piece.tileset = TiledTilesetOf(BaseName(name), name, piece.width, piece.height,
                                     old.tileWidth, old.tileHeight, piece.margin, piece.spacing);
      piece.path = table.folder + kPathSeparator + BaseName(name) + ".tsx";
    }
    return true;
  }

  // Each landed tile's id in its piece's tileset, where it lies on the grid.
  void NumberTiles() {
    for (auto& [id, tile] : newTiles) {
      if (!tile.why.empty()) continue;
      const TileLanding& landing = landingOf[id];
      const PieceTileset& piece = pieces[tile.piece];
      const int pitchX = old.tileWidth + piece.spacing;
      const int pitchY = old.tileHeight + piece.spacing;
      const int x = landing.x - piece.margin;
      const int y = landing.y - piece.margin;
      if (x < 0 || y < 0 || x % pitchX != 0 || y % pitchY != 0 ||
          landing.x + old.tileWidth > piece.width || landing.y + old.tileHeight > piece.height ||
          piece.tileset.columns <= 0) {
        tile.why = Text(Message::kRemapWhyOffGrid);
        continue;
      }
      tile.id = y / pitchY * piece.tileset.columns + x / pitchX;
    }
  }

  // Every tile the map uses must have landed whole, and its animation with it.
  void CheckUsedTiles() {
    ForEachUse([&](int id, const TileUse& use) {
      NewTile& tile = newTiles[id];
      std::string why = tile.why;
      if (why.empty() && tile.piece == 0 &&
          first + static_cast<std::uint64_t>(tile.id) >= rangeEnd) {
        why = Text(Message::kRemapWhyBeyondRange, {std::to_string(tile.id)});
      }
      for (const int frame : old.AnimationFrames(id)) {
        const auto found = newTiles.find(frame);
        if (why.empty() && (found == newTiles.end() || !found->second.why.empty() ||
                            found->second.piece != tile.piece)) {
          why = Text(Message::kRemapWhyFrameElsewhere, {std::to_string(frame)});
        }
      }
      if (why.empty()) return;
      std::string places;
      for (const std::string& place : use.places) places += (places.empty() ? "" : " ") + place;
      if (use.count > static_cast<long long>(use.places.size())) {
        places += " " + Text(Message::kRemapMorePlaces,
                             {std::to_string(use.count - static_cast<long long>(use.places.size()))});
      }
      outcome.refusals.push_back(Text(Message::kRemapTileRefused, {std::to_string(id), places, why}));
    });
    for (const auto& [id, tile] : newTiles) {
      if (!tile.why.empty() && !Uses(id) && id >= 0) {
        outcome.notes.push_back(Text(Message::kRemapDataNotCarried, {std::to_string(id), tile.why}));
      }
    }
  }

  // How many tiles a tileset entry holds: as it says, else as many as the
  // map uses of it.
  std::uint64_t TileCountOf(std::size_t index) {
    SourceTileset tileset;
    std::string reason;
    if (!LoadTileset(index, tileset, reason)) return 0;
    if (tileset.tileCount == 0 && tileset.imageWidth > 0) {
      tileset.FitImage(tileset.imageWidth, tileset.imageHeight);
    }
    return static_cast<std::uint64_t>(tileset.tileCount);
  }

  // False where the new tilesets' gids would run into the flag bits.
  bool AssignFirstGids() {
    std::uint64_t next = std::uint64_t{maxGid} + 1;
    for (std::size_t i = 0; i < map.tilesets.size(); ++i) {
      const std::uint64_t count =
          i == target ? static_cast<std::uint64_t>(pieces.front().tileset.tileCount)
                      : TileCountOf(i);
      next = std::max(next, map.tilesets[i].firstGid + count);
    }
    pieces.front().firstGid = first;
    for (std::size_t p = 1; p < pieces.size(); ++p) {
      if (!pieces[p].used) continue;
      pieces[p].firstGid = static_cast<std::uint32_t>(std::min<std::uint64_t>(next, kGidBits));
      next += static_cast<std::uint64_t>(std::max(pieces[p].tileset.tileCount, 1));
    }
    return next <= std::uint64_t{kGidBits} + 1;
  }

  std::uint32_t NewGid(std::uint32_t gid) const {
    if (!InRange(gid)) return gid;
    const std::uint32_t id = (gid & kGidBits) - first;
    if (id < newGids.size()) return (gid & kFlagBits) | newGids[id];
    const NewTile& tile = newTiles.at(static_cast<int>(id));
    return (gid & kFlagBits) | (pieces[tile.piece].firstGid + static_cast<std::uint32_t>(tile.id));
  }

  void Renumber() {
    // Every tile in use landed, and is in the tileset (CheckUsedTiles).
    newGids.assign(usesInTileset.size(), 0);
    for (const auto& [id, tile] : newTiles) {
      if (tile.why.empty() && static_cast<std::size_t>(id) < newGids.size()) {
        newGids[static_cast<std::size_t>(id)] =
            pieces[tile.piece].firstGid + static_cast<std::uint32_t>(tile.id);
      }
    }
    for (std::size_t l = 0; l < map.layers.size(); ++l) {
      LayerCount count;
      count.layer = map.layers[l].name;
      payloadChanged.emplace_back();
      for (std::vector<std::uint32_t>& gids : layerGids[l]) {
        long long changed = 0;
        for (std::uint32_t& gid : gids) {
          const std::uint32_t renumbered = NewGid(gid);
          changed += renumbered != gid;
          gid = renumbered;
        }
        count.cells += changed;
        payloadChanged.back().push_back(changed > 0);
      }
      for (const std::size_t object : map.layers[l].objects) {
        const std::uint32_t renumbered = NewGid(objectGids[object]);
        if (renumbered != objectGids[object]) ++count.objects;
        objectGids[object] = renumbered;
      }
      outcome.counts.push_back(count);
    }
  }

  // What the map's bytes take: the new gids, payloads and tileset entries.
  bool MapSplices(std::vector<Splice>& splices, std::string& reason) const {
    const std::vector<XmlElement>& elements = map.document.Elements();
    const std::string& oldBytes = map.document.Bytes();
    const auto gidValue = [&](std::size_t element, std::uint32_t gid) {
      const XmlAttribute* attribute = elements[element].Attribute("gid");
      if (attribute != nullptr && attribute->value != std::to_string(gid)) {
        splices.push_back({attribute->valueBegin, attribute->valueEnd, std::to_string(gid)});
      }
    };
    for (std::size_t l = 0; l < map.layers.size(); ++l) {
      const MapLayer& layer = map.layers[l];
      for (const std::size_t object : layer.objects) gidValue(object, objectGids.at(object));
      for (std::size_t p = 0; p < layer.payloads.size(); ++p) {
        const MapPayload& payload = layer.payloads[p];
        const std::vector<std::uint32_t>& gids = layerGids[l][p];
        if (layer.tileElements) {
          for (std::size_t t = 0; t < payload.tiles.size(); ++t) {
            // A cell without gid is empty and stays so.
            gidValue(payload.tiles[t], gids[t]);
          }
          continue;
        }
        if (!payloadChanged[l][p]) continue;
        std::string_view text;
        map.document.PlainContent(elements[payload.element], text);
        std::string written;
        if (!WritePayload(text, layer.format, gids, written)) {
          reason = Text(Message::kRemapCannotCompress, {layer.name});
          return false;
        }
        splices.push_back({elements[payload.element].startEnd, elements[payload.element].endBegin,
                           std::move(written)});
      }
    }
    // The old tileset's entry names the first piece's tileset; the further
    // pieces follow the last entry, on lines of their own.
    const MapTileset& entry = map.tilesets[target];
    const auto entryText = [&](const PieceTileset& piece) {
      return "<tileset firstgid=\"" + std::to_string(piece.firstGid) + "\" source=\"" +
             XmlAttributeText(ReferenceTo(map.folder, piece.path)) + "\"/>";
    };
    splices.push_back({elements[entry.element].begin, elements[entry.element].end,
                       entryText(pieces.front())});
    const std::size_t lineStart = LineStartBefore(oldBytes, elements[entry.element].begin);
    std::string indent = oldBytes.substr(lineStart, elements[entry.element].begin - lineStart);
    if (indent.empty()) indent = "\n";
    std::string added;
    for (std::size_t p = 1; p < pieces.size(); ++p) {
      if (pieces[p].used) added += indent + entryText(pieces[p]);
    }
    if (!added.empty()) {
      const std::size_t after = elements[map.tilesets.back().element].end;
      splices.push_back({after, after, added});
    }
    return true;
  }

  // The ".tsx" of each piece the map names: written with what the old
  // tileset carries, or kept where it has the same grid and nothing is carried.
  bool WriteTilesets(std::string& reason) {
    for (PieceTileset& piece : pieces) {
      if (!piece.used) continue;
      const std::size_t index = static_cast<std::size_t>(&piece - pieces.data());
      piece.tileset.attributes.clear();
      old.CarryInto(piece.tileset, [&](int id) {
        const auto found = newTiles.find(id);
        return found != newTiles.end() && found->second.why.empty() &&
                       found->second.piece == index
                   ? found->second.id
                   : -1;
      });
      const bool carries = !piece.tileset.attributes.empty() ||
                           !piece.tileset.imageAttributes.empty() ||
                           !piece.tileset.elements.empty();
      if (!carries && HasGridOf(piece)) continue;
      const FileResult written = WriteBytesReplacing(piece.path, TiledTilesetText(piece.tileset));
      if (!written) {
        reason = WithFileFailure(Text(Message::kSaveFailed, {piece.path}), written);
        return false;
      }
      outcome.written.push_back(piece.path);
    }
    return true;
  }

  // Whether a ".tsx" is there for the piece with the tile grid it needs.
  bool HasGridOf(const PieceTileset& piece) {
    XmlDocument document;
    std::string reason;
    SourceTileset existing;
    if (!ReadXmlFile(piece.path, document, reason) ||
        !ReadSourceTileset(document, 0, FolderPart(piece.path), existing, reason)) {
      return false;
    }
    const std::string image = tables[piece.table].folder + kPathSeparator +
                              tables[piece.table].pieces[piece.piece];
    return existing.tileWidth == old.tileWidth && existing.tileHeight == old.tileHeight &&
           existing.margin == piece.margin && existing.spacing == piece.spacing &&
           existing.imagePath == image;
  }

  bool Write(std::string& reason) {
    std::vector<Splice> splices;
    if (!MapSplices(splices, reason) || !WriteTilesets(reason)) return false;
    outcome.backup = map.path + ".bak";
    FileResult written = WriteBytesReplacing(outcome.backup, map.document.Bytes());
    if (!written) {
      reason = WithFileFailure(Text(Message::kSaveFailed, {outcome.backup}), written);
      return false;
    }
    const std::string& oldBytes = map.document.Bytes();
    written = WriteFileReplacing(map.path, [&](std::FILE* file) {
      bool whole = true;
      ForEachSplicedPart(oldBytes, 0, oldBytes.size(), std::move(splices),
                         [&](std::string_view part) {
                           whole = whole && std::fwrite(part.data(), 1, part.size(), file) ==
                                                part.size();
                         });
      return whole;
    });
    if (!written) {
      reason = WithFileFailure(Text(Message::kSaveFailed, {map.path}), written);
      return false;
    }
    outcome.written.push_back(map.path);
    return true;
  }

  const RemapRequest& request;
  RemapOutcome outcome;
  TiledMap map;
  std::vector<IndexTable> tables;
  std::map<std::size_t, std::unique_ptr<XmlDocument>> externalTilesets;
  std::size_t target = 0;
  SourceTileset old;
  std::uint32_t first = 0;
  std::uint64_t rangeEnd = std::uint64_t{kGidBits} + 1;
  std::uint32_t maxGid = 0;
  std::vector<std::vector<std::vector<std::uint32_t>>> layerGids;  // per layer, per payload
  std::vector<std::vector<bool>> payloadChanged;                   // per layer, per payload
  std::map<std::size_t, std::uint32_t> objectGids;                 // per object element
  std::vector<TileUse> usesInTileset;  // per old tile id of the tileset
  std::map<int, TileUse> usesBeyond;   // per id the tileset lacks
  std::vector<std::uint32_t> newGids;  // per old tile id that the map uses
  std::map<int, NewTile> newTiles;
  std::map<int, TileLanding> landingOf;
  std::vector<PieceTileset> pieces;
};

}  // namespace

RemapOutcome RemapMap(const RemapRequest& request) { return Remapper(request).Run(); }
