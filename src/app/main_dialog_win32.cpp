#include "app/main_dialog_win32.h"

#include <shellapi.h>

#include <string>
#include <vector>

#include "app/batch_run_win32.h"
#include "app/rule_editor_win32.h"
#include "classify/classify.h"
#include "classify/list_text.h"
#include "common/app_context.h"
#include "common/centre_window_win32.h"
#include "common/file_choosers_win32.h"
#include "common/messages.h"
#include "common/window_text_win32.h"
#include "convert/run_state.h"

namespace {

void RefreshListText(HWND dialog) { SetItemText(dialog, kListText, BuildListText()); }

void Start(HWND dialog) {
  RunState& run = RunState::Instance();
  if (run.jobs.empty()) {
    ShowMessage(dialog, Text(Message::kNothingToRun), Text(Message::kNothingToRunCaption), MB_OK);
    return;
  }
  run.autoTransparent = IsDlgButtonChecked(dialog, kChooseTransparencyCheck) != BST_CHECKED;
  const bool more = RunBatch();
  run.ClearList();
  RefreshListText(dialog);
  if (!more) EndDialog(dialog, 0);
}

void Close(HWND dialog) {
  if (!RunState::Instance().jobs.empty() &&
      ShowMessage(dialog, Text(Message::kConfirmExit), Text(Message::kConfirmExitCaption),
                  MB_YESNO) != IDYES) {
    return;
  }
  EndDialog(dialog, 0);
}

void OpenFile(HWND dialog) {
  const std::string path = ChooseOpenFile(dialog);
  if (path.empty()) return;
  AddFiles({path});
  RefreshListText(dialog);
}

void AddDropped(HWND dialog, HDROP drop) {
  std::vector<std::string> paths;
  GetDroppedFiles(drop, paths);
  if (paths.empty()) return;
  AddFiles(paths);
  RefreshListText(dialog);
}

}  // namespace

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      SetDialogTexts(dialog, Message::kMainCaption,
                     {{kListLabel, Message::kMainListLabel},
                      {kAddLabel, Message::kMainAddLabel},
                      {kOpenFileButton, Message::kOpenFile},
                      {kOrLabel, Message::kMainOr},
                      {kDropHint, Message::kMainDropHint},
                      {kDropManyHint, Message::kMainDropMany},
                      {kClearListButton, Message::kMainClearList},
                      {kChooseTransparencyCheck, Message::kMainChooseTransparency},
                      {kCombineMapsCheck, Message::kMainCombineMaps},
                      {IDOK, Message::kStart},
                      {IDCANCEL, Message::kCancel},
                      {kEditRulesButton, Message::kEditRulesButton}});
      AppContext::Instance().mainWindow = dialog;
      DragAcceptFiles(dialog, TRUE);
      RunState::Instance().ClearList();
      CentreWindow(dialog);
      RefreshListText(dialog);
      return TRUE;
    case WM_DROPFILES:
      AddDropped(dialog, reinterpret_cast<HDROP>(wParam));
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK:
          Start(dialog);
          return TRUE;
        case IDCANCEL:
          Close(dialog);
          return TRUE;
        case kOpenFileButton:
          OpenFile(dialog);
          return TRUE;
        case kEditRulesButton:
          OpenRuleEditor(dialog);
          RefreshListText(dialog);
          return TRUE;
        case kClearListButton:
          RunState::Instance().ClearList();
          RefreshListText(dialog);
          return TRUE;
        default:
          return FALSE;
      }
    default:
      return FALSE;
  }
}
