#include "classify/select_dialog_win32.h"

#include "common/app_context.h"
#include "common/messages.h"
#include "common/user_prompt.h"
#include "common/wide_win32.h"
#include "common/window_text_win32.h"

std::string selectFileName;
std::vector<std::string> selectCandidates;

namespace {

// Tall enough that the drop-down list shows many candidates at once.
constexpr int kCandidateListHeight = 1000;

void FillDialog(HWND dialog) {
  SetDialogTexts(dialog, Message::kSelectCaption,
                 {{kSelectFileNameLabel, Message::kSelectFileNameLabel},
                  {kSelectKindGroup, Message::kSelectKindGroup},
                  {kSelectPromptText, Message::kSelectPrompt},
                  {kSelectNotListedText, Message::kSelectNotListed},
                  {IDOK, Message::kOk},
                  {kSelectSkipButton, Message::kCancel}});
  SetItemText(dialog, kSelectFileNameText, selectFileName);
  HWND box = GetDlgItem(dialog, kSelectCandidateBox);
  RECT rect = {};
  GetWindowRect(box, &rect);
  SetWindowPos(box, nullptr, 0, 0, rect.right - rect.left, kCandidateListHeight,
               SWP_NOMOVE | SWP_NOZORDER);
  for (const std::string& candidate : selectCandidates) {
    SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(candidate).c_str()));
  }
  SendMessageW(box, CB_SETCURSEL, 0, 0);
}

bool Confirm(HWND dialog, const std::string& text) {
  return ShowMessage(dialog, text, Text(Message::kSelectConfirmCaption), MB_YESNO) == IDYES;
}

}  // namespace

INT_PTR CALLBACK SelectDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    FillDialog(dialog);
    return TRUE;
  }
  if (message != WM_COMMAND) return FALSE;
  switch (LOWORD(wParam)) {
    case IDOK:
      // No selected entry (text typed into the edit field) skips the file.
      EndDialog(dialog, SendDlgItemMessageW(dialog, kSelectCandidateBox, CB_GETCURSEL, 0, 0));
      break;
    case kSelectSkipButton:
      if (Confirm(dialog, Text(Message::kSelectSkipQuestion, {selectFileName}))) {
        EndDialog(dialog, UserPrompt::kSkipFile);
      }
      break;
    case IDCANCEL:
      if (Confirm(dialog, Text(Message::kSelectStopQuestion))) {
        EndDialog(dialog, UserPrompt::kStopAdding);
      }
      break;
    default:
      break;
  }
  return TRUE;
}

int RunSelectDialog() {
  const AppContext& context = AppContext::Instance();
  return static_cast<int>(
      DialogBoxParamW(context.moduleHandle, L"SELECT", context.mainWindow, SelectDialogProc, 0));
}
