// The rule editor driven through its controls: a rule made by pointing at a
// generated sheet, saved, and converting that sheet as drawn; an existing
// rule changed in one slot and saved, the rest of the file as it was; the
// switch to another rule with unsaved edits; fields that lay the rule out
// taken once complete; one save asked about when the file changed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "app/rule_editor_ids.h"
#include "app/rule_editor_win32.h"
#include "classify/classify.h"
#include "common/app_context.h"
#include "common/messages.h"
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

// A key pressed in control id, through the dialog's own handling of keys.
void Press(HWND editor, int id, WPARAM key) {
  PostMessageW(GetDlgItem(editor, id), WM_KEYDOWN, key, 0);
  Settle(editor);
}

void Focus(HWND editor, int id) {
  PostMessageW(editor, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(editor, id)), TRUE);
  Settle(editor);
}

// Types text into the field id and leaves it with Tab.
void Enter(HWND editor, int id, const std::string& text) {
  Focus(editor, id);
  Type(editor, id, text);
  Press(editor, id, VK_TAB);
}

void Choose(HWND editor, int id, int index) {
  const HWND combo = GetDlgItem(editor, id);
  SendMessageW(combo, CB_SETCURSEL, index, 0);
  PostMessageW(editor, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  Settle(editor);
}

void ChooseRule(HWND editor, int index) { Choose(editor, IDC_RULE_NAME, index); }

// The zoom 1:1, at which the tests point at the sheet's and canvas's pixels.
void ChooseOneToOne(HWND editor) { Choose(editor, IDC_ZOOM, 1); }

// Makes a rule on the 2 x 2 cells of Sheet by pointing, with a blank, an
// undo, a swap and the Replace text: 0,1,-1,3.
void PointOutRule(HWND editor) {
  // The file under "その他" is the sheet.
  EXPECT_EQ(ControlText(editor, IDC_SHEET_SIZE), "32,32");
  ChooseOneToOne(editor);
  Enter(editor, IDC_SRCDIV_FIELD, "2,2");
  Enter(editor, IDC_NEWSIZE_FIELD, "32,32");
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

  void Edit(const std::function<void(HWND)>& script, const std::string& rule = std::string()) {
    RunWithDriver([&rule] { OpenRuleEditor(nullptr, rule); },
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
    ChooseOneToOne(editor);
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

// The switch to another rule with unsaved edits saves the one and shows the
// other; a Replace pasted over two lines is saved on one; the jobs of the
// list convert with the rule as saved; "Replace=" reads as the item 0, and
// a line nobody touched keeps its bytes.
TEST_F(RuleEditorTest, SwitchingWithUnsavedEditsSavesTheOneAndShowsTheOther) {
  const std::string rules =
      "[Process]\r\n32,32=A\r\n[A]\r\nSrcDiv=2,2\r\nReplace=\r\nNameFoot=_a\r\n"
      "[B]\r\nSrcDiv=4,4\r\nReplace=\r\nGroup=G\r\n";
  const std::string ruleFile = UseRuleFile(folder, rules);
  WriteFile(folder / "sheet.png", PngFile(Sheet(), true));
  AddFiles({folder / "sheet.png"});
  ASSERT_EQ(RunState::Instance().jobs.size(), 1u);

  std::string shownReplace, question, status;
  Edit(
      [&](HWND editor) {
        shownReplace = ControlText(editor, IDC_REPLACE_FIELD);
        status = ControlText(editor, IDC_STATUS);
        Type(editor, IDC_REPLACE_FIELD, "0,1,\r\n2,3");
        ChooseRule(editor, 1);
        question = AnswerMessageBox("規則の編集", IDYES);
        Settle(editor);
        EXPECT_EQ(ControlText(editor, IDC_RULE_NAME), "B");
        EXPECT_EQ(ControlText(editor, IDC_SRCDIV_FIELD), "4,4");
        EXPECT_EQ(ControlText(editor, IDC_REPLACE_FIELD), "0");
        Type(editor, IDC_GROUP_FIELD, "H");
        PressButton(editor, IDC_SAVE);
        Settle(editor);
        PressButton(editor, IDCANCEL);
      },
      "A");
  EXPECT_EQ(shownReplace, "0");
  EXPECT_EQ(status, Text(Message::kRuleEditorRuleFile, {ruleFile}));
  EXPECT_NE(question.find("保存していない変更"), std::string::npos) << question;
  EXPECT_EQ(ReadFile(ruleFile),
            "[Process]\r\n32,32=A\r\n[A]\r\nSrcDiv=2,2\r\nReplace=0,1,2,3\r\nNameFoot=_a\r\n"
            "[B]\r\nSrcDiv=4,4\r\nReplace=\r\nGroup=H\r\n");
  const Job& job = RunState::Instance().jobs.front();
  EXPECT_EQ(job.processor->ReplaceList(), (std::vector<int>{0, 1, 2, 3}));
}

// A value half typed moves no cell: the canvas grid changes once NewSize
// is complete, and what no longer fits is counted in the status line. The
// views open at the zoom that shows both pictures whole.
TEST_F(RuleEditorTest, FieldsThatLayTheRuleOutAreTakenOnceComplete) {
  // Without a sheet: 256 x 256, cells of 16 on a canvas of 4 x 2 slots.
  UseRuleFile(folder, "[T]\r\nSrcDiv=16,16\r\nNewSize=64,32\r\nReplace=0,1,2,3,4,5,6,7\r\n");
  std::string typed, dropped, zoom;
  double fitted = 0, expected = 0;
  Edit(
      [&](HWND editor) {
        zoom = ControlText(editor, IDC_ZOOM);
        fitted = EditorOf(editor).zoom;
        RECT sheet, canvas;
        GetClientRect(GetDlgItem(editor, IDC_SHEET_VIEW), &sheet);
        GetClientRect(GetDlgItem(editor, IDC_CANVAS_VIEW), &canvas);
        expected = std::min(
            {sheet.right / 256.0, sheet.bottom / 256.0, canvas.right / 64.0, canvas.bottom / 32.0});

        // "64" selected and "160" typed over it, then Tab.
        Focus(editor, IDC_NEWSIZE_FIELD);
        SendDlgItemMessageW(editor, IDC_NEWSIZE_FIELD, EM_SETSEL, 0, 2);
        for (const wchar_t c : std::wstring(L"160")) {
          PostMessageW(GetDlgItem(editor, IDC_NEWSIZE_FIELD), WM_CHAR, c, 0);
        }
        Settle(editor);
        EXPECT_EQ(ControlText(editor, IDC_REPLACE_FIELD), "0,1,2,3,4,5,6,7") << "not yet taken";
        Press(editor, IDC_NEWSIZE_FIELD, VK_TAB);
        typed = ControlText(editor, IDC_REPLACE_FIELD);
        // Enter takes a value too.
        Focus(editor, IDC_NEWSIZE_FIELD);
        Type(editor, IDC_NEWSIZE_FIELD, "32 32");
        Press(editor, IDC_NEWSIZE_FIELD, VK_RETURN);
        EXPECT_EQ(ControlText(editor, IDC_NEWSIZE_FIELD), "32,32");
        dropped = ControlText(editor, IDC_STATUS);
        PressButton(editor, IDCANCEL);
        AnswerMessageBox("規則の編集", IDNO);
      },
      "T");
  EXPECT_EQ(typed, "0,1,2,3,-1,-1,-1,-1,-1,-1,4,5,6,7");
  EXPECT_EQ(dropped, Text(Message::kRuleEditorCellsDropped, {"4"}));
  EXPECT_EQ(zoom, "全体");
  EXPECT_EQ(fitted, expected < 1 ? expected : std::floor(expected));
}

// The rule and its inverse are one write: the inverse refused, nothing is
// written and the rule stays new; a file another program changed is
// overwritten only when the user says so; a text the file cannot hold is
// refused naming the character.
TEST_F(RuleEditorTest, ASaveIsOneWriteAndAskedAboutWhenTheFileChanged) {
  const std::string rules = "[Old]\r\nReplace=0\r\n[New_inverse]\r\n";
  const std::string ruleFile = UseRuleFile(folder, rules);
  const std::string changed = "[Old]\r\nReplace=1\r\n[New_inverse]\r\n";
  std::string inverseRefused, cannotHold, asked, refusedAgain;
  Edit([&](HWND editor) {
    Type(editor, IDC_RULE_NAME, "New");
    PressButton(editor, IDC_NEW_RULE);
    Settle(editor);
    // Found by the random drive: undo took the name back, the drop-down
    // kept showing the new one.
    PressButton(editor, IDC_UNDO);
    Settle(editor);
    EXPECT_EQ(ControlText(editor, IDC_RULE_NAME), "");
    PressButton(editor, IDC_REDO);
    Settle(editor);
    EXPECT_EQ(ControlText(editor, IDC_RULE_NAME), "New");
    Enter(editor, IDC_SRCDIV_FIELD, "2,2");
    Enter(editor, IDC_NEWSIZE_FIELD, "256,256");
    Type(editor, IDC_REPLACE_FIELD, "0,1,2,3");
    PressButton(editor, IDC_SAVE_INVERSE);
    inverseRefused = AnswerMessageBox("規則の編集", IDOK);
    Type(editor, IDC_NAMEFOOT_FIELD, "Café");
    PressButton(editor, IDC_SAVE);
    cannotHold = AnswerMessageBox("規則の編集", IDOK);
    Type(editor, IDC_NAMEFOOT_FIELD, "_n");

    // Another program writes the file: asked, no, and nothing is written.
    WriteFile(ruleFile, changed);
    PressButton(editor, IDC_SAVE);
    asked = AnswerMessageBox("規則の編集", IDNO);
    refusedAgain = AnswerMessageBox("規則の編集", IDOK);
    EXPECT_EQ(ReadFile(ruleFile), changed);
    PressButton(editor, IDC_SAVE);
    AnswerMessageBox("規則の編集", IDYES);
    Settle(editor);
    PressButton(editor, IDCANCEL);
  });
  EXPECT_EQ(inverseRefused, Text(Message::kRuleFileSectionExists, {"New_inverse"}));
  EXPECT_EQ(cannotHold,
            Text(Message::kRuleFileCannotHold, {"NameFoot=Café", "é", "U+00E9", "Shift-JIS"}));
  EXPECT_EQ(asked, Text(Message::kRuleFileChangedSinceRead, {ruleFile}));
  EXPECT_EQ(refusedAgain, asked);
  // Saved as a new rule over the file as the editor read it; the .bak
  // holds the file as it was before that one save.
  EXPECT_EQ(ReadFile(ruleFile), rules +
                                    "\r\n[New]\r\nSrcDiv=2,2\r\nNewSize=256,256\r\n"
                                    "Replace=0,1,2,3\r\nNameFoot=_n\r\n");
  EXPECT_EQ(ReadFile(ruleFile + ".bak"), changed);
}

}  // namespace
