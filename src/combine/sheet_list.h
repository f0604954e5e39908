#pragma once

#include <memory>
#include <string>
#include <vector>

#include "combine/sheet_rows.h"
#include "image/image.h"

// A file that could not be added to the list, and why.
struct SheetLoadFailure {
  std::string path;
  std::string reason;
};

// The combine list: the sheets in their order, each shown as one row.
// Sheet i belongs to row i at all times; rows are only ever inserted at an
// explicit position, never sorted by the control that shows them.
class SheetList {
 public:
  SheetList() = default;
  SheetList(const SheetList&) = delete;
  SheetList& operator=(const SheetList&) = delete;

  // Shows the list in rows (not owned), the window's list box while it is
  // open; nullptr returns to rows kept by the list itself. Only while the
  // list is empty, so that sheets and rows still match.
  void ShowIn(SheetRows* rows);
  SheetRows& Rows() { return *listControl; }
  const SheetRows& Rows() const { return *listControl; }

  // The number of sheets, as the rows count them.
  int Count() const { return listControl->Count(); }
  const std::vector<std::unique_ptr<IImage>>& Sheets() const { return sheets; }

  // Loads the image at path, makes the colour of its palette entry 0
  // transparent and appends it as a new last row named after the file part
  // of path. Throws InvalidImageError when the file cannot be loaded,
  // std::bad_alloc when the rows have no room for it; the
  // list is then unchanged.
  void AddSheetFromFile(const std::string& path);

  // AddSheetFromFile for each path in order; a file that cannot be loaded
  // is passed over and reported, and the others are still added.
  std::vector<SheetLoadFailure> AddSheetsFromFiles(const std::vector<std::string>& paths);

  // Moves the selected sheet and its row one place up (-1) or down (+1) and
  // keeps it selected; nothing changes at either end or without a selection.
  void MoveSelection(int direction);

  // Removes the selected sheet and its row, then selects the row that took
  // its place, or the new last row; nothing happens without a selection.
  void DeleteSelection();

  // Releases every sheet and removes every row.
  void ClearSheets();

 private:
  VectorRows ownRows;
  SheetRows* listControl = &ownRows;
  std::vector<std::unique_ptr<IImage>> sheets;
};

// What a user reads about files that could not be added: a first line and
// one line per file with its path and reason. Empty when there are none.
std::string DescribeLoadFailures(const std::vector<SheetLoadFailure>& failures);
