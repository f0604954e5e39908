#pragma once

#include <string>
#include <vector>

// The rows that show the combine list: one display name per sheet, in list
// order, with at most one selected row. On Windows they are the combiner
// window's list box; the command line and the tests keep them in memory.
class SheetRows {
 public:
  static constexpr int kNoSelection = -1;

  virtual ~SheetRows() = default;

  virtual int Count() const = 0;
  virtual std::string TextAt(int index) const = 0;
  // Inserts text as row index (0 … Count()); false when the row could not
  // be made.
  virtual bool InsertAt(int index, const std::string& text) = 0;
  virtual void DeleteAt(int index) = 0;
  virtual void DeleteAll() = 0;
  // The selected row, or kNoSelection.
  virtual int Selected() const = 0;
  // Selects row index; kNoSelection clears the selection.
  virtual void Select(int index) = 0;
};

// Rows kept in memory. Like a list box, a selected row keeps its selection
// when rows are inserted or deleted before it, and loses it when deleted.
class VectorRows final : public SheetRows {
 public:
  int Count() const override { return static_cast<int>(rows.size()); }
  std::string TextAt(int index) const override;
  bool InsertAt(int index, const std::string& text) override;
  void DeleteAt(int index) override;
  void DeleteAll() override;
  int Selected() const override { return selected; }
  void Select(int index) override;

 private:
  std::vector<std::string> rows;
  int selected = kNoSelection;
};
