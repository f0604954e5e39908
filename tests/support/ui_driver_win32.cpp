#include "support/ui_driver_win32.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <atomic>
#include <cstring>
#include <thread>

namespace {

struct Search {
  std::string caption;
  HWND found = nullptr;
};

BOOL CALLBACK FindByCaption(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<Search*>(parameter);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId() || !IsWindowVisible(window)) return TRUE;
  if (WindowText(window) != search->caption) return TRUE;
  search->found = window;
  return FALSE;
}

BOOL CALLBACK CloseOwnWindow(HWND window, LPARAM) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId() && IsWindowVisible(window)) {
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    PostMessageA(window, WM_CLOSE, 0, 0);
  }
  return TRUE;
}

}  // namespace

void RunWithDriver(const std::function<void()>& modal, const std::function<void()>& script,
                   DWORD timeoutMs) {
  std::atomic<bool> scriptDone{false};
  std::thread driver([&] {
    script();
    scriptDone = true;
  });
  std::atomic<bool> modalDone{false};
  std::atomic<bool> timedOut{false};
  std::thread watchdog([&] {
    const DWORD start = GetTickCount();
    while (!(modalDone && scriptDone)) {
      if (GetTickCount() - start > timeoutMs) {
        timedOut = true;
        EnumWindows(CloseOwnWindow, 0);
      }
      Sleep(50);
    }
  });
  modal();
  modalDone = true;
  driver.join();
  watchdog.join();
  if (timedOut) ADD_FAILURE() << "the dialogs did not finish in time and were closed";
}

HWND WaitForWindow(const std::string& caption, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    Search search{caption, nullptr};
    EnumWindows(FindByCaption, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) return search.found;
    if (GetTickCount() - start > timeoutMs) return nullptr;
    Sleep(20);
  }
}

bool WaitUntilGone(HWND window, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (IsWindow(window) && IsWindowVisible(window)) {
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(20);
  }
  return true;
}

std::string WindowText(HWND window) {
  // With a time limit: the window's thread may be busy or waiting.
  DWORD_PTR length = 0;
  SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 5000, &length);
  std::string text(length + 1, '\0');
  SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_NORMAL, 5000, nullptr);
  text.resize(std::strlen(text.c_str()));
  return text;
}

std::string ControlText(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  return control == nullptr ? "<no control>" : WindowText(control);
}

std::string MessageBoxText(HWND box) { return ControlText(box, 0xFFFF); }

void PressButton(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::string AnswerMessageBox(const std::string& caption, int button, DWORD timeoutMs) {
  HWND box = WaitForWindow(caption, timeoutMs);
  if (box == nullptr) return "<no box>";
  const std::string text = MessageBoxText(box);
  PressButton(box, button);
  WaitUntilGone(box);
  return text;
}

void DropFiles(HWND window, const std::vector<std::string>& paths) {
  std::size_t size = sizeof(DROPFILES) + 1;
  for (const std::string& path : paths) size += path.size() + 1;
  HGLOBAL memory = GlobalAlloc(GHND, size);
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = FALSE;
  char* names = reinterpret_cast<char*>(drop) + sizeof(DROPFILES);
  for (const std::string& path : paths) {
    std::memcpy(names, path.c_str(), path.size() + 1);
    names += path.size() + 1;
  }
  *names = '\0';
  GlobalUnlock(memory);
  PostMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

void ClickAt(HWND window, int x, int y) {
  PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void ScrollBy(HWND dialog, int id, int code, int position) {
  HWND bar = GetDlgItem(dialog, id);
  const UINT message = (GetWindowLongA(bar, GWL_STYLE) & SBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
  PostMessageA(dialog, message, MAKEWPARAM(code, position), reinterpret_cast<LPARAM>(bar));
}

int ScrollPosition(HWND dialog, int id) {
  Settle(dialog);
  SCROLLINFO info = {sizeof info, SIF_POS, 0, 0, 0, 0, 0};
  GetScrollInfo(GetDlgItem(dialog, id), SB_CTL, &info);
  return info.nPos;
}

void Settle(HWND window) { SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr); }
