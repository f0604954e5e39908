// The rule editor driven through its controls: a rule made by pointing at a
// generated sheet, saved, and converting that sheet as drawn; an existing
// rule changed in one slot and saved, the rest of the file as it was; the
// switch to another rule with unsaved edits; fields that lay the rule out
// taken once complete; one save asked about when the file changed; the
// tileset keys; a rule generated from a layout, as the console generates
// it, saved and converting, and what the generator refuses.
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
#include "ruletools/autotile_rules.h"
#include "support/image_files.h"
#include "support/program.h"
#include "support/rule_file.h"
#include "support/ui_driver_win32.h"
#include "support/windowed_program_win32.h"

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
  const Picture piece =
      ReadPngFile(ReadFile(folder / (std::string("sheet") + kPathSeparator + "[V]sheet.png")));
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

// The first line of the list box id.
std::string FirstLine(HWND dialog, int id) {
  const LRESULT length = SendDlgItemMessageW(dialog, id, LB_GETTEXTLEN, 0, 0);
  if (length < 0) return "<no line>";
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendDlgItemMessageW(dialog, id, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(&text[0]));
  return Utf8(text.c_str());
}

// TileSize is a field of numbers, Terrain a choice; a Terrain the rule
// refuses shows as the file has it, and only the keys changed are written.
TEST_F(RuleEditorTest, TheTilesetKeysAreEditedLikeTheOthers) {
  const std::string ruleFile =
      UseRuleFile(folder, "[T]\r\nSrcDiv=2,2\r\nTerrain=Blob47\r\nTileSize=16,16\r\n");
  std::string shown, refused, chosen;
  Edit(
      [&](HWND editor) {
        shown = ControlText(editor, IDC_TERRAIN_FIELD);
        refused = FirstLine(editor, IDC_FINDINGS);
        Choose(editor, IDC_TERRAIN_FIELD, 2);
        chosen = ControlText(editor, IDC_TERRAIN_FIELD);
        Enter(editor, IDC_TILESIZE_FIELD, "8 8");
        EXPECT_EQ(ControlText(editor, IDC_TILESIZE_FIELD), "8,8");
        PressButton(editor, IDC_SAVE);
        Settle(editor);
        PressButton(editor, IDCANCEL);
      },
      "T");
  EXPECT_EQ(shown, "Blob47");
  EXPECT_NE(refused.find("Terrain"), std::string::npos) << refused;
  EXPECT_EQ(chosen, "wang16");
  EXPECT_EQ(ReadFile(ruleFile), "[T]\r\nSrcDiv=2,2\r\nTerrain=wang16\r\nTileSize=8,8\r\n");
}

const std::string kConsole = WinePath(VOMARIN_CONSOLE);
const std::string kLayoutDialog = Text(Message::kAutotileDialogTitle);
const std::string kPlainRules = "[Process]\r\n8,1=Other\r\n[Other]\r\nReplace=0\r\n";

// Blocks of 2 x 3 tiles of 32 pixels, each quarter of each its own colour.
Picture Blocks(int columns, int rows) {
  Picture sheet{64 * columns, 96 * rows, {}};
  for (int y = 0; y < sheet.height; ++y) {
    for (int x = 0; x < sheet.width; ++x) {
      const auto quarter = static_cast<std::uint32_t>((y / 16) * (sheet.width / 16) + x / 16);
      sheet.pixels.push_back(0xFF000000u | (quarter * 0x0B1D07u + 0x102030u) % 0xFFFFFFu);
    }
  }
  return sheet;
}

// Runs the console program in folder; its standard output, after checking
// that it exited with status.
std::string Console(const std::string& folder, const std::vector<std::string>& arguments,
                    int status = 0) {
  const ProgramResult run = RunProgram(kConsole, arguments, folder);
  EXPECT_EQ(run.status, status) << run.out << run.err;
  return run.out;
}

// The pieces that converting sheet.png in folder wrote, by name.
std::vector<std::string> Pieces(const TempFolder& folder) {
  std::vector<std::string> pieces;
  for (const std::string& name : ListFolder(folder / "sheet")) {
    pieces.push_back(name + ":" +
                     ReadFile(folder / ("sheet" + std::string(1, kPathSeparator) + name)));
  }
  return pieces;
}

// The rule file in folder, which the editor saved, is one the check finds
// nothing in, and its [Process] sends sheet.png (sheet) to a rule that
// writes the pieces that the console's rule of that name in console writes.
void ExpectTheConsolesConversion(const TempFolder& folder, const TempFolder& console,
                                 const Picture& sheet, const std::string& rule,
                                 std::size_t pieces) {
  Console(folder.Path(), {"--check"});
  WriteFile(console / "sheet.png", PngFile(sheet, true));
  Console(folder.Path(), {"sheet.png"});
  Console(console.Path(), {"--rule", rule, "sheet.png"});
  EXPECT_EQ(Pieces(folder).size(), pieces);
  EXPECT_EQ(Pieces(folder), Pieces(console));
}

// The sheet of one block fills the dialog; OK gives the rule the console
// generates, saved (with its [Process] candidate) as the console appends
// it, which the check finds nothing in and which converts the sheet as the
// console's rule does.
TEST_F(RuleEditorTest, ARuleFromALayoutIsTheConsolesAndConvertsTheSheetAsItsRuleDoes) {
  const std::string ruleFile = UseRuleFile(folder, kPlainRules);
  const TempFolder console;
  WriteRuleFile(console / "setting.ini", kPlainRules);
  Console(console.Path(), {"--autotile", "block2x3", "blob47", "--tile", "32", "--append",
                           "--setting", console / "setting.ini"});
  WriteFile(folder / "sheet.png", PngFile(Blocks(1, 1), true));
  AddFiles({folder / "sheet.png"});

  std::vector<std::string> filled;
  LRESULT targets = 0;
  std::string name, makes, terrain, findings, status;
  bool process = false;
  Edit([&](HWND editor) {
    PressButton(editor, IDC_FROM_LAYOUT);
    HWND dialog = WaitForWindow(kLayoutDialog);
    ASSERT_NE(dialog, nullptr);
    for (const int id : {IDC_AUTOTILE_FROM, IDC_AUTOTILE_TO, IDC_AUTOTILE_TILE, IDC_AUTOTILE_BLOCKS,
                         IDC_AUTOTILE_NAME}) {
      filled.push_back(ControlText(dialog, id));
    }
    targets = SendDlgItemMessageW(dialog, IDC_AUTOTILE_TO, CB_GETCOUNT, 0, 0);
    makes = ControlText(dialog, IDC_AUTOTILE_MAKES);
    PressButton(dialog, IDOK);
    WaitUntilGone(dialog);
    Settle(editor);
    name = ControlText(editor, IDC_RULE_NAME);
    terrain = ControlText(editor, IDC_TERRAIN_FIELD);
    findings = FirstLine(editor, IDC_FINDINGS);
    status = ControlText(editor, IDC_STATUS);
    process = IsDlgButtonChecked(editor, IDC_PROCESS_CHECK) == BST_CHECKED;
    PressButton(editor, IDC_SAVE);
    Settle(editor);
    PressButton(editor, IDCANCEL);
  });
  EXPECT_EQ(filled, (std::vector<std::string>{"block2x3", "blob47", "32", "1,1",
                                              "Autotile_block2x3_blob47_32"}));
  EXPECT_EQ(targets, 2) << "blob47 and wang16";
  EXPECT_EQ(makes, Text(Message::kAutotileDialogMakes, {"64 x 96", "384 x 128"}));
  EXPECT_EQ(name, "Autotile_block2x3_blob47_32");
  EXPECT_EQ(terrain, "blob47");
  EXPECT_EQ(findings, Text(Message::kRuleEditorNoFindings));
  EXPECT_EQ(status, Text(Message::kRuleEditorGenerated, {name}));
  EXPECT_TRUE(process);

  // The console's file with the sheet's size in [Process].
  std::string expected = ReadFile(console / "setting.ini");
  expected.insert(expected.find("[Other]"), "64,96=Autotile_block2x3_blob47_32\r\n");
  EXPECT_EQ(ReadFile(ruleFile), expected);
  ExpectTheConsolesConversion(folder, console, Blocks(1, 1), "Autotile_block2x3_blob47_32", 1);
}

// Several blocks: the rule is laid out with its per-block rule before the
// save (its canvas and findings), keeps it under a new name, and saves both
// in one write; the pieces are those of the console's rule of that name.
TEST_F(RuleEditorTest, ARuleOfSeveralBlocksIsShownRenamedAndSavedWithItsBlockRule) {
  const std::string ruleFile = UseRuleFile(folder, kPlainRules);
  const TempFolder console;
  WriteRuleFile(console / "setting.ini", kPlainRules);
  Console(console.Path(), {"--autotile", "block2x3", "blob47", "--tile", "32", "--blocks", "2,2",
                           "--name", "Water", "--append", "--setting", console / "setting.ini"});
  WriteFile(folder / "sheet.png", PngFile(Blocks(2, 2), true));
  AddFiles({folder / "sheet.png"});

  std::string blocks, findings, individual;
  int canvasWidth = 0, canvasHeight = 0;
  Edit([&](HWND editor) {
    PressButton(editor, IDC_FROM_LAYOUT);
    HWND dialog = WaitForWindow(kLayoutDialog);
    ASSERT_NE(dialog, nullptr);
    blocks = ControlText(dialog, IDC_AUTOTILE_BLOCKS);
    PressButton(dialog, IDOK);
    WaitUntilGone(dialog);
    Settle(editor);
    findings = FirstLine(editor, IDC_FINDINGS);
    canvasWidth = EditorOf(editor).canvasPicture->GetWidth();
    canvasHeight = EditorOf(editor).canvasPicture->GetHeight();
    Type(editor, IDC_RULE_NAME, "Water");
    PressButton(editor, IDC_NEW_RULE);
    Settle(editor);
    individual = ControlText(editor, IDC_INDIVIDUAL_FIELD);
    PressButton(editor, IDC_SAVE);
    Settle(editor);
    PressButton(editor, IDCANCEL);
  });
  EXPECT_EQ(blocks, "2,2");
  EXPECT_EQ(findings, Text(Message::kRuleEditorNoFindings));
  EXPECT_EQ(canvasWidth, 768);
  EXPECT_EQ(canvasHeight, 256);
  EXPECT_EQ(individual, "Water_block");

  // The same keys as the console's sections of that name.
  const auto saved = RuleFileSnapshot::Read(ruleFile);
  const auto made = RuleFileSnapshot::Read(console / "setting.ini");
  for (const std::string section : {"Water", "Water_block"}) {
    ASSERT_NE(saved->GetSection(section), nullptr) << section;
    EXPECT_EQ(RuleEdit::PairsOf(*saved->GetSection(section)),
              RuleEdit::PairsOf(*made->GetSection(section)))
        << section;
  }
  EXPECT_EQ(saved->GetSectionValue("Process", "128,192"), "Water");
  ExpectTheConsolesConversion(folder, console, Blocks(2, 2), "Water", 4);
}

// An odd tile, a pair without a rule, a name the file has and a rule too
// large are each told with the generator's reason while the dialog stays;
// cancelled, nothing changed.
TEST_F(RuleEditorTest, WhatTheGeneratorRefusesIsToldAndChangesNothing) {
  const std::string ruleFile = UseRuleFile(folder, kPlainRules);
  std::vector<std::string> told;
  std::string blank, name;
  Edit([&](HWND editor) {
    PressButton(editor, IDC_FROM_LAYOUT);
    HWND dialog = WaitForWindow(kLayoutDialog);
    ASSERT_NE(dialog, nullptr);
    const auto refused = [&](int id, const std::string& text) {
      Type(dialog, id, text);
      PressButton(dialog, IDOK);
      told.push_back(AnswerMessageBox("規則の編集", IDOK));
      Settle(dialog);
    };
    refused(IDC_AUTOTILE_TILE, "33");
    blank = ControlText(dialog, IDC_AUTOTILE_MAKES);
    refused(IDC_AUTOTILE_TILE, "x");
    Type(dialog, IDC_AUTOTILE_TILE, "32");
    refused(IDC_AUTOTILE_BLOCKS, "0,2");
    Type(dialog, IDC_AUTOTILE_BLOCKS, "1,1");
    refused(IDC_AUTOTILE_TILE, "65536");
    Type(dialog, IDC_AUTOTILE_TILE, "32");
    refused(IDC_AUTOTILE_NAME, "other");
    Type(dialog, IDC_AUTOTILE_NAME, "");
    Choose(dialog, IDC_AUTOTILE_FROM, 2);
    PressButton(dialog, IDOK);
    told.push_back(AnswerMessageBox("規則の編集", IDOK));
    EXPECT_TRUE(IsWindow(dialog));
    PressButton(dialog, IDCANCEL);
    WaitUntilGone(dialog);
    Settle(editor);
    name = ControlText(editor, IDC_RULE_NAME);
    PressButton(editor, IDCANCEL);
  });
  EXPECT_EQ(told,
            (std::vector<std::string>{
                Text(Message::kAutotileBadTile, {"33"}),
                Text(Message::kAutotileBadTile, {"x"}),
                Text(Message::kAutotileBadBlocks, {"0,2"}),
                Text(Message::kAutotileImageTooLarge, {"786432 x 262144"}),
                Text(Message::kRuleEditorNameRefused, {"other", Text(Message::kInverseNameTaken)}),
                Text(Message::kAutotileNoRule, {"wang16", "blob47", ListText(AutotilePairNames())}),
            }));
  EXPECT_EQ(blank, Text(Message::kAutotileBadTile, {"33"}));
  EXPECT_EQ(name, "");
  EXPECT_EQ(ReadFile(ruleFile), kPlainRules);
}

}  // namespace
