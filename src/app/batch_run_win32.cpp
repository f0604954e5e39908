#include "app/batch_run_win32.h"

#include <commctrl.h>
#include <process.h>

#include <string>

#include "app/process_job.h"
#include "app/run_outcome.h"
#include "app/transparent_dialog_win32.h"
#include "combine/combiner_window_win32.h"
#include "common/app_context.h"
#include "common/messages.h"
#include "common/user_prompt.h"
#include "common/window_text_win32.h"
#include "convert/process_log.h"
#include "convert/progress_state.h"
#include "convert/run_state.h"

namespace {

// Posted by the worker when it is done: the progress window ends itself.
constexpr UINT kRunFinished = WM_APP + 1;
constexpr int kBarRange = 10000;

// Set when the progress window has published its handle, or when it could
// not be made: the worker's first update waits for it.
HANDLE progressReady = nullptr;

// Passes the core's notices on to the installed prompt and counts them: a
// notice during a job means a folder could not be made for its pieces.
class NoticeCounter : public UserPrompt {
 public:
  NoticeCounter() : next(CurrentUserPrompt()) { SetUserPrompt(this); }
  ~NoticeCounter() override { SetUserPrompt(&next); }
  NoticeCounter(const NoticeCounter&) = delete;
  NoticeCounter& operator=(const NoticeCounter&) = delete;

  void ShowNotice(const std::string& text) override {
    ++count;
    next.ShowNotice(text);
  }
  int ChooseRule(const std::string& fileName, const std::vector<std::string>& candidates) override {
    return next.ChooseRule(fileName, candidates);
  }

  int count = 0;

 private:
  UserPrompt& next;
};

struct BatchArguments {
  bool combineMaps = false;  // check box 302, read before the worker starts
  NoticeCounter* notices = nullptr;
  RunOutcome outcome;
};

void SetProgressCount(HWND window, int done, int total) {
  const std::string text = std::to_string(done) + "/" + std::to_string(total);
  SetItemText(window, kProgressCountText, text);
}

void ResetProgress(int n) {
  ProgressState& progress = ProgressState::Instance();
  progress.total = n;
  progress.done = 0;
  if (const HWND window = progress.progressWindow.load()) {
    SetProgressCount(window, 0, n);
    SendDlgItemMessageW(window, kProgressBar, PBM_SETRANGE, 0, MAKELPARAM(0, kBarRange));
    SendDlgItemMessageW(window, kProgressBar, PBM_SETSTEP, kBarRange / n, 0);
  }
}

void StepProgress() {
  ProgressState& progress = ProgressState::Instance();
  ++progress.done;
  if (const HWND window = progress.progressWindow.load()) {
    SetProgressCount(window, progress.done, progress.total);
    SendDlgItemMessageW(window, kProgressBar, PBM_STEPIT, 0, 0);
  }
}

unsigned __stdcall BatchWorker(void* parameter) {
  auto& arguments = *static_cast<BatchArguments*>(parameter);
  // The progress window opens meanwhile and publishes its handle.
  Sleep(500);
  WaitForSingleObject(progressReady, INFINITE);

  RunState& run = RunState::Instance();
  RunOutcome& outcome = arguments.outcome;
  outcome.total = static_cast<int>(run.jobs.size());
  ResetProgress(outcome.total);
  DialogTransparencyPicker picker;
  for (const Job& job : run.jobs) {
    if (run.cancelRequested) break;
    ++outcome.started;
    const int noticesBefore = arguments.notices->count;
    const bool clean = ProcessJob(job, &picker);
    if (!clean || arguments.notices->count != noticesBefore) ++outcome.failed;
    StepProgress();
  }
  outcome.cancelled = run.cancelRequested;

  // One combiner window per map group, on this thread; back when the user
  // has closed the last.
  if (arguments.combineMaps) LaunchCombiner(run.combineGroups);

  if (const HWND window = ProgressState::Instance().progressWindow.exchange(nullptr)) {
    PostMessageW(window, kRunFinished, 0, 0);
  }
  return 0;
}

// Waits for the worker, still answering messages that other threads send to
// this thread's windows: the picker's owner is the main window, and a
// window update the worker began just before a cancel must not wait for
// ever. Posted messages and input stay queued.
void WaitForWorker(HANDLE thread) {
  while (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_SENDMESSAGE) != WAIT_OBJECT_0) {
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

}  // namespace

INT_PTR CALLBACK ProgressDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      SetDialogTexts(dialog, Message::kProgressCaption, {{IDCANCEL, Message::kCancel}});
      ProgressState::Instance().progressWindow = dialog;
      SetEvent(progressReady);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) != IDCANCEL) return FALSE;
      if (ShowMessage(dialog, Text(Message::kStopAllQuestion), Text(Message::kStopAllCaption), MB_YESNO) == IDYES) {
        RunState::Instance().cancelRequested = true;
        ProgressState::Instance().progressWindow = nullptr;
        EndDialog(dialog, 0);
      }
      return TRUE;
    case kRunFinished:
      EndDialog(dialog, 0);
      return TRUE;
    default:
      return FALSE;
  }
}

INT_PTR ShowProgressDialog() {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);
  const AppContext& app = AppContext::Instance();
  return DialogBoxParamW(app.moduleHandle, L"PROGRESS", app.mainWindow, ProgressDialogProc, 0);
}

bool RunBatch() {
  RunState& run = RunState::Instance();
  const AppContext& app = AppContext::Instance();
  run.cancelRequested = false;
  ProgressState::Instance().progressWindow = nullptr;

  NoticeCounter notices;
  BatchArguments arguments;
  arguments.combineMaps = IsDlgButtonChecked(app.mainWindow, kCombineMapsCheck) == BST_CHECKED;
  arguments.notices = &notices;
  progressReady = CreateEventW(nullptr, TRUE, FALSE, nullptr);

  auto* const worker =
      reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, BatchWorker, &arguments, 0, nullptr));
  if (worker == nullptr) {
    // No thread to be had: the run goes on here, without a progress window.
    SetEvent(progressReady);
    BatchWorker(&arguments);
  } else {
    if (ShowProgressDialog() == -1) {
      SetEvent(progressReady);
      ShowMessage(nullptr, Text(Message::kRunFailed), nullptr, MB_OK);
    }
    // After a cancel the job under way runs on: the main window stays shut
    // to the user until the run is over, as under the progress window.
    const BOOL wasDisabled = EnableWindow(app.mainWindow, FALSE);
    WaitForWorker(worker);
    if (!wasDisabled) EnableWindow(app.mainWindow, TRUE);
    CloseHandle(worker);
  }
  CloseHandle(progressReady);
  progressReady = nullptr;

  ProcessLog& log = ProcessLog::Instance();
  log.Select(ProcessLog::kReportChannel);
  log.Write(Text(Message::kAllWorkDone));
  return ShowMessage(app.mainWindow, ClosingQuestion(arguments.outcome),
                     Text(Message::kRunDoneCaption), MB_YESNO) == IDYES;
}
