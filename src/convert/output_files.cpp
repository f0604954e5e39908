#include <string>

#include "common/file_replacement.h"
#include "common/messages.h"
#include "common/path.h"
#include "common/user_prompt.h"
#include "convert/autotile_masks.h"
#include "convert/image_processor.h"
#include "convert/index_table.h"
#include "convert/nested_rules.h"
#include "convert/output_folder.h"
#include "convert/process_log.h"
#include "convert/rule_layout.h"
#include "convert/run_context.h"
#include "convert/tiled_tileset.h"
#include "image/image.h"

std::string ImageProcessor::UnwritableCanvas(const IImage& canvas, const RuleLayout& layout) const {
  const int width = layout.canvas.width;
  const int height = layout.canvas.height;
  const std::string size = std::to_string(width) + " x " + std::to_string(height);
  // No pixels: a NewSize below 1, or a Clip outside the image.
  if (width < 1 || height < 1) {
    return Text(Message::kCanvasSizeWrong, {ruleName, size});
  }
  if (canvas.GetWidth() != width || canvas.GetHeight() != height) {
    return Text(Message::kCanvasTooLarge, {ruleName, size});
  }
  if (layout.piece.width < 1 || layout.piece.height < 1) {
    return Text(Message::kFileDivFinerThanCanvas, {ruleName});
  }
  return std::string();
}

void ImageProcessor::WriteOutputs(const IImage& canvas, const std::string& sourceName,
                                  const RuleLayout& layout, RuleChain& chain) {
  // Images cut out of others have no name and write nothing.
  if (sourceName.empty()) return;

  // A canvas that gives no piece is reported before any folder is made.
  ProcessLog& log = chain.context.log;
  const std::string unwritable = UnwritableCanvas(canvas, layout);
  if (!unwritable.empty()) {
    log.WriteLine(ProcessLog::kErrorChannel, unwritable);
    return;
  }

  const std::string folderPart = FolderPart(sourceName);
  const std::string baseName = BaseName(sourceName);
  const std::string folder = OutputFolderOf(sourceName);
  const FileResult made = CreateOutputFolder(folder);
  if (made.failure == FileFailure::kNameTooLong) {
    // These words are the reason already.
    CurrentUserPrompt().ShowNotice(Text(Message::kFolderNameTooLong, {folder}));
    return;
  }
  if (!made) {
    CurrentUserPrompt().ShowNotice(
        WithFileFailure(Text(Message::kFolderNotCreated, {folder}), made));
    return;
  }

  // Each file is listed by its name in the folder, or named with its whole
  // path and the reason where it could not be written.
  auto report = [&](const std::string& name, const std::string& path, const FileResult& saved) {
    if (saved) {
      log.WriteLine(ProcessLog::kReportChannel, name);
    } else {
      log.WriteLine(ProcessLog::kErrorChannel,
                    WithFileFailure(Text(Message::kSaveFailed, {path}), saved));
    }
  };
  for (long long index = 0; index < layout.PieceCount(); ++index) {
    const Rect area = layout.PieceRect(index);
    const std::unique_ptr<IImage> piece = canvas.Clip(area.x, area.y, area.width, area.height, "");
    const std::string name = baseName + kPathSeparator + layout.PieceFileName(baseName, index);
    const std::string path = folderPart + kPathSeparator + name;
    const FileResult saved = SavePiece(*piece, path, chain);
    lastOutputPath = path;
    report(name, path, saved);
    if (saved && chain.context.writeTilesets) {
      const std::string pieceName = layout.PieceFileName(baseName, index);
      const std::string tileset = baseName + kPathSeparator + BaseName(pieceName) + ".tsx";
      const std::string tilesetPath = folderPart + kPathSeparator + tileset;
      if (const auto written = WriteTileset(pieceName, tilesetPath, layout, index, log)) {
        report(tileset, tilesetPath, *written);
      }
    }
  }

  if (chain.context.writeIndexTable) {
    const std::string name = baseName + kPathSeparator + layout.IndexTableFileName(baseName);
    const std::string path = folderPart + kPathSeparator + name;
    // The cells an Individual rule returned are no longer the source's pixels.
    const bool cellsAsCut = individualRule.empty();
    report(name, path, WriteFileReplacing(path, [&](std::FILE* file) {
             return WriteIndexTable(file, layout, baseName, cellsAsCut);
           }));
  }
}

std::optional<FileResult> ImageProcessor::WriteTileset(const std::string& pieceName,
                                                      const std::string& path,
                                                      const RuleLayout& layout, long long piece,
                                                      ProcessLog& log) const {
  const Size tile = tileSize ? *tileSize : layout.slot;
  const Rect area = layout.PieceRect(piece);
  if (tile.width < 1 || tile.height < 1 || area.width % tile.width != 0 ||
      area.height % tile.height != 0) {
    log.WriteLine(ProcessLog::kReportChannel,
                  Text(Message::kTilesetNotWholeTiles,
                       {pieceName, std::to_string(area.width) + " x " + std::to_string(area.height),
                        std::to_string(tile.width) + " x " + std::to_string(tile.height)}));
    return std::nullopt;
  }
  TiledTileset tileset = TiledTilesetOf(BaseName(pieceName), pieceName, area.width, area.height,
                                        tile.width, tile.height);
  if (terrain) {
    // Each tile's variant from the layout's table, where the canvas has it
    // at that tile; its neighbours in the mask's bits are Tiled's order.
    const AutotileTable& table = AutotileTableOf(*terrain);
    std::vector<TiledWangTile> tiles;
    for (int id = 0; id < tileset.tileCount; ++id) {
      const int column = area.x / tile.width + id % tileset.columns;
      const int row = area.y / tile.height + id / tileset.columns;
      if (column >= table.columns || row >= table.rows) continue;
      const int mask = table.MaskAt(column, row);
      if (mask == AutotileTable::kNoVariant) continue;
      TiledWangTile wang{id, {}};
      for (std::size_t side = 0; side < wang.wangId.size(); ++side) {
        wang.wangId[side] = mask >> side & 1;
      }
      tiles.push_back(wang);
    }
    tileset.elements = TiledWangSetElements(
        ruleName, *terrain == AutotileLayout::kWang16 ? "edge" : "mixed", tiles);
  }
  return WriteBytesReplacing(path, TiledTilesetText(tileset));
}

FileResult ImageProcessor::SavePiece(const IImage& piece, const std::string& path,
                                     RuleChain& chain) const {
  if (!keepPalette) return piece.Save(path);
  if (piece.HasPaletteIndices()) return piece.SaveWithPalette(path);
  // A source without palette, or cells that an Individual rule returned
  // without their indices.
  if (chain.FirstPaletteNotice()) {
    // Said once per source file.
    chain.context.log.WriteLine(ProcessLog::kReportChannel, Text(Message::kPaletteNotKept));
  }
  return piece.Save(path);
}
