#include "combine/sheet_list.h"

#include <new>

#include "common/file_failure.h"
#include "common/messages.h"
#include "common/path.h"

void SheetList::ShowIn(SheetRows* rows) {
  if (!sheets.empty()) return;
  listControl = rows != nullptr ? rows : &ownRows;
  listControl->DeleteAll();
}

void SheetList::AddSheetFromFile(const std::string& path) {
  std::unique_ptr<IImage> sheet = OpenImage(path);
  sheet->SetTransparentFromPalette();
  sheet->DropPaletteIndices();  // combined sheets are 32-bit: indices would only cost
  sheets.push_back(std::move(sheet));
  if (!listControl->InsertAt(listControl->Count(), FilePart(path))) {
    sheets.pop_back();
    throw std::bad_alloc();
  }
}

std::vector<SheetLoadFailure> SheetList::AddSheetsFromFiles(const std::vector<std::string>& paths) {
  std::vector<SheetLoadFailure> failures;
  for (const std::string& path : paths) {
    try {
      AddSheetFromFile(path);
    } catch (const InvalidImageError& error) {
      failures.push_back({path, error.Reason() ? error.what() : FileFailureText(error.Reason())});
    } catch (const std::bad_alloc&) {
      failures.push_back({path, Text(Message::kCombineNoRoom)});
    }
  }
  return failures;
}

void SheetList::MoveSelection(int direction) {
  const int from = listControl->Selected();
  const int to = from + direction;
  if (from == SheetRows::kNoSelection || to < 0 || to >= Count()) return;
  const std::string text = listControl->TextAt(from);
  listControl->DeleteAt(from);
  listControl->InsertAt(to, text);
  listControl->Select(to);
  std::unique_ptr<IImage> sheet = std::move(sheets[from]);
  sheets.erase(sheets.begin() + from);
  sheets.insert(sheets.begin() + to, std::move(sheet));
}

void SheetList::DeleteSelection() {
  const int selected = listControl->Selected();
  if (selected == SheetRows::kNoSelection) return;
  sheets.erase(sheets.begin() + selected);
  listControl->DeleteAt(selected);
  listControl->Select(selected < Count() ? selected : selected - 1);
}

void SheetList::ClearSheets() {
  sheets.clear();
  listControl->DeleteAll();
}

std::string DescribeLoadFailures(const std::vector<SheetLoadFailure>& failures) {
  if (failures.empty()) return std::string();
  std::string text = Text(Message::kCombineNotAdded);
  for (const SheetLoadFailure& failure : failures) {
    text += "\n" + Text(Message::kCombinePathAndReason, {failure.path, failure.reason});
  }
  return text;
}
