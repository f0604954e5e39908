#pragma once

#include <windows.h>

#include "combine/sheet_rows.h"

// The combine list's rows in a single-selection list box.
class ListBoxRows final : public SheetRows {
 public:
  explicit ListBoxRows(HWND listBox = nullptr) : listBox(listBox) {}
  void Attach(HWND control) { listBox = control; }

  int Count() const override;
  std::string TextAt(int index) const override;
  bool InsertAt(int index, const std::string& text) override;
  void DeleteAt(int index) override;
  void DeleteAll() override;
  int Selected() const override;
  void Select(int index) override;

 private:
  HWND listBox;
};
