#include "tiled/source_tileset.h"

#include <algorithm>

#include "common/messages.h"
#include "tiled/splice.h"
#include "tiled/tiled_map.h"
#include "tiled/tiled_paths.h"

namespace {

// Attributes that the new tileset has of its own.
bool OwnAttribute(const std::string& name) {
  static const char* const kOwn[] = {"firstgid", "source",   "name",      "tilewidth",
                                     "tileheight", "spacing", "margin",   "tilecount",
                                     "columns",   "version",  "tiledversion"};
  return std::find(std::begin(kOwn), std::end(kOwn), name) != std::end(kOwn);
}

// The elements inside element, in document order (they follow it).
std::vector<std::size_t> Descendants(const std::vector<XmlElement>& elements, std::size_t element) {
  std::vector<std::size_t> found;
  for (std::size_t i = element + 1;
       i < elements.size() && elements[i].begin < elements[element].end; ++i) {
    found.push_back(i);
  }
  return found;
}

// A tile id as written, or -1 where there is none.
int IdOf(const XmlElement& element, const char* attribute) {
  long long id = -1;
  if (!IntAttribute(element, attribute, -1, id) || id < -1 || id > 0x0FFFFFFF) return -1;
  return static_cast<int>(id);
}

// The blanks before element on its line.
std::size_t IndentOf(const std::string& bytes, std::size_t begin) {
  std::size_t at = begin;
  while (at > 0 && bytes[at - 1] == ' ') --at;
  return begin - at;
}

// text's lines after the first moved from indent `from` to one space.
std::string Reindented(const std::string& text, std::size_t from) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    out += text[i];
    if (text[i] != '\n') continue;
    std::size_t spaces = 0;
    while (i + 1 + spaces < text.size() && text[i + 1 + spaces] == ' ' && spaces < from) ++spaces;
    i += spaces;
    if (spaces == from) out += ' ';
    else out.append(spaces, ' ');
  }
  return out;
}

}  // namespace

void SourceTileset::FitImage(int width, int height) {
  imageWidth = width;
  imageHeight = height;
  const TiledTileset grid = TiledTilesetOf(name, std::string(), width, height, tileWidth,
                                           tileHeight, margin, spacing);
  // The tiles are those the image holds, as Tiled counts them; the columns
  // as the tileset says, where it says (it numbers the tiles).
  if (columns <= 0) columns = grid.columns;
  tileCount = grid.tileCount;
  if (columns <= 0) columns = 1;
}

std::vector<int> SourceTileset::TilesWithData() const {
  std::vector<int> ids;
  const std::vector<XmlElement>& elements = document->Elements();
  for (const std::size_t child : elements[element].Children(elements, "tile")) {
    ids.push_back(IdOf(elements[child], "id"));
  }
  for (const std::size_t inside : Descendants(elements, element)) {
    if (elements[inside].name == "wangtile") ids.push_back(IdOf(elements[inside], "tileid"));
  }
  std::sort(ids.begin(), ids.end());
  ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
  ids.erase(std::remove(ids.begin(), ids.end(), -1), ids.end());
  return ids;
}

const std::vector<int>& SourceTileset::AnimationFrames(int id) const {
  static const std::vector<int> kNone;
  const auto found = animations.find(id);
  return found != animations.end() ? found->second : kNone;
}

void SourceTileset::CarryInto(TiledTileset& tileset,
                              const std::function<int(int)>& newId) const {
  const std::vector<XmlElement>& elements = document->Elements();
  const std::string& bytes = document->Bytes();
  const XmlElement& root = elements[element];
  for (const XmlAttribute& attribute : root.attributes) {
    if (!OwnAttribute(attribute.name)) {
      tileset.attributes += " " + attribute.name + "=\"" + XmlAttributeText(attribute.value) + "\"";
    }
  }
  // An id in a value: the new one, or -1 for a tile the tileset lacks.
  const auto renumbered = [&](const XmlElement& holder, const char* name) {
    const XmlAttribute& attribute = *holder.Attribute(name);
    const int id = IdOf(holder, name);
    return Splice{attribute.valueBegin, attribute.valueEnd,
                  std::to_string(id >= 0 ? newId(id) : -1)};
  };
  for (const XmlContent& item : root.content) {
    if (!item.isElement) continue;
    const XmlElement& child = elements[item.index];
    if (child.name == "image") {
      for (const XmlAttribute& attribute : child.attributes) {
        if (attribute.name != "source" && attribute.name != "width" &&
            attribute.name != "height" && attribute.name != "format") {
          tileset.imageAttributes +=
              " " + attribute.name + "=\"" + XmlAttributeText(attribute.value) + "\"";
        }
      }
      continue;
    }
    std::vector<Splice> splices;
    if (child.name == "tile") {
      if (newId(IdOf(child, "id")) < 0) continue;
      splices.push_back(renumbered(child, "id"));
    }
    for (const std::size_t inside : Descendants(elements, item.index)) {
      const XmlElement& element = elements[inside];
      const bool dropsOut = (element.name == "frame" || element.name == "wangtile");
      const char* idName =
          dropsOut ? "tileid"
          : element.name == "wangset" || element.name == "wangcolor" || element.name == "terrain"
              ? "tile"
              : nullptr;
      const XmlAttribute* id = idName != nullptr ? element.Attribute(idName) : nullptr;
      if (id == nullptr) continue;
      const int renumberedId = newId(IdOf(element, idName));
      if (dropsOut && renumberedId < 0) {
        splices.push_back({LineStartBefore(bytes, element.begin), element.end, std::string()});
      } else {
        splices.push_back(renumbered(element, idName));
      }
    }
    // A dropped element takes any renumbering inside it along.
    std::sort(splices.begin(), splices.end(),
              [](const Splice& a, const Splice& b) { return a.begin < b.begin; });
    std::vector<Splice> kept;
    for (Splice& splice : splices) {
      if (!kept.empty() && splice.begin < kept.back().end) continue;
      kept.push_back(std::move(splice));
    }
    const std::string text = Spliced(bytes, child.begin, child.end, std::move(kept));
    tileset.elements += " " + Reindented(text, IndentOf(bytes, child.begin)) + "\n";
  }
}

bool ReadSourceTileset(const XmlDocument& document, std::size_t element,
                       const std::string& folder, SourceTileset& tileset, std::string& reason) {
  tileset = SourceTileset();
  tileset.document = &document;
  tileset.element = element;
  tileset.folder = folder;
  const std::vector<XmlElement>& elements = document.Elements();
  const XmlElement& xml = elements[element];
  if (const XmlAttribute* name = xml.Attribute("name")) tileset.name = name->value;
  long long tileWidth, tileHeight, margin, spacing, columns, tileCount;
  if (xml.name != "tileset" || !IntAttribute(xml, "tilewidth", 0, tileWidth) ||
      !IntAttribute(xml, "tileheight", 0, tileHeight) || !IntAttribute(xml, "margin", 0, margin) ||
      !IntAttribute(xml, "spacing", 0, spacing) || !IntAttribute(xml, "columns", 0, columns) ||
      !IntAttribute(xml, "tilecount", 0, tileCount) || tileWidth < 1 || tileHeight < 1 ||
      tileWidth > 65536 || tileHeight > 65536 || margin < 0 || margin > 65536 || spacing < 0 ||
      spacing > 65536 || columns < 0 || columns > 65536 || tileCount < 0 ||
      tileCount > 0x0FFFFFFF) {
    reason = Text(Message::kRemapBadTileset, {tileset.name});
    return false;
  }
  tileset.tileWidth = static_cast<int>(tileWidth);
  tileset.tileHeight = static_cast<int>(tileHeight);
  tileset.margin = static_cast<int>(margin);
  tileset.spacing = static_cast<int>(spacing);
  tileset.columns = static_cast<int>(columns);
  tileset.tileCount = static_cast<int>(tileCount);
  for (const std::size_t tile : xml.Children(elements, "tile")) {
    for (const std::size_t inside : Descendants(elements, tile)) {
      if (elements[inside].name == "frame") {
        tileset.animations[IdOf(elements[tile], "id")].push_back(IdOf(elements[inside], "tileid"));
      }
    }
  }
  const std::vector<std::size_t> images = xml.Children(elements, "image");
  if (!images.empty()) {
    const XmlElement& image = elements[images.front()];
    if (const XmlAttribute* source = image.Attribute("source")) {
      tileset.imagePath = ResolveReference(folder, source->value);
    }
    long long width = 0, height = 0;
    if (IntAttribute(image, "width", 0, width) && IntAttribute(image, "height", 0, height) &&
        width > 0 && height > 0 && width <= (1 << 20) && height <= (1 << 20)) {
      tileset.imageWidth = static_cast<int>(width);
      tileset.imageHeight = static_cast<int>(height);
    }
  }
  return true;
}
