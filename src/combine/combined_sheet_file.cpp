#include "combine/combined_sheet_file.h"

#include "combine/composition.h"
#include "combine/sheet_list.h"
#include "common/messages.h"

std::vector<std::string> WriteCombinedSheet(const std::vector<std::string>& paths, int width,
                                            const std::string& output) {
  std::vector<std::string> problems;
  SheetList list;
  for (const SheetLoadFailure& failure : list.AddSheetsFromFiles(paths)) {
    problems.push_back(Text(Message::kCombineCannotRead, {failure.path, failure.reason}));
  }
  if (!problems.empty()) return problems;

  const std::unique_ptr<IImage> combined = ComposeSheets(list.Sheets(), width);
  if (combined == nullptr || combined->GetWidth() == 0) {
    const int height = ComputeStackHeight(list.Sheets(), list.Count(), width);
    problems.push_back(
        Text(Message::kCombineTooLarge, {std::to_string(width), std::to_string(height)}));
  } else if (const FileResult saved = combined->Save(output); !saved) {
    problems.push_back(WithFileFailure(Text(Message::kCombineCannotWrite, {output}), saved));
  }
  return problems;
}
