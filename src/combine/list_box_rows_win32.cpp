#include "combine/list_box_rows_win32.h"

#include "common/wide_win32.h"

int ListBoxRows::Count() const {
  const LRESULT count = SendMessageW(listBox, LB_GETCOUNT, 0, 0);
  return count == LB_ERR ? 0 : static_cast<int>(count);
}

std::string ListBoxRows::TextAt(int index) const {
  const LRESULT length = SendMessageW(listBox, LB_GETTEXTLEN, index, 0);
  if (length == LB_ERR) return std::string();
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied =
      SendMessageW(listBox, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
  return Utf8(text);
}

bool ListBoxRows::InsertAt(int index, const std::string& text) {
  // LB_INSERTSTRING puts the row where it is asked, whatever the sort style.
  const LRESULT at =
      SendMessageW(listBox, LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(Wide(text).c_str()));
  return at != LB_ERR && at != LB_ERRSPACE;
}

void ListBoxRows::DeleteAt(int index) { SendMessageW(listBox, LB_DELETESTRING, index, 0); }

void ListBoxRows::DeleteAll() { SendMessageW(listBox, LB_RESETCONTENT, 0, 0); }

int ListBoxRows::Selected() const {
  const LRESULT selected = SendMessageW(listBox, LB_GETCURSEL, 0, 0);
  return selected == LB_ERR ? kNoSelection : static_cast<int>(selected);
}

void ListBoxRows::Select(int index) { SendMessageW(listBox, LB_SETCURSEL, index, 0); }
