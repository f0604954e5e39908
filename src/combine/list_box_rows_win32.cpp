#include "combine/list_box_rows_win32.h"

int ListBoxRows::Count() const {
  const LRESULT count = SendMessageA(listBox, LB_GETCOUNT, 0, 0);
  return count == LB_ERR ? 0 : static_cast<int>(count);
}

std::string ListBoxRows::TextAt(int index) const {
  const LRESULT length = SendMessageA(listBox, LB_GETTEXTLEN, index, 0);
  if (length == LB_ERR) return std::string();
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied =
      SendMessageA(listBox, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
  return text;
}

bool ListBoxRows::InsertAt(int index, const std::string& text) {
  // LB_INSERTSTRING puts the row where it is asked, whatever the sort style.
  const LRESULT at =
      SendMessageA(listBox, LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text.c_str()));
  return at != LB_ERR && at != LB_ERRSPACE;
}

void ListBoxRows::DeleteAt(int index) { SendMessageA(listBox, LB_DELETESTRING, index, 0); }

void ListBoxRows::DeleteAll() { SendMessageA(listBox, LB_RESETCONTENT, 0, 0); }

int ListBoxRows::Selected() const {
  const LRESULT selected = SendMessageA(listBox, LB_GETCURSEL, 0, 0);
  return selected == LB_ERR ? kNoSelection : static_cast<int>(selected);
}

void ListBoxRows::Select(int index) { SendMessageA(listBox, LB_SETCURSEL, index, 0); }
