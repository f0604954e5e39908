#pragma once

#include <atomic>
#include <string>

#include "common/platform_handles.h"

// The progress window of a run, as far as the engine and the run reach it;
// the run owns it and hands it to the engine in its RunContext.
class ProgressState {
 public:
  // Controls of the progress window.
  static constexpr int kFileNameText = 100;
  static constexpr int kRuleNameText = 101;

  // Sets the text of control id of the progress window; nothing while no
  // progress window is open (and always nothing without windows).
  void SetText(int id, const std::string& text) const;

  int total = 0;
  int done = 0;
  // Written by the window thread, read by the worker.
  std::atomic<WindowHandle> progressWindow{nullptr};
};
