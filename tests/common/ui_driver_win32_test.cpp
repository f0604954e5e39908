// The test driver itself: later window tests rely on it finding, reading
// and answering windows of the program under test.
#include <gtest/gtest.h>

#include "common/window_text_win32.h"
#include "common/file_choosers_win32.h"
#include "support/ui_driver_win32.h"

namespace {

TEST(UiDriver, AnswersAMessageBoxAndDropsFilesThatGetDroppedFilesReads) {
  int answer = 0;
  RunWithDriver([&] { answer = ShowMessage(nullptr, "本文\n二行目", "表題ソ", MB_YESNO); },
                [] { EXPECT_EQ(AnswerMessageBox("表題ソ", IDNO), "本文\n二行目"); });
  EXPECT_EQ(answer, IDNO);

  HWND window = CreateWindowExA(WS_EX_ACCEPTFILES, "STATIC", "drop", WS_POPUP | WS_VISIBLE, 0, 0,
                                50, 50, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  DropFiles(window, {"C:\\maps\\表.png", "C:\\b.png"});
  MSG message = {};
  std::vector<std::string> dropped;
  while (PeekMessageA(&message, window, WM_DROPFILES, WM_DROPFILES, PM_REMOVE)) {
    GetDroppedFiles(reinterpret_cast<HDROP>(message.wParam), dropped);
  }
  EXPECT_EQ(dropped, (std::vector<std::string>{"C:\\maps\\表.png", "C:\\b.png"}));
  DestroyWindow(window);
}

}  // namespace
