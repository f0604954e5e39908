#include "common/window_text_win32.h"
#include "classify/window_prompt_win32.h"

#include <windows.h>

#include "classify/select_dialog_win32.h"
#include "common/app_context.h"
#include "common/user_prompt.h"

namespace {

class WindowPrompt : public UserPrompt {
 public:
  void ShowNotice(const std::string& text) override {
    ShowMessage(nullptr, text, nullptr, MB_OK);
  }

  int ChooseRule(const std::string& fileName, const std::vector<std::string>& candidates) override {
    const std::string text = fileName +
                             "は画像の自動判別ができません\n"
                             "次のウィンドウで適切なものを手動選択して下さい\n";
    ShowMessage(AppContext::Instance().mainWindow, text, "手動判別の開始",
                MB_OK | MB_TOPMOST);
    selectFileName = fileName;
    selectCandidates = candidates;
    return RunSelectDialog();
  }
};

}  // namespace

void InstallWindowPrompt() {
  static WindowPrompt prompt;
  SetUserPrompt(&prompt);
}
