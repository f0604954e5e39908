#include "app/batch_run_win32.h"

#include <commctrl.h>
#include <process.h>

#include <atomic>
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
#include "convert/rule_values.h"
#include "convert/run_context.h"
#include "convert/run_state.h"

namespace {

// Posted by the worker when it is done: the progress window ends itself.
constexpr UINT kRunFinished = WM_APP + 1;
constexpr int kBarRange = 10000;

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
  int ChooseRule(const std::string& fileName, const std::vector<std::string>& candidates,
                 const IImage& sheet) override {
    return next.ChooseRule(fileName, candidates, sheet);
  }

  int count = 0;

 private:
  UserPrompt& next;
};

// One run of the list: what the worker, the progress window and the rules
// they run share.
struct BatchRun {
  bool combineMaps = false;  // check box 302, read before the worker starts
  NoticeCounter* notices = nullptr;
  RunOutcome outcome;
  ProgressState progress;
  // Set when the progress window has published its handle, or when it could
  // not be made: the worker's first update waits for it.
  HANDLE progressReady = nullptr;
  // Cancelled from the progress window.
  std::atomic<bool>& cancelRequested = RunState::Instance().cancelRequested;
  RunContext context{ProcessLog::Instance(), &cancelRequested, &progress};
};

void SetProgressCount(HWND window, int done, int total) {
  const std::string text = std::to_string(done) + "/" + std::to_string(total);
  SetItemText(window, kProgressCountText, text);
}

void ResetProgress(ProgressState& progress, int n) {
  progress.total = n;
  progress.done = 0;
  if (const HWND window = progress.progressWindow.load()) {
    SetProgressCount(window, 0, n);
    SendDlgItemMessageW(window, kProgressBar, PBM_SETRANGE, 0, MAKELPARAM(0, kBarRange));
    SendDlgItemMessageW(window, kProgressBar, PBM_SETSTEP, kBarRange / n, 0);
  }
}

void StepProgress(ProgressState& progress) {
  ++progress.done;
  if (const HWND window = progress.progressWindow.load()) {
    SetProgressCount(window, progress.done, progress.total);
    SendDlgItemMessageW(window, kProgressBar, PBM_STEPIT, 0, 0);
  }
}

unsigned __stdcall BatchWorker(void* parameter) {
  auto& batch = *static_cast<BatchRun*>(parameter);
  // The progress window opens meanwhile and publishes its handle.
  Sleep(500);
  WaitForSingleObject(batch.progressReady, INFINITE);

  RunState& run = RunState::Instance();
  RunOutcome& outcome = batch.outcome;
  outcome.total = static_cast<int>(run.jobs.size());
  ResetProgress(batch.progress, outcome.total);
  DialogTransparencyPicker picker;
  for (const Job& job : run.jobs) {
    if (batch.cancelRequested) break;
    ++outcome.started;
    const int noticesBefore = batch.notices->count;
    const bool clean = ProcessJob(job, &picker, batch.context);
    if (!clean || batch.notices->count != noticesBefore) ++outcome.failed;
    StepProgress(batch.progress);
  }
  outcome.cancelled = batch.cancelRequested;

  // One combiner window per map group, on this thread; back when the user
  // has closed the last.
  if (batch.combineMaps) LaunchCombiner(run.combineGroups);

  if (const HWND window = batch.progress.progressWindow.exchange(nullptr)) {
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

// The progress window of batch, which its user data holds.
INT_PTR CALLBACK ProgressDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      SetDialogTexts(dialog, Message::kProgressCaption, {{IDCANCEL, Message::kCancel}});
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      auto& batch = *reinterpret_cast<BatchRun*>(lParam);
      batch.progress.progressWindow = dialog;
      SetEvent(batch.progressReady);
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) != IDCANCEL) return FALSE;
      if (ShowMessage(dialog, Text(Message::kStopAllQuestion), Text(Message::kStopAllCaption),
                      MB_YESNO) == IDYES) {
        auto& batch = *reinterpret_cast<BatchRun*>(GetWindowLongPtrW(dialog, DWLP_USER));
        batch.cancelRequested = true;
        batch.progress.progressWindow = nullptr;
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

// Runs the progress window of batch modally on this thread, owned by the
// main window; the dialog's result, -1 when it cannot be made.
INT_PTR ShowProgressDialog(BatchRun& batch) {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);
  const AppContext& app = AppContext::Instance();
  return DialogBoxParamW(app.moduleHandle, L"PROGRESS", app.mainWindow, ProgressDialogProc,
                         reinterpret_cast<LPARAM>(&batch));
}

}  // namespace

bool RunBatch(bool writeIndexTable, bool writeTilesets) {
  const AppContext& app = AppContext::Instance();
  NoticeCounter notices;
  BatchRun batch;
  batch.cancelRequested = false;
  batch.context.writeIndexTable = writeIndexTable;
  batch.context.writeTilesets = writeTilesets;
  batch.combineMaps = IsDlgButtonChecked(app.mainWindow, kCombineMapsCheck) == BST_CHECKED;
  batch.notices = &notices;
  batch.progressReady = CreateEventW(nullptr, TRUE, FALSE, nullptr);

  ProcessLog& log = batch.context.log;
  const std::size_t errorsBefore = log.Size(ProcessLog::kErrorChannel);
  auto* const worker =
      reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, BatchWorker, &batch, 0, nullptr));
  if (worker == nullptr) {
    // No thread to be had: the run goes on here, without a progress window.
    SetEvent(batch.progressReady);
    BatchWorker(&batch);
  } else {
    if (ShowProgressDialog(batch) == -1) {
      SetEvent(batch.progressReady);
      ShowMessage(nullptr, Text(Message::kRunFailed), nullptr, MB_OK);
    }
    // After a cancel the job under way runs on: the main window stays shut
    // to the user until the run is over, as under the progress window.
    const BOOL wasDisabled = EnableWindow(app.mainWindow, FALSE);
    WaitForWorker(worker);
    if (!wasDisabled) EnableWindow(app.mainWindow, TRUE);
    CloseHandle(worker);
  }
  CloseHandle(batch.progressReady);

  log.Select(ProcessLog::kErrorChannel);
  for (std::string line : SplitStringList(log.GetText().substr(errorsBefore), '\n')) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) batch.outcome.errorLines.push_back(line);
  }
  log.Select(ProcessLog::kReportChannel);
  log.Write(Text(Message::kAllWorkDone));
  return ShowMessage(app.mainWindow, ClosingQuestion(batch.outcome), Text(Message::kRunDoneCaption),
                     MB_YESNO) == IDYES;
}
