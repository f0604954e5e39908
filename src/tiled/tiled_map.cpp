#include "tiled/tiled_map.h"

#include "common/file_io.h"
#include "common/messages.h"
#include "common/path.h"
#include "tiled/xml_reading.h"

namespace {

// The largest map or tileset file read.
constexpr std::uint64_t kMaxFileBytes = 512ULL << 20;

bool EndsWith(const std::string& text, const std::string& end) {
  if (text.size() < end.size()) return false;
  for (std::size_t i = 0; i < end.size(); ++i) {
    char c = text[text.size() - end.size() + i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != end[i]) return false;
  }
  return true;
}

class MapReader {
 public:
  MapReader(TiledMap& map, std::string& reason) : map(map), reason(reason) {}

  bool Read() {
    const XmlElement& root = map.document.Root();
    if (root.name != "map") return Fail(Text(Message::kRemapNotAMap, {map.path}));
    const std::vector<XmlElement>& elements = map.document.Elements();
    if (!IntAttribute(root, "infinite", 0, infinite) ||
        !IntAttribute(root, "width", 0, mapWidth) || !IntAttribute(root, "height", 0, mapHeight) ||
        !IntAttribute(root, "compressionlevel", -1, level)) {
      return Fail(Text(Message::kRemapBadMapAttribute, {map.path}));
    }
    for (const std::size_t index : root.Children(elements, "tileset")) {
      MapTileset tileset;
      tileset.element = index;
      long long firstGid = 0;
      if (!IntAttribute(elements[index], "firstgid", 0, firstGid) || firstGid < 1 ||
          firstGid > 0x0FFFFFFF) {
        return Fail(Text(Message::kRemapBadFirstGid, {map.path}));
      }
      tileset.firstGid = static_cast<std::uint32_t>(firstGid);
      if (const XmlAttribute* source = elements[index].Attribute("source")) {
        tileset.source = source->value;
      }
      map.tilesets.push_back(tileset);
    }
    return ReadLayers(0);
  }

 private:
  bool Fail(const std::string& why) {
    reason = why;
    return false;
  }

  // The layers of root or of a group, groups opened where they stand.
  bool ReadLayers(std::size_t parent) {
    const std::vector<XmlElement>& elements = map.document.Elements();
    for (const XmlContent& item : elements[parent].content) {
      if (!item.isElement) continue;
      const XmlElement& element = elements[item.index];
      if (element.name == "group") {
        if (!ReadLayers(item.index)) return false;
      } else if (element.name == "layer") {
        if (!ReadTileLayer(item.index)) return false;
      } else if (element.name == "objectgroup") {
        MapLayer layer = Named(item.index);
        layer.objectGroup = true;
        for (const std::size_t object : element.Children(elements, "object")) {
          if (elements[object].Attribute("gid") != nullptr) layer.objects.push_back(object);
        }
        map.layers.push_back(std::move(layer));
      }
    }
    return true;
  }

  MapLayer Named(std::size_t element) const {
    MapLayer layer;
    layer.element = element;
    const XmlElement& xml = map.document.Elements()[element];
    if (const XmlAttribute* name = xml.Attribute("name")) layer.name = name->value;
    return layer;
  }

  bool ReadTileLayer(std::size_t index) {
    const std::vector<XmlElement>& elements = map.document.Elements();
    const XmlElement& element = elements[index];
    MapLayer layer = Named(index);
    long long width = 0;
    long long height = 0;
    if (!IntAttribute(element, "width", mapWidth, width) ||
        !IntAttribute(element, "height", mapHeight, height) || width < 0 || height < 0 ||
        width * height > kMaxLayerCells) {
      return Fail(Text(Message::kRemapBadLayerSize, {layer.name}));
    }
    const std::vector<std::size_t> data = element.Children(elements, "data");
    if (data.empty()) {
      map.layers.push_back(std::move(layer));
      return true;
    }
    if (data.size() > 1) return Fail(Text(Message::kRemapBadLayerData, {layer.name}));
    const XmlElement& dataElement = elements[data[0]];
    const XmlAttribute* encoding = dataElement.Attribute("encoding");
    const XmlAttribute* compression = dataElement.Attribute("compression");
    const std::string encodingName = encoding != nullptr ? encoding->value : "";
    const std::string compressionName = compression != nullptr ? compression->value : "";
    layer.tileElements = encoding == nullptr;
    layer.format.base64 = encodingName == "base64";
    layer.format.level = static_cast<int>(level);
    if (!layer.tileElements && !layer.format.base64 && encodingName != "csv") {
      return Fail(Text(Message::kRemapUnknownEncoding, {layer.name, encodingName}));
    }
    if (compressionName == "zlib") {
      layer.format.compression = Compression::kZlib;
    } else if (compressionName == "gzip") {
      layer.format.compression = Compression::kGzip;
    } else if (compressionName == "zstd") {
      layer.format.compression = Compression::kZstd;
    } else if (compression != nullptr) {
      return Fail(Text(Message::kRemapUnknownEncoding, {layer.name, compressionName}));
    }
    if (compression != nullptr && !layer.format.base64) {
      return Fail(Text(Message::kRemapUnknownEncoding, {layer.name, compressionName}));
    }
    const std::vector<std::size_t> chunks = dataElement.Children(elements, "chunk");
    if (infinite != 0 || !chunks.empty()) {
      for (const std::size_t chunk : chunks) {
        MapPayload payload;
        payload.element = chunk;
        long long x = 0, y = 0, w = 0, h = 0;
        if (!IntAttribute(elements[chunk], "x", 0, x) || !IntAttribute(elements[chunk], "y", 0, y) ||
            !IntAttribute(elements[chunk], "width", 0, w) ||
            !IntAttribute(elements[chunk], "height", 0, h) || w < 0 || h < 0 ||
            w * h > kMaxLayerCells || x < -(1LL << 30) || x > (1LL << 30) || y < -(1LL << 30) ||
            y > (1LL << 30)) {
          return Fail(Text(Message::kRemapBadLayerSize, {layer.name}));
        }
        payload.x = static_cast<int>(x);
        payload.y = static_cast<int>(y);
        payload.width = static_cast<int>(w);
        payload.height = static_cast<int>(h);
        if (!TileElements(layer, payload)) return false;
        layer.payloads.push_back(std::move(payload));
      }
    } else {
      MapPayload payload;
      payload.element = data[0];
      payload.width = static_cast<int>(width);
      payload.height = static_cast<int>(height);
      if (!TileElements(layer, payload)) return false;
      layer.payloads.push_back(std::move(payload));
    }
    map.layers.push_back(std::move(layer));
    return true;
  }

  // The <tile> elements of a payload without encoding: one per cell.
  bool TileElements(const MapLayer& layer, MapPayload& payload) {
    if (!layer.tileElements) return true;
    const XmlElement& element = map.document.Elements()[payload.element];
    payload.tiles = element.Children(map.document.Elements(), "tile");
    if (static_cast<long long>(payload.tiles.size()) !=
        static_cast<long long>(payload.width) * payload.height) {
      return Fail(Text(Message::kRemapWrongCellCount,
                       {layer.name, std::to_string(payload.width) + " x " +
                                        std::to_string(payload.height),
                        std::to_string(payload.tiles.size())}));
    }
    return true;
  }

  TiledMap& map;
  std::string& reason;
  long long infinite = 0;
  long long mapWidth = 0;
  long long mapHeight = 0;
  long long level = -1;
};

}  // namespace

bool IntAttribute(const XmlElement& element, const char* name, long long fallback,
                  long long& value) {
  const XmlAttribute* attribute = element.Attribute(name);
  if (attribute == nullptr) {
    value = fallback;
    return true;
  }
  const std::string& text = attribute->value;
  std::size_t i = !text.empty() && text[0] == '-' ? 1 : 0;
  if (i == text.size() || text.size() - i > 10) return false;
  long long parsed = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    parsed = parsed * 10 + (text[i] - '0');
  }
  value = text[0] == '-' ? -parsed : parsed;
  return true;
}

bool ReadXmlFile(const std::string& path, XmlDocument& document, std::string& reason) {
  if (FileSizeOf(path) > static_cast<long long>(kMaxFileBytes)) {
    reason = Text(Message::kRemapFileTooLarge, {path});
    return false;
  }
  std::string bytes;
  const FileResult read = ReadFileBytes(path, bytes);
  if (!read) {
    reason = WithFileFailure(Text(Message::kRemapCannotRead, {path}), read);
    return false;
  }
  const std::size_t first = bytes.find_first_not_of(" \t\r\n\xEF\xBB\xBF");
  if (first != std::string::npos && (bytes[first] == '{' || bytes[first] == '[')) {
    reason = Text(Message::kRemapJsonMap, {path});
    return false;
  }
  std::string why;
  if (!ReadXmlDocument(std::move(bytes), document, why)) {
    reason = Text(Message::kRemapNotXml, {path, why});
    return false;
  }
  return true;
}

bool ReadTiledMap(const std::string& path, TiledMap& map, std::string& reason) {
  map = TiledMap();
  map.path = path;
  map.folder = FolderPart(path);
  if (EndsWith(path, ".tmj") || EndsWith(path, ".json")) {
    reason = Text(Message::kRemapJsonMap, {path});
    return false;
  }
  if (!ReadXmlFile(path, map.document, reason)) return false;
  return MapReader(map, reason).Read();
}
