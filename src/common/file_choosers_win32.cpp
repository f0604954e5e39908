#include "common/file_choosers_win32.h"

#include <commdlg.h>
#include <shellapi.h>

#include "common/app_context.h"
#include "common/messages.h"
#include "common/wide_win32.h"

namespace {

constexpr DWORD kPathBufferSize = 5120;

// Each dialog keeps its buffers for the life of the process, so that it
// opens on the file chosen last time.
struct ChooserBuffers {
  wchar_t path[kPathBufferSize];
  wchar_t title[kPathBufferSize];
};
ChooserBuffers openBuffers;
ChooserBuffers saveBuffers;

// filter holds the pairs of name and pattern, each ended by "\0".
std::string Choose(HWND owner, ChooserBuffers& buffers, const std::string& filter,
                   const std::string& title, const wchar_t* defaultExtension, DWORD flags,
                   bool save) {
  const std::wstring wideFilter = Wide(filter);
  const std::wstring wideTitle = Wide(title);
  OPENFILENAMEW dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = wideFilter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = buffers.path;
  dialog.nMaxFile = kPathBufferSize;
  dialog.lpstrFileTitle = buffers.title;
  dialog.nMaxFileTitle = kPathBufferSize;
  dialog.Flags = flags;
  dialog.lpstrTitle = wideTitle.c_str();
  dialog.lpstrDefExt = defaultExtension;
  const BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
  // The dialog moves the working directory while the user browses, also
  // when it is cancelled; the rule file and the checker texture are found
  // relative to the executable's folder.
  const std::string& home = AppContext::Instance().exeDirectory;
  if (!home.empty()) SetCurrentDirectoryW(Wide(home).c_str());
  return chosen ? Utf8(buffers.path) : std::string();
}

}  // namespace

std::string ChooseOpenFile(HWND owner) {
  const std::string filter = std::string(Text(Message::kImageFilesFilter)) + '\0' +
                             "*.jpg;*.jpeg;*.bmp;*.png;*.gif;*.tiff" + '\0' +
                             Text(Message::kAllFilesFilter) + '\0' + "*.*" + '\0' + '\0';
  return Choose(owner, openBuffers, filter, Text(Message::kOpenFile), L"jpg", OFN_FILEMUSTEXIST,
                false);
}

std::string ChooseSaveFile(HWND owner) {
  const std::string filter =
      std::string(Text(Message::kPngFilesFilter)) + '\0' + "*.png" + '\0' + '\0';
  // A save dialog that insisted on existing files could not save under a
  // new name; the folder must exist, the file need not.
  return Choose(owner, saveBuffers, filter, Text(Message::kSaveFile), L"png",
                OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT, true);
}

void GetDroppedFiles(HDROP drop, std::vector<std::string>& paths) {
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::vector<wchar_t> path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
    DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size()));
    paths.push_back(Utf8(path.data()));
  }
  DragFinish(drop);
}
