// The rule editor driven through its controls: a rule made by pointing at a
// generated sheet, saved, and converting that sheet as drawn; an existing
// rule changed in one slot and saved, the rest of the file as it was.
#include <gtest/gtest.h>

#include "app/rule_editor_ids.h"
#include "app/rule_editor_win32.h"
#include "classify/classify.h"
#include "common/app_context.h"
#include "common/path.h"
#include "common/wide_win32.h"
#include "convert/process_log.h"
#include "convert/run_context.h"
#include "convert/run_state.h"
#include "support/image_files.h"
#include "support/rule_file.h"
#include "support/ui_driver_win32.h"

namespace {

constexpr std::uint32_t kCellColours[] = {0xFFE03020, 0xFF20B040, 0xFF2040E0, 0xFFF0F0F0};

// 32 x 32 pixels: four cells of 16, each its own colour with a dark pixel at
// its own place, so that a cell in the wrong slot or turned shows.
Picture Sheet() {
  Picture sheet{32, 32, {}};
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const int cell = (y / 16) * 2 + x / 16;
      const bool mark = x % 16 == cell + 2 && y % 16 == 3;
      sheet.pixels.push_back(mark ? 0xFF101010 : kCellColours[cell]);
    }
  }
  return sheet;
}

// The sheet's cell in every slot of a 2 x 2 canvas; -1 a blank slot.
Picture Canvas(const Picture& sheet, const std::vector<int>& cells) {
  Picture canvas{32, 32, std::vector<std::uint32_t>(32 * 32, 0)};
  for (int slot = 0; slot < 4; ++slot) {
    if (cells[slot] < 0) continue;
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) {
        canvas.pixels[(slot / 2 * 16 + y) * 32 + slot % 2 * 16 + x] =
            sheet.At(cells[slot] % 2 * 16 + x, cells[slot] / 2 * 16 + y);
      }
    }
  }
  return canvas;
}

// The centre of cell or slot number of a 2 x 2 grid of 16 pixels at 1:1.
LPARAM Centre(int number) { return MAKELPARAM(number % 2 * 16 + 8, number / 2 * 16 + 8); }

void Click(HWND view, UINT down, UINT up, int number) {
  PostMessageW(view, down, MK_LBUTTON, Centre(number));
  PostMessageW(view, up, 0, Centre(number));
  Settle(view);
}

void Drag(HWND view, int from, int to) {
  PostMessageW(view, WM_LBUTTONDOWN, MK_LBUTTON, Centre(from));
  PostMessageW(view, WM_MOUSEMOVE, MK_LBUTTON, Centre(to));
  PostMessageW(view, WM_LBUTTONUP, 0, Centre(to));
  Settle(view);
}

// Replaces the text of control id as typing does (a multiline edit tells
// no change of a text set whole); a drop-down's text is set.
void Type(HWND editor, int id, const std::string& text) {
  const HWND control = GetDlgItem(editor, id);
  if (id == IDC_RULE_NAME) {
    SetWindowTextW(control, Wide(text).c_str());
    Settle(editor);
    return;
  }
  const std::wstring wide = Wide(text);
  SendMessageW(control, EM_SETSEL, 0, -1);
  SendMessageW(control, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
  Settle(editor);
}

void ChooseRule(HWND editor, int index) {
  const HWND combo = GetDlgItem(editor, IDC_RULE_NAME);
  SendMessageW(combo, CB_SETCURSEL, index, 0);
  PostMessageW(editor, WM_COMMAND, MAKEWPARAM(IDC_RULE_NAME, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
  Settle(editor);
}

// Makes a rule on the 2 x 2 cells of Sheet by pointing, with a blank, an
// undo, a swap and the Replace text: 0,1,-1,3.
void PointOutRule(HWND editor) {
  // The file under "その他" is the sheet.
  EXPECT_EQ(ControlText(editor, IDC_SHEET_SIZE), "32,32");
  Type(editor, IDC_SRCDIV_FIELD, "2,2");
  Type(editor, IDC_NEWSIZE_FIELD, "32,32");
  const HWND cells = GetDlgItem(editor, IDC_SHEET_VIEW);
  const HWND slots = GetDlgItem(editor, IDC_CANVAS_VIEW);
  Click(cells, WM_LBUTTONDOWN, WM_LBUTTONUP, 3);
  Click(slots, WM_LBUTTONDOWN, WM_LBUTTONUP, 0);
  Click(cells, WM_LBUTTONDOWN, WM_LBUTTONUP, 0);
  Click(slots, WM_LBUTTONDOWN, WM_LBUTTONUP, 3);
  EXPECT_EQ(ControlText(editor, IDC_REPLACE_FIELD), "3,-1,-1,0");
  // Blanked by a right click, back by undo.
  PostMessageW(slots, WM_RBUTTONUP, 0, Centre(3));
  Settle(slots);
  EXPECT_EQ(ControlText(editor, IDC_REPLACE_FIELD), "3,-1,-1,-1");
  PostMessageW(editor, WM_COMMAND, IDC_UNDO, 0);
  Settle(editor);
  EXPECT_EQ(ControlText(editor, IDC_REPLACE_FIELD), "3,-1,-1,0");
  Drag(slots, 0, 3);
  Click(cells, WM_LBUTTONDOWN, WM_LBUTTONUP, 1);
  Click(slots, WM_LBUTTONDOWN, WM_LBUTTONUP, 1);
  EXPECT_EQ(ControlText(editor, IDC_REPLACE_FIELD), "0,1,-1,3");
  // A text of the Replace field goes onto the canvas and back.
  Type(editor, IDC_REPLACE_FIELD, "0,1");
  Type(editor, IDC_REPLACE_FIELD, "0,1,-1,3");
}

class RuleEditorTest : public ::testing::Test {
 protected:
  void SetUp() override { AppContext::Instance().moduleHandle = GetModuleHandleW(nullptr); }
  void TearDown() override { RunState::Instance().ClearList(); }

  void Edit(const std::function<void(HWND)>& script) {
    RunWithDriver([] { OpenRuleEditor(nullptr); },
                  [&] {
                    HWND editor = WaitForWindow("規則の編集");
                    ASSERT_NE(editor, nullptr);
                    script(editor);
                  },
                  30000);
  }

  TempFolder folder;
};

TEST_F(RuleEditorTest, PointingAndTypingEditTheRuleAndUnsavedEditsAreAskedAbout) {
  const std::string rules = "[Process]\r\n8,1=Other\r\n[Other]\r\nReplace=0\r\n";
  const std::string ruleFile = UseRuleFile(folder, rules);
  const Picture sheet = Sheet();
  WriteFile(folder / "sheet.png", PngFile(sheet, true));
  AddFiles({folder / "sheet.png"});
  ASSERT_TRUE(RunState::Instance().jobs.empty());

  std::string findings, unbuilt, question;
  Edit([&](HWND editor) {
    PointOutRule(editor);

    // Without a name there is nothing to save; a name the file has is refused.
    PressButton(editor, IDC_SAVE);
    unbuilt = AnswerMessageBox("規則の編集", IDOK);
    Type(editor, IDC_RULE_NAME, "other");
    PressButton(editor, IDC_NEW_RULE);
    findings = AnswerMessageBox("規則の編集", IDOK);
    Type(editor, IDC_RULE_NAME, "Made");
    PressButton(editor, IDC_NEW_RULE);
    Settle(editor);
    PressButton(editor, IDCANCEL);
    question = AnswerMessageBox("規則の編集", IDNO);
  });
  EXPECT_NE(unbuilt.find("規則の名前を入力"), std::string::npos) << unbuilt;
  EXPECT_NE(findings.find("同じ名前"), std::string::npos) << findings;

  EXPECT_NE(question.find("保存していない変更"), std::string::npos) << question;
  EXPECT_EQ(ReadFile(ruleFile), rules);
}

TEST_F(RuleEditorTest, ARuleMadeByPointingConvertsTheSheetAsDrawn) {
  const std::string rules = "[Process]\r\n8,1=Other\r\n[Other]\r\nReplace=0\r\n";
  const std::string ruleFile = UseRuleFile(folder, rules);
  const Picture sheet = Sheet();
  WriteFile(folder / "sheet.png", PngFile(sheet, true));
  AddFiles({folder / "sheet.png"});
  ASSERT_TRUE(RunState::Instance().jobs.empty());

  std::string findings, unbuilt;
  Edit([&](HWND editor) {
    PointOutRule(editor);

    // Without a name there is nothing to save; a name the file has is refused.
    PressButton(editor, IDC_SAVE);
    unbuilt = AnswerMessageBox("規則の編集", IDOK);
    Type(editor, IDC_RULE_NAME, "other");
    PressButton(editor, IDC_NEW_RULE);
    findings = AnswerMessageBox("規則の編集", IDOK);
    Type(editor, IDC_RULE_NAME, "Made");
    PressButton(editor, IDC_NEW_RULE);
    Settle(editor);
    CheckDlgButton(editor, IDC_PROCESS_CHECK, BST_CHECKED);
    PressButton(editor, IDC_SAVE);
    Settle(editor);
    PressButton(editor, IDCANCEL);
  });
  EXPECT_NE(unbuilt.find("規則の名前を入力"), std::string::npos) << unbuilt;
  EXPECT_NE(findings.find("同じ名前"), std::string::npos) << findings;

  // Saved, read again, and the sheet under "その他" joined the list.
  EXPECT_EQ(ReadFile(ruleFile + ".bak"), rules);
  ASSERT_EQ(RunState::Instance().jobs.size(), 1u);
  EXPECT_EQ(RunState::Instance().listText.count("Made"), 1u);
  const Job& job = RunState::Instance().jobs.front();
  job.processor->Apply(*job.image, RunContext{ProcessLog::Instance()});
  const Picture piece = ReadPngFile(ReadFile(folder / (std::string("sheet") + kPathSeparator + "[V]sheet.png")));
  EXPECT_EQ(piece.pixels, Canvas(sheet, {0, 1, -1, 3}).pixels);
}

TEST_F(RuleEditorTest, AnExistingRuleChangedInOneSlotChangesOnlyItsLine) {
  const std::string before =
      "; 規則ファイル\r\n[Process]\r\n32,32=Two\r\n[One]\r\nSrcDiv=2,2\r\nReplace=0,1\r\n"
      "[Two]\r\n; 四つのセル\r\nSrcDiv=2,2\r\nReplace=0,1,2,3\r\nSpecific=草\r\n[Three]\r\n"
      "Replace=0\r\n";
  const std::string ruleFile = UseRuleFile(folder, before);
  // The file's own bytes (Shift-JIS) with the one line changed.
  std::string after = ReadFile(ruleFile);
  after.replace(after.find("Replace=0,1,2,3"), 15, "Replace=-1,1,2,3");
  std::string canvas;
  Edit([&](HWND editor) {
    ChooseRule(editor, 1);
    EXPECT_EQ(ControlText(editor, IDC_SRCDIV_FIELD), "2,2");
    // Without a sheet the rule is laid out on 256 x 256: slots of 128.
    const HWND slots = GetDlgItem(editor, IDC_CANVAS_VIEW);
    PostMessageW(slots, WM_RBUTTONUP, 0, Centre(0));
    Settle(slots);
    canvas = ControlText(editor, IDC_REPLACE_FIELD);
    PressButton(editor, IDCANCEL);
    AnswerMessageBox("規則の編集", IDYES);
  });
  EXPECT_EQ(canvas, "-1,1,2,3");
  EXPECT_EQ(ReadFile(ruleFile), after);
}

}  // namespace
