#include <string>

#include "common/file_replacement.h"
#include "common/path.h"
#include "common/user_prompt.h"
#include "convert/image_processor.h"
#include "convert/index_table.h"
#include "convert/nested_rules.h"
#include "convert/output_folder.h"
#include "convert/process_log.h"
#include "convert/rule_layout.h"
#include "convert/run_context.h"
#include "image/image.h"

namespace {

// Said once per source file, on the report channel.
constexpr char kPaletteNotKeptMessage[] = "パレットを保てないため、32ビットカラーで保存します";

}  // namespace

std::string ImageProcessor::UnwritableCanvas(const IImage& canvas, const RuleLayout& layout) const {
  const std::string rule = "規則[" + ruleName + "]";
  const int width = layout.canvas.width;
  const int height = layout.canvas.height;
  const std::string size = std::to_string(width) + " x " + std::to_string(height);
  // No pixels: a NewSize below 1, or a Clip outside the image.
  if (width < 1 || height < 1) {
    return rule + "の画像の大きさ（" + size +
           "）が正しくないため保存できません（NewSizeとClipを確かめて下さい）";
  }
  if (canvas.GetWidth() != width || canvas.GetHeight() != height) {
    return rule + "の画像（" + size + "）が大きすぎるため保存できません";
  }
  if (layout.piece.width < 1 || layout.piece.height < 1) {
    return rule + "のFileDivが画像より細かいため保存できません";
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
  switch (CreateOutputFolder(folder)) {
    case FolderResult::kReady:
      break;
    case FolderResult::kMissingParent:
      CurrentUserPrompt().ShowNotice("フォルダ名が長すぎます:" + folder);
      return;
    case FolderResult::kFailed:
      CurrentUserPrompt().ShowNotice(":" + folder);
      return;
  }

  // Each file is listed by its name in the folder, or named with its whole
  // path where it could not be written.
  auto report = [&](const std::string& name, const std::string& path, bool saved) {
    if (saved) {
      log.WriteLine(ProcessLog::kReportChannel, name);
    } else {
      log.WriteLine(ProcessLog::kErrorChannel, "保存できませんでした:" + path);
    }
  };
  for (long long index = 0; index < layout.PieceCount(); ++index) {
    const Rect area = layout.PieceRect(index);
    const std::unique_ptr<IImage> piece = canvas.Clip(area.x, area.y, area.width, area.height, "");
    const std::string name = baseName + kPathSeparator + layout.PieceFileName(baseName, index);
    const std::string path = folderPart + kPathSeparator + name;
    const bool saved = SavePiece(*piece, path, chain);
    lastOutputPath = path;
    report(name, path, saved);
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

bool ImageProcessor::SavePiece(const IImage& piece, const std::string& path,
                               RuleChain& chain) const {
  if (!keepPalette) return piece.Save(path);
  if (piece.HasPaletteIndices()) return piece.SaveWithPalette(path);
  // A source without palette, or cells that an Individual rule returned
  // without their indices.
  if (chain.FirstPaletteNotice()) {
    chain.context.log.WriteLine(ProcessLog::kReportChannel, kPaletteNotKeptMessage);
  }
  return piece.Save(path);
}
