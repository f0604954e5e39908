#include "app/main_dialog_win32.h"

#include <shellapi.h>

#include <string>
#include <vector>

#include "app/batch_run_win32.h"
#include "app/findings_window_win32.h"
#include "app/rule_editor_win32.h"
#include "classify/classify.h"
#include "classify/list_text.h"
#include "common/app_context.h"
#include "common/centre_window_win32.h"
#include "common/file_choosers_win32.h"
#include "common/messages.h"
#include "common/program_options.h"
#include "common/window_text_win32.h"
#include "convert/run_state.h"
#include "ruletools/rule_check.h"
#include "setting/ini_text.h"
#include "setting/setting_store.h"

namespace {

// What the main window keeps besides its controls (one main window a
// process).
struct MainWindowState {
  const std::string* optionsPath = nullptr;  // null: the boxes are not kept
  std::vector<CheckFinding> findings;        // of the last check
  int fullHeight = 0;                        // with the problems line, in pixels
};
MainWindowState mainWindow;

// Dialog units that the problems line adds at the foot of "MAIN".
constexpr int kProblemsLineHeight = 20;

constexpr std::pair<int, bool ProgramOptions::*> kKeptBoxes[] = {
    {kChooseTransparencyCheck, &ProgramOptions::chooseTransparency},
    {kCombineMapsCheck, &ProgramOptions::combineMaps},
    {kWriteIndexTableCheck, &ProgramOptions::writeIndexTable},
    {kWriteTilesetsCheck, &ProgramOptions::writeTilesets},
};

void RestoreBoxes(HWND dialog) {
  if (mainWindow.optionsPath == nullptr) return;
  const ProgramOptions options = ReadProgramOptions(*mainWindow.optionsPath);
  for (const auto& [id, option] : kKeptBoxes) {
    CheckDlgButton(dialog, id, options.*option ? BST_CHECKED : BST_UNCHECKED);
  }
}

// The boxes as they are now, with whatever else the file holds as it was;
// a file that cannot be written loses nothing but the boxes' new state.
void KeepBoxes(HWND dialog) {
  if (mainWindow.optionsPath == nullptr) return;
  ProgramOptions options = ReadProgramOptions(*mainWindow.optionsPath);
  for (const auto& [id, option] : kKeptBoxes) {
    options.*option = IsDlgButtonChecked(dialog, id) == BST_CHECKED;
  }
  WriteProgramOptions(*mainWindow.optionsPath, options);
}

void RefreshListText(HWND dialog) { SetItemText(dialog, kListText, BuildListText()); }

// The double click on a finding: the rule editor opens at the finding's
// rule; a finding of the size table opens the editor as the button does.
void EditRuleOfFinding(HWND dialog, const CheckFinding& finding) {
  OpenRuleEditor(dialog, SameSectionName(finding.section, "Process") ? "" : finding.section);
  RefreshListText(dialog);
  RefreshRuleFileCheck(dialog);
}

void ShowProblems(HWND dialog) {
  ShowFindingsWindow(dialog, mainWindow.findings,
                     [dialog](const CheckFinding& finding) { EditRuleOfFinding(dialog, finding); });
}

void Start(HWND dialog) {
  RunState& run = RunState::Instance();
  if (run.jobs.empty()) {
    ShowMessage(dialog, Text(Message::kNothingToRun), Text(Message::kNothingToRunCaption), MB_OK);
    return;
  }
  run.autoTransparent = IsDlgButtonChecked(dialog, kChooseTransparencyCheck) != BST_CHECKED;
  const bool more = RunBatch(IsDlgButtonChecked(dialog, kWriteIndexTableCheck) == BST_CHECKED,
                             IsDlgButtonChecked(dialog, kWriteTilesetsCheck) == BST_CHECKED);
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

void RefreshRuleFileCheck(HWND main) {
  // An empty store: the file could not be read, which the run reports as
  // it always has.
  const bool readable = !SettingStore::Instance().Snapshot()->SectionNames().empty();
  mainWindow.findings = readable ? CheckRuleFile() : std::vector<CheckFinding>();
  const bool shown = !mainWindow.findings.empty();
  SetItemText(main, kRuleFileProblemsText,
              Text(Message::kMainRuleFileProblems, {std::to_string(mainWindow.findings.size())}));
  ShowWindow(GetDlgItem(main, kRuleFileProblemsText), shown ? SW_SHOW : SW_HIDE);
  ShowWindow(GetDlgItem(main, kShowProblemsButton), shown ? SW_SHOW : SW_HIDE);
  // Without problems the window ends above the line, as it always has.
  RECT window = {};
  GetWindowRect(main, &window);
  if (mainWindow.fullHeight == 0) mainWindow.fullHeight = window.bottom - window.top;
  RECT line = {0, 0, 0, kProblemsLineHeight};
  MapDialogRect(main, &line);
  const int height = mainWindow.fullHeight - (shown ? 0 : line.bottom);
  SetWindowPos(main, nullptr, 0, 0, window.right - window.left, height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
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
                      {kWriteIndexTableCheck, Message::kMainWriteIndexTable},
                      {kWriteTilesetsCheck, Message::kMainWriteTilesets},
                      {kShowProblemsButton, Message::kMainShowProblems},
                      {IDOK, Message::kStart},
                      {IDCANCEL, Message::kCancel},
                      {kEditRulesButton, Message::kEditRulesButton}});
      AppContext::Instance().mainWindow = dialog;
      DragAcceptFiles(dialog, TRUE);
      RunState::Instance().ClearList();
      mainWindow = {reinterpret_cast<const std::string*>(lParam), {}, 0};
      RestoreBoxes(dialog);
      RefreshRuleFileCheck(dialog);
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
        case kChooseTransparencyCheck:
        case kCombineMapsCheck:
        case kWriteIndexTableCheck:
        case kWriteTilesetsCheck:
          KeepBoxes(dialog);
          return TRUE;
        case kShowProblemsButton:
          ShowProblems(dialog);
          return TRUE;
        case kEditRulesButton:
          OpenRuleEditor(dialog);
          RefreshListText(dialog);
          RefreshRuleFileCheck(dialog);
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
