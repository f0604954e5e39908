#include "combine/sheet_rows.h"

namespace {

bool InRange(int index, int count) { return index >= 0 && index < count; }

}  // namespace

std::string VectorRows::TextAt(int index) const {
  return InRange(index, Count()) ? rows[index] : std::string();
}

bool VectorRows::InsertAt(int index, const std::string& text) {
  if (index < 0 || index > Count()) return false;
  rows.insert(rows.begin() + index, text);
  if (selected != kNoSelection && index <= selected) ++selected;
  return true;
}

void VectorRows::DeleteAt(int index) {
  if (!InRange(index, Count())) return;
  rows.erase(rows.begin() + index);
  if (index == selected) {
    selected = kNoSelection;
  } else if (index < selected) {
    --selected;
  }
}

void VectorRows::DeleteAll() {
  rows.clear();
  selected = kNoSelection;
}

void VectorRows::Select(int index) { selected = InRange(index, Count()) ? index : kNoSelection; }
