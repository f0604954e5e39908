#include "common/file_choosers_win32.h"

#include <commdlg.h>
#include <shellapi.h>

#include "common/app_context.h"

namespace {

constexpr DWORD kPathBufferSize = 5120;

// Each dialog keeps its buffers for the life of the process, so that it
// opens on the file chosen last time.
struct ChooserBuffers {
  char path[kPathBufferSize];
  char title[kPathBufferSize];
};
ChooserBuffers openBuffers;
ChooserBuffers saveBuffers;

std::string Choose(HWND owner, ChooserBuffers& buffers, const char* filter, const char* title,
                   const char* defaultExtension, DWORD flags, bool save) {
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = buffers.path;
  dialog.nMaxFile = kPathBufferSize;
  dialog.lpstrFileTitle = buffers.title;
  dialog.nMaxFileTitle = kPathBufferSize;
  dialog.Flags = flags;
  dialog.lpstrTitle = title;
  dialog.lpstrDefExt = defaultExtension;
  const BOOL chosen = save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
  // The dialog moves the working directory while the user browses, also
  // when it is cancelled; the rule file and the checker texture are found
  // relative to the executable's folder.
  const std::string& home = AppContext::Instance().exeDirectory;
  if (!home.empty()) SetCurrentDirectoryA(home.c_str());
  return chosen ? std::string(buffers.path) : std::string();
}

}  // namespace

std::string ChooseOpenFile(HWND owner) {
  static const char filter[] =
      "画像ファイル\0*.jpg;*.jpeg;*.bmp;*.png;*.gif;*.tiff\0All files(*.*)\0*.*\0";
  return Choose(owner, openBuffers, filter, "ファイルを開く", "jpg", OFN_FILEMUSTEXIST, false);
}

std::string ChooseSaveFile(HWND owner) {
  static const char filter[] = "PNG画像ファイル {*.png}\0*.png\0";
  // A save dialog that insisted on existing files could not save under a
  // new name; the folder must exist, the file need not.
  return Choose(owner, saveBuffers, filter, "ファイルを保存する", "png",
                OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT, true);
}

void GetDroppedFiles(HDROP drop, std::vector<std::string>& paths) {
  const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    char path[kPathBufferSize] = {};
    DragQueryFileA(drop, i, path, kPathBufferSize);
    paths.emplace_back(path);
  }
  DragFinish(drop);
}
