#include "support/ui_driver_win32.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <atomic>
#include <cstring>
#include <thread>

#include "common/wide_win32.h"

namespace {

// The text control of a message box.
constexpr int kMessageBoxText = 0xFFFF;

struct Search {
  std::string caption;
  DWORD process = 0;
  bool messageBox = false;  // only a window with a message box's text
  HWND found = nullptr;
};

BOOL CALLBACK FindByCaption(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<Search*>(parameter);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != search->process || !IsWindowVisible(window)) return TRUE;
  if (WindowText(window) != search->caption) return TRUE;
  if (search->messageBox && GetDlgItem(window, kMessageBoxText) == nullptr) return TRUE;
  search->found = window;
  return FALSE;
}

HWND WaitFor(Search search, DWORD timeoutMs) {
  if (search.process == 0) search.process = GetCurrentProcessId();
  const DWORD start = GetTickCount();
  for (;;) {
    EnumWindows(FindByCaption, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) return search.found;
    if (GetTickCount() - start > timeoutMs) return nullptr;
    Sleep(20);
  }
}

BOOL CALLBACK CloseOwnWindow(HWND window, LPARAM) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId() && IsWindowVisible(window)) {
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    PostMessageW(window, WM_CLOSE, 0, 0);
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

HWND WaitForWindow(const std::string& caption, DWORD timeoutMs, DWORD process) {
  return WaitFor({caption, process, false, nullptr}, timeoutMs);
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
  SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 5000, &length);
  std::wstring text(length + 1, L'\0');
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_NORMAL, 5000, nullptr);
  return Utf8(text.c_str());
}

std::string ControlText(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  return control == nullptr ? "<no control>" : WindowText(control);
}

std::string MessageBoxText(HWND box) { return ControlText(box, kMessageBoxText); }

void PressButton(HWND dialog, int id) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

HWND WaitForMessageBox(const std::string& caption, DWORD timeoutMs, DWORD process) {
  return WaitFor({caption, process, true, nullptr}, timeoutMs);
}

std::string AnswerMessageBox(const std::string& caption, int button, DWORD timeoutMs,
                             DWORD process) {
  HWND box = WaitForMessageBox(caption, timeoutMs, process);
  if (box == nullptr) return "<no box>";
  const std::string text = MessageBoxText(box);
  PressButton(box, button);
  WaitUntilGone(box);
  return text;
}

void DropFiles(HWND window, const std::vector<std::string>& paths) {
  // The shell hands over wide names.
  std::wstring names;
  for (const std::string& path : paths) names += Wide(path) + L'\0';
  names += L'\0';
  std::string block(sizeof(DROPFILES), '\0');
  block.append(reinterpret_cast<const char*>(names.data()), names.size() * sizeof(wchar_t));
  auto* drop = reinterpret_cast<DROPFILES*>(block.data());
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;

  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  HGLOBAL handle = nullptr;
  if (process == GetCurrentProcessId()) {
    handle = GlobalAlloc(GHND, block.size());
    std::memcpy(GlobalLock(handle), block.data(), block.size());
    GlobalUnlock(handle);
  } else {
    // A memory handle means nothing in another process. There the block is
    // written into fresh pages, whose address GlobalLock takes as the handle
    // of a fixed block; the window's DragFinish cannot free it, a page that
    // stays with the process.
    HANDLE target = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, process);
    if (target == nullptr) return;
    handle =
        VirtualAllocEx(target, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (handle != nullptr) WriteProcessMemory(target, handle, block.data(), block.size(), nullptr);
    CloseHandle(target);
  }
  if (handle != nullptr) PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(handle), 0);
}

void ClickAt(HWND window, int x, int y) {
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void ScrollBy(HWND dialog, int id, int code, int position) {
  HWND bar = GetDlgItem(dialog, id);
  const UINT message = (GetWindowLongW(bar, GWL_STYLE) & SBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
  PostMessageW(dialog, message, MAKEWPARAM(code, position), reinterpret_cast<LPARAM>(bar));
}

int ScrollPosition(HWND dialog, int id) {
  Settle(dialog);
  SCROLLINFO info = {sizeof info, SIF_POS, 0, 0, 0, 0, 0};
  GetScrollInfo(GetDlgItem(dialog, id), SB_CTL, &info);
  return info.nPos;
}

std::string AnswerFileDialog(const std::string& caption, const std::string& path, DWORD timeoutMs,
                             DWORD process) {
  // The file name field of the system's open and save dialogs.
  constexpr int kFileNameField = 0x47C;
  HWND dialog = WaitForWindow(caption, timeoutMs, process);
  if (dialog == nullptr) return "<no dialog>";
  Settle(dialog);
  const std::string shown = ControlText(dialog, kFileNameField);
  if (path.empty()) {
    PressButton(dialog, IDCANCEL);
  } else {
    SendMessageTimeoutW(GetDlgItem(dialog, kFileNameField), WM_SETTEXT, 0,
                        reinterpret_cast<LPARAM>(Wide(path).c_str()), SMTO_NORMAL, 5000, nullptr);
    PressButton(dialog, IDOK);
  }
  WaitUntilGone(dialog);
  return shown;
}

namespace {

// A posted message that only Settle sends, and whether its thread took it.
constexpr LPARAM kSettleMarker = 0x5E771E;
std::atomic<bool> settleMarkerTaken{false};

LRESULT CALLBACK SeeSettleMarker(int code, WPARAM removal, LPARAM lParam) {
  const auto* message = reinterpret_cast<const MSG*>(lParam);
  if (code == HC_ACTION && removal == PM_REMOVE && message->message == WM_NULL &&
      message->lParam == kSettleMarker) {
    settleMarkerTaken = true;
  }
  return CallNextHookEx(nullptr, code, removal, lParam);
}

}  // namespace

void Settle(HWND window) {
  DWORD process = 0;
  const DWORD thread = GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId()) {
    // No hook reaches into another process: only sent messages are waited for.
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr);
    return;
  }
  // A thread takes its posted messages in order, each after the one before
  // has been handled: once it takes a marker posted last, all is done.
  settleMarkerTaken = false;
  HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, SeeSettleMarker, nullptr, thread);
  PostMessageW(window, WM_NULL, 0, kSettleMarker);
  const DWORD start = GetTickCount();
  while (!settleMarkerTaken && GetTickCount() - start < 5000) Sleep(5);
  UnhookWindowsHookEx(hook);
}

std::string AwaitControlText(HWND dialog, int id, const std::string& expected, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  std::string text = ControlText(dialog, id);
  while (text != expected && GetTickCount() - start < timeoutMs) {
    Sleep(20);
    text = ControlText(dialog, id);
  }
  return text;
}

Picture ScreenPixels(const RECT& area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ displaced = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  Picture picture{width, height, {}};
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  for (int i = 0; i < width * height; ++i) picture.pixels.push_back(0xFF000000 | pixels[i]);
  SelectObject(memory, displaced);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return picture;
}
