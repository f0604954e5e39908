#include "app/window_prompt_win32.h"

#include <windows.h>

#include "app/select_dialog_win32.h"
#include "common/app_context.h"
#include "common/messages.h"
#include "common/user_prompt.h"
#include "common/window_text_win32.h"

namespace {

class WindowPrompt : public UserPrompt {
 public:
  void ShowNotice(const std::string& text) override { ShowMessage(nullptr, text, nullptr, MB_OK); }

  int ChooseRule(const std::string& fileName, const std::vector<std::string>& candidates,
                 const IImage& sheet) override {
    ShowMessage(AppContext::Instance().mainWindow, Text(Message::kRuleNotTold, {fileName}),
                Text(Message::kManualChoiceCaption), MB_OK | MB_TOPMOST);
    selectFileName = fileName;
    selectCandidates = candidates;
    return RunSelectDialog(sheet);
  }
};

}  // namespace

void InstallWindowPrompt() {
  static WindowPrompt prompt;
  SetUserPrompt(&prompt);
}
