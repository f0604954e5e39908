#include "convert/tiled_tileset.h"

namespace {

std::string Attribute(const char* name, const std::string& value) {
  return std::string(" ") + name + "=\"" + XmlAttributeText(value) + "\"";
}

std::string Attribute(const char* name, int value) {
  return Attribute(name, std::to_string(value));
}

// How many tiles of size fit along length after the margin, as Tiled counts.
int TilesAlong(int length, int size, int margin, int spacing) {
  if (size <= 0 || length - margin + spacing < 0) return 0;
  return (length - margin + spacing) / (size + spacing);
}

}  // namespace

std::string XmlAttributeText(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\n': out += "&#10;"; break;
      case '\r': out += "&#13;"; break;
      case '\t': out += "&#9;"; break;
      default: out += c;
    }
  }
  return out;
}

TiledTileset TiledTilesetOf(const std::string& name, const std::string& imageSource,
                            int imageWidth, int imageHeight, int tileWidth, int tileHeight,
                            int margin, int spacing) {
  TiledTileset tileset;
  tileset.name = name;
  tileset.tileWidth = tileWidth;
  tileset.tileHeight = tileHeight;
  tileset.margin = margin;
  tileset.spacing = spacing;
  tileset.columns = TilesAlong(imageWidth, tileWidth, margin, spacing);
  tileset.tileCount = tileset.columns * TilesAlong(imageHeight, tileHeight, margin, spacing);
  tileset.imageSource = imageSource;
  tileset.imageWidth = imageWidth;
  tileset.imageHeight = imageHeight;
  return tileset;
}

std::string TiledTilesetText(const TiledTileset& tileset) {
  std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<tileset version=\"1.8\" "
                     "tiledversion=\"1.8.2\"";
  text += Attribute("name", tileset.name) + Attribute("tilewidth", tileset.tileWidth) +
          Attribute("tileheight", tileset.tileHeight);
  if (tileset.spacing != 0) text += Attribute("spacing", tileset.spacing);
  if (tileset.margin != 0) text += Attribute("margin", tileset.margin);
  text += Attribute("tilecount", tileset.tileCount) + Attribute("columns", tileset.columns);
  text += tileset.attributes + ">\n";
  text += " <image" + Attribute("source", tileset.imageSource) + tileset.imageAttributes +
          Attribute("width", tileset.imageWidth) + Attribute("height", tileset.imageHeight) +
          "/>\n";
  text += tileset.elements;
  text += "</tileset>\n";
  return text;
}

std::string TiledWangSetElements(const std::string& name, const std::string& type,
                                 const std::vector<TiledWangTile>& tiles) {
  std::string text = " <wangsets>\n  <wangset" + Attribute("name", name) +
                     Attribute("type", type) + " tile=\"-1\">\n";
  text += "   <wangcolor name=\"\" color=\"#ff0000\" tile=\"-1\" probability=\"1\"/>\n";
  for (const TiledWangTile& tile : tiles) {
    std::string wangId;
    for (const int value : tile.wangId) {
      wangId += (wangId.empty() ? "" : ",") + std::to_string(value);
    }
    text += "   <wangtile" + Attribute("tileid", tile.tileId) + Attribute("wangid", wangId) + "/>\n";
  }
  text += "  </wangset>\n </wangsets>\n";
  return text;
}
