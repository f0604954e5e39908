#include <string>

#include "common/path.h"
#include "common/user_prompt.h"
#include "convert/image_processor.h"
#include "convert/output_folder.h"
#include "convert/process_log.h"
#include "image/image.h"

namespace {

// The piece number with one "0" in front while it is below 10.
std::string PieceNumber(int counter) {
  return (counter < 10 ? "0" : "") + std::to_string(counter);
}

}  // namespace

void ImageProcessor::WriteOutputs(const IImage& canvas, const std::string& sourceName, int width,
                                  int height) {
  // Images cut out of others have no name and write nothing.
  if (sourceName.empty()) return;

  const std::string folderPart = FolderPart(sourceName);
  const std::string baseName = BaseName(sourceName);
  const std::string folder = folderPart + kPathSeparator + baseName;
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

  // A remainder strip of the canvas is not written; pieces smaller than a
  // pixel are not written at all.
  ProcessLog& log = ProcessLog::Instance();
  const int pieceWidth = width / fileDiv.columns;
  const int pieceHeight = height / fileDiv.rows;
  if (pieceWidth < 1 || pieceHeight < 1) {
    log.WriteLine(ProcessLog::kErrorChannel,
                  "規則[" + ruleName + "]のFileDivが画像より細かいため保存できません");
    return;
  }
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
