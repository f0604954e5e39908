#include <string>

#include "common/path.h"
#include "common/user_prompt.h"
#include "convert/image_processor.h"
#include "convert/output_folder.h"
#include "convert/process_log.h"
#include "image/image.h"

namespace {

// The piece number with one "0" in front while it is below 10.
std::string PieceNumber(int counter) { return (counter < 10 ? "0" : "") + std::to_string(counter); }

}  // namespace

std::string ImageProcessor::UnwritableCanvas(const IImage& canvas, int width, int height) const {
  const std::string rule = "規則[" + ruleName + "]";
  const std::string size = std::to_string(width) + " x " + std::to_string(height);
  // No pixels: a NewSize below 1, or a Clip outside the image.
  if (width < 1 || height < 1) {
    return rule + "の画像の大きさ（" + size +
           "）が正しくないため保存できません（NewSizeとClipを確かめて下さい）";
  }
  if (canvas.GetWidth() != width || canvas.GetHeight() != height) {
    return rule + "の画像（" + size + "）が大きすぎるため保存できません";
  }
  if (width / fileDiv.columns < 1 || height / fileDiv.rows < 1) {
    return rule + "のFileDivが画像より細かいため保存できません";
  }
  return std::string();
}

void ImageProcessor::WriteOutputs(const IImage& canvas, const std::string& sourceName, int width,
                                  int height) {
  // Images cut out of others have no name and write nothing.
  if (sourceName.empty()) return;

  // A canvas that gives no piece is reported before any folder is made.
  ProcessLog& log = ProcessLog::Instance();
  const std::string unwritable = UnwritableCanvas(canvas, width, height);
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

  // A remainder strip of the canvas is not written.
  const int pieceWidth = width / fileDiv.columns;
  const int pieceHeight = height / fileDiv.rows;
  const bool numbered = static_cast<long long>(fileDiv.columns) * fileDiv.rows > 1;
  int counter = 0;
  for (int row = 0; row < fileDiv.rows; ++row) {
    for (int column = 0; column < fileDiv.columns; ++column) {
      const std::unique_ptr<IImage> piece =
          canvas.Clip(column * pieceWidth, row * pieceHeight, pieceWidth, pieceHeight, "");
      const std::string name = baseName + kPathSeparator + "[V]" + baseName + nameFoot +
                               (numbered ? PieceNumber(counter++) : "") + ".png";
      const std::string path = folderPart + kPathSeparator + name;
      const bool saved = piece->Save(path);
      lastOutputPath = path;
      if (saved) {
        log.WriteLine(ProcessLog::kReportChannel, name);
      } else {
        log.WriteLine(ProcessLog::kErrorChannel, "保存できませんでした:" + path);
      }
    }
  }
}
