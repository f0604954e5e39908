// The rule editor of Vomarin+.exe driven from this process by a few hundred
// random user actions through its controls: rules chosen and made, text
// typed and pasted into the fields (line breaks and characters the rule
// file cannot hold among it), cells and slots pointed at, blank, fill,
// undo, redo, zoom, rules generated from a layout (the dialog filled at
// random, accepted or cancelled), saves with and without the inverse, the
// rule file changed by another program, every question answered either way. After
// each action the program must still run; after each save the rule file
// must read as the editor shows the rule, every other line keeping its
// bytes, and a save refused must have written nothing. Seeded: a failure
// names its seed, and VOMARIN_DRIVE_SEED=<seed> replays it.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <random>

#include "app/main_dialog_win32.h"
#include "app/rule_editor_ids.h"
#include "common/encoding.h"
#include "common/wide_win32.h"
#include "setting/rule_file_snapshot.h"
#include "support/image_files.h"
#include "support/rule_file_changes.h"
#include "support/ui_driver_win32.h"
#include "support/windowed_program_win32.h"

namespace {

const std::string kProgram = WinePath(VOMARIN_PROGRAM);
const std::string kChecker = WinePath(VOMARIN_CHECKER);
constexpr char kEditor[] = "規則の編集";
constexpr char kLayoutDialog[] = "定型から作る";
// Per rule file, as many actions as fit, up to these.
constexpr int kActions = 300;
constexpr DWORD kTimePerFile = 45000;

// What is typed or pasted into the fields of each kind: mostly what the
// field takes, now and then what it must refuse or the file cannot hold.
const std::vector<std::string> kGrids = {"4,2", "2 2", "4,2\r\n", "1,1", "2,1", "", "0,1"};
const std::vector<std::string> kSizes = {"64,32", "32 32", "128,32", "16,16\r\n", "", "x"};
const std::vector<std::string> kRects = {"0,0,64,32", "8,8,48,16", "0,0,32 32", "", "0,0,32"};
const std::vector<std::string> kTexts = {"_a", "_b", "町", "", "Café", "\xED\x95\x9C", "a\r\nb"};
const std::vector<std::string> kRules = {"Walls", "Tiles", "", "Walls,Tiles", "Café"};
const std::vector<std::string> kReplaces = {"0,1,2,3,\r\n4,5,6,7", "3 2 1 0", "1,x", "", "0,,3",
                                            "7\r\n"};
const std::vector<std::string> kNames = {"New", "Café", "A/B", "Tiles", "tiles", "", "New,2"};
const std::vector<std::string> kTiles = {"32", "16", "48", "33", "0", "x", ""};
const std::vector<std::string> kBlocks = {"1,1", "2,1", "2 2", "0,1", "x"};

class Drive {
 public:
  Drive(ProgramUnderTest& program, const std::string& ruleFile, unsigned seed)
      : program(program), ruleFile(ruleFile), random(seed), shown(ReadFile(ruleFile)) {}

  // Opens the editor from the main window and chooses a rule there.
  bool Open(HWND main) {
    PressButton(main, kEditRulesButton);
    editor = WaitForWindow(kEditor, 10000, program.Id());
    if (editor == nullptr) return false;
    ChooseIn(IDC_RULE_NAME);
    return true;
  }

  // One random action; what it was. Whenever the editor wrote the rule
  // file (a save, or a rule left with its edits saved), only the rule it
  // edited changed there.
  std::string Act(HWND main) {
    const std::string before = ReadFile(ruleFile);
    const std::string rule = editing;
    DWORD_PTR process = 0;
    SendMessageTimeoutW(Control(IDC_PROCESS_CHECK), BM_GETCHECK, 0, 0, SMTO_NORMAL, 2000, &process);
    const std::string sizeKey = ControlText(editor, IDC_SHEET_SIZE);
    const std::size_t kind = Pick(100);
    if (kind >= 88 && kind < 90) return ChangeTheFileElsewhere();
    const std::string what =
        kind < 18   ? TypeIntoField()
        : kind < 26 ? Paste()
        : kind < 44 ? PointAtViews()
        : kind < 56 ? PressOneOf({IDC_FILL_IN_ORDER, IDC_BLANK, IDC_UNDO, IDC_REDO})
        : kind < 60 ? ChooseIn(Chance(50) ? IDC_ZOOM : IDC_TERRAIN_FIELD)
        : kind < 66 ? ChooseIn(IDC_RULE_NAME)
        : kind < 69 ? NewRule()
        : kind < 72 ? FromLayout()
        : kind < 75 ? Toggle(Chance(50) ? IDC_PROCESS_CHECK : IDC_KEEPPALETTE_FIELD)
        : kind < 88 ? Save(Chance(25))
        : kind < 92 ? CloseAndOpen(main)
                    : Keys();
    const std::string after = ReadFile(ruleFile);
    if (after != before) {
      ExpectOnlyTheRuleChanged(shown, after, rule, process == BST_CHECKED ? sizeKey : "");
      shown = after;
    }
    return what;
  }

  bool Alive() { return program.WaitForExit(0) == -1; }
  HWND Editor() const { return editor; }

 private:
  std::size_t Pick(std::size_t count) {
    return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
  }
  bool Chance(int percent) { return static_cast<int>(Pick(100)) < percent; }
  template <typename T>
  T OneOf(const std::vector<T>& items) {
    return items[Pick(items.size())];
  }

  // Sent and left to run: a handler that opens a box is not waited for.
  static void Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG, 300,
                        nullptr);
  }
  HWND Control(int id) const { return GetDlgItem(editor, id); }
  void Command(int id, int code = BN_CLICKED) {
    Send(editor, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Control(id)));
  }

  struct Answers {
    bool told = false;  // a box that only tells
    bool yes = false;   // a question answered yes
  };

  // Waits until the editor is idle, answering at random every box that it
  // opens meanwhile.
  Answers Await() {
    Answers answers;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 30000) {
      if (!IsWindow(editor)) return answers;
      DWORD_PTR ignored = 0;
      if (!SendMessageTimeoutW(editor, WM_NULL, 0, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG, 2000,
                               &ignored)) {
        if (!Alive()) return answers;
        continue;
      }
      HWND box = WaitForMessageBox(kEditor, 0, program.Id());
      if (box == nullptr) return answers;
      std::vector<int> buttons;
      for (const int id : {IDYES, IDNO, IDCANCEL}) {
        if (GetDlgItem(box, id) != nullptr) buttons.push_back(id);
      }
      const int button = buttons.empty() ? IDOK : OneOf(buttons);
      answers.told = answers.told || buttons.empty();
      answers.yes = answers.yes || button == IDYES;
      PressButton(box, button);
      WaitUntilGone(box, 5000);
    }
    ADD_FAILURE() << "the editor does not answer";
    return answers;
  }

  std::string TextFor(int id) {
    if (id == IDC_REPLACE_FIELD) return OneOf(kReplaces);
    switch (KeyEntry(static_cast<RuleKeyId>(id - IDC_KEY_FIELD)).kind) {
      case RuleValueKind::kText:
        return OneOf(kTexts);
      case RuleValueKind::kName:
      case RuleValueKind::kNameList:
        return OneOf(kRules);
      case RuleValueKind::kGrid:
        return OneOf(kGrids);
      case RuleValueKind::kSize:
        return OneOf(kSizes);
      default:
        return OneOf(kRects);
    }
  }

  // Typed into a field, a character at a time, then left by Tab or Enter,
  // or not at all.
  std::string TypeIntoField() {
    std::vector<int> fields;
    for (const RuleKeyEntry& key : kRuleKeys) {
      if (RuleEdit::Edits(key.id) && key.id != RuleKeyId::kKeepPalette &&
          key.kind != RuleValueKind::kChoice)
        fields.push_back(IDC_KEY_FIELD + static_cast<int>(key.id));
    }
    const int id = OneOf(fields);
    const std::string text = TextFor(id);
    HWND field = Control(id);
    // A drop-down's text is typed into the edit control inside it.
    if (HWND inner = FindWindowExW(field, nullptr, L"Edit", nullptr)) field = inner;
    Send(editor, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(field), TRUE);
    Send(field, EM_SETSEL, 0, -1);
    for (const wchar_t c : Wide(text)) Send(field, WM_CHAR, c, 1);
    if (text.empty()) Send(field, WM_CHAR, VK_BACK, 1);
    const std::size_t leave = Pick(3);
    if (leave == 0) Send(editor, WM_NEXTDLGCTL, 0, FALSE);
    if (leave == 1) Command(IDOK);
    Await();
    return "type " + text + " into " + std::to_string(id);
  }

  std::string Paste() {
    const int id = Chance(60) ? IDC_REPLACE_FIELD
                              : OneOf(std::vector<int>{IDC_SRCDIV_FIELD, IDC_NAMEFOOT_FIELD,
                                                       IDC_GROUP_FIELD, IDC_NEWSIZE_FIELD});
    const std::string text = TextFor(id);
    const std::wstring wide = Wide(text);
    if (OpenClipboard(nullptr)) {
      EmptyClipboard();
      HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
      std::memcpy(GlobalLock(memory), wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
      GlobalUnlock(memory);
      SetClipboardData(CF_UNICODETEXT, memory);
      CloseClipboard();
    }
    Send(editor, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(id)), TRUE);
    Send(Control(id), EM_SETSEL, 0, -1);
    Send(Control(id), WM_PASTE);
    Await();
    return "paste " + text + " into " + std::to_string(id);
  }

  std::string PointAtViews() {
    const int id = Chance(50) ? IDC_SHEET_VIEW : IDC_CANVAS_VIEW;
    HWND view = Control(id);
    RECT client{};
    GetClientRect(view, &client);
    const auto at = [&] {
      return MAKELPARAM(Pick(static_cast<std::size_t>(std::max<LONG>(client.right, 1))),
                        Pick(static_cast<std::size_t>(std::max<LONG>(client.bottom, 1))));
    };
    const std::size_t how = Pick(3);
    if (how == 2) {
      Send(view, WM_RBUTTONUP, 0, at());
    } else {
      Send(view, WM_LBUTTONDOWN, MK_LBUTTON, at());
      if (how == 1) Send(view, WM_MOUSEMOVE, MK_LBUTTON, at());
      Send(view, WM_LBUTTONUP, 0, at());
    }
    Await();
    return "point at " + std::to_string(id);
  }

  std::string Keys() {
    HWND view = Control(Chance(50) ? IDC_SHEET_VIEW : IDC_CANVAS_VIEW);
    const WPARAM key =
        OneOf(std::vector<WPARAM>{VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_RETURN, VK_DELETE});
    Send(view, WM_KEYDOWN, key, 1);
    Await();
    return "key " + std::to_string(key);
  }

  std::string PressOneOf(const std::vector<int>& buttons) {
    const int id = OneOf(buttons);
    Command(id);
    Await();
    // Undo and redo bring back the name the rule had.
    if (id == IDC_UNDO || id == IDC_REDO) editing = ControlText(editor, IDC_RULE_NAME);
    return "press " + std::to_string(id);
  }

  std::string ChooseIn(int id) {
    DWORD_PTR count = 0;
    SendMessageTimeoutW(Control(id), CB_GETCOUNT, 0, 0, SMTO_NORMAL, 2000, &count);
    if (count == 0) return "nothing to choose";
    const std::size_t index = Pick(count);
    Send(Control(id), CB_SETCURSEL, index);
    Command(id, CBN_SELCHANGE);
    Await();
    if (id == IDC_RULE_NAME) editing = ControlText(editor, IDC_RULE_NAME);
    return "choose " + std::to_string(index) + " in " + std::to_string(id);
  }

  std::string NewRule() {
    const std::string name = OneOf(kNames);
    SendMessageTimeoutW(Control(IDC_RULE_NAME), WM_SETTEXT, 0,
                        reinterpret_cast<LPARAM>(Wide(name).c_str()), SMTO_NORMAL, 2000, nullptr);
    Command(IDC_NEW_RULE);
    if (!Await().told) {
      editing = name;
    } else {
      // Refused: the user puts the name back.
      SendMessageTimeoutW(Control(IDC_RULE_NAME), WM_SETTEXT, 0,
                          reinterpret_cast<LPARAM>(Wide(editing).c_str()), SMTO_NORMAL, 2000,
                          nullptr);
    }
    return "new rule " + name;
  }

  // The dialog "定型から作る" filled at random and accepted or cancelled; a
  // refusal leaves it open, and it is cancelled then.
  std::string FromLayout() {
    Command(IDC_FROM_LAYOUT);
    HWND dialog = WaitForWindow(kLayoutDialog, 10000, program.Id());
    if (dialog == nullptr) {
      ADD_FAILURE() << "the dialog does not open";
      return "from a layout";
    }
    const auto set = [&](int id, const std::string& text) {
      SendMessageTimeoutW(GetDlgItem(dialog, id), WM_SETTEXT, 0,
                          reinterpret_cast<LPARAM>(Wide(text).c_str()), SMTO_NORMAL, 2000, nullptr);
    };
    std::string what = "from a layout";
    for (const int id : {IDC_AUTOTILE_FROM, IDC_AUTOTILE_TO}) {
      if (!Chance(30)) continue;
      DWORD_PTR count = 0;
      SendMessageTimeoutW(GetDlgItem(dialog, id), CB_GETCOUNT, 0, 0, SMTO_NORMAL, 2000, &count);
      const std::size_t index = count > 0 ? Pick(count) : 0;
      Send(GetDlgItem(dialog, id), CB_SETCURSEL, index);
      Send(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
           reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
      what += " choose " + std::to_string(index);
    }
    if (Chance(30)) set(IDC_AUTOTILE_TILE, OneOf(kTiles));
    if (Chance(30)) set(IDC_AUTOTILE_BLOCKS, OneOf(kBlocks));
    if (Chance(30)) set(IDC_AUTOTILE_NAME, OneOf(kNames));
    what += " tile " + ControlText(dialog, IDC_AUTOTILE_TILE) + " blocks " +
            ControlText(dialog, IDC_AUTOTILE_BLOCKS) + " name " +
            ControlText(dialog, IDC_AUTOTILE_NAME);
    const bool accept = Chance(70);
    Send(dialog, WM_COMMAND, accept ? IDOK : IDCANCEL);
    Await();
    if (IsWindow(dialog)) {
      Send(dialog, WM_COMMAND, IDCANCEL);
      if (!WaitUntilGone(dialog, 5000)) ADD_FAILURE() << "the dialog does not close";
      Await();
      return what + ", refused";
    }
    editing = ControlText(editor, IDC_RULE_NAME);
    return what + (accept ? ", accepted" : ", cancelled");
  }

  std::string Toggle(int id) {
    Send(Control(id), BM_CLICK);
    Await();
    return "click " + std::to_string(id);
  }

  // Saved: the file as the editor shows the rule, or as it was when the
  // save was refused.
  std::string Save(bool withInverse) {
    const std::string before = ReadFile(ruleFile);
    Command(withInverse ? IDC_SAVE_INVERSE : IDC_SAVE);
    const Answers answers = Await();
    const std::string after = ReadFile(ruleFile);
    if (answers.told) {
      EXPECT_EQ(after, before) << "a save refused wrote";
      return "save refused";
    }
    editing = ControlText(editor, IDC_RULE_NAME);
    const auto saved =
        RuleFileSnapshot::Of(ruleFile, {RuleFileBytes::State::kRead, after, FileResult()});
    const SettingSection* section = saved->GetSection(editing);
    EXPECT_NE(section, nullptr) << editing;
    if (section != nullptr) ExpectShown(*section);
    return "save " + editing;
  }

  // The rule as the file holds it is the rule as the editor shows it.
  void ExpectShown(const SettingSection& section) {
    for (const RuleKeyEntry& key : kRuleKeys) {
      if (!RuleEdit::Edits(key.id)) continue;
      std::string inFile;
      for (const auto& [name, value] : ExpectedKeys(section)) {
        if (name == key.name) inFile = value;
      }
      const int id = IDC_KEY_FIELD + static_cast<int>(key.id);
      if (key.id == RuleKeyId::kKeepPalette) {
        DWORD_PTR checked = 0;
        SendMessageTimeoutW(Control(id), BM_GETCHECK, 0, 0, SMTO_NORMAL, 2000, &checked);
        EXPECT_EQ(checked == BST_CHECKED, inFile == "1") << key.name;
      } else {
        EXPECT_EQ(ControlText(editor, id), inFile) << key.name;
      }
    }
  }

  // Another program writes the rule file: a comment added at the end.
  std::string ChangeTheFileElsewhere() {
    WriteFile(ruleFile, ReadFile(ruleFile) + "; changed elsewhere\r\n");
    return "the file changed elsewhere";
  }

  std::string CloseAndOpen(HWND main) {
    Command(IDCANCEL);
    Await();
    if (IsWindowVisible(editor) && Chance(50)) return "close, answered to stay";
    if (!WaitUntilGone(editor, 5000)) return "close, kept open";
    // What the program read last is what the editor shows when it opens.
    if (!Open(main)) ADD_FAILURE() << "the editor does not open again";
    return "close and open";
  }

  ProgramUnderTest& program;
  std::string ruleFile;
  std::mt19937 random;
  std::string shown;  // the rule file as the editor read it
  HWND editor = nullptr;
  std::string editing;  // the name of the rule being edited
};

// 64 x 32 pixels of 16 x 16 cells, each its own colour.
Picture Sheet() {
  Picture sheet{64, 32, {}};
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 64; ++x) {
      sheet.pixels.push_back(0xFF000000u | static_cast<std::uint32_t>((x / 16 + 1) * 0x3F0000) |
                             static_cast<std::uint32_t>((y / 16 + 1) * 0x60));
    }
  }
  return sheet;
}

TEST(RuleEditorDrive, RandomActionsNeitherStopTheProgramNorHurtTheRuleFile) {
  const char* replay = std::getenv("VOMARIN_DRIVE_SEED");
  const unsigned seed =
      replay ? static_cast<unsigned>(std::strtoul(replay, nullptr, 10)) : std::random_device()();
  const struct {
    const char* what;
    std::string bytes;
  } files[] = {
      {"Shift-JIS with comments",
       Utf8ToShiftJis(
           "; 規則ファイル\r\n[Process]\r\n64,64=Tiles/Walls\r\n\r\n[Tiles]\r\n; 草地\r\n"
           "  SrcDiv = 4,2 \r\nNewSize=64,32\r\nReplace=0,1,2,3\r\nSpecific=草\r\n\r\n"
           "[Walls]\r\nSrcDiv=2,2\r\nReplace=\r\nGroup=町\r\n; 終わり\r\n")},
      {"UTF-8 with its mark",
       "\xEF\xBB\xBF[Tiles]\nSrcDiv=4,2\nReplace=3,2,1,0\nGroup=\xE7\x94\xBA\n[Walls]\n"
       "Individual=Tiles\n"},
  };
  const TempFolder sheets;
  WriteFile(sheets / "sheet.png", PngFile(Sheet(), true));
  for (const auto& file : files) {
    SCOPED_TRACE(std::string(file.what) + ", VOMARIN_DRIVE_SEED=" + std::to_string(seed));
    ProgramUnderTest program(kProgram, kChecker, "");
    const std::string ruleFile = program.Folder() + "\\setting.ini";
    WriteFile(ruleFile, file.bytes);
    ASSERT_TRUE(program.Start());
    HWND main = WaitForWindow("Vomarin+", 30000, program.Id());
    ASSERT_NE(main, nullptr);
    // A sheet no rule takes: the editor lays its rules out on it.
    DropFiles(main, {sheets / "sheet.png"});
    const DWORD dropped = GetTickCount();
    while (ControlText(main, kListText).find("sheet.png") == std::string::npos &&
           GetTickCount() - dropped < 10000) {
      Sleep(50);
    }

    Drive drive(program, ruleFile, seed);
    ASSERT_TRUE(drive.Open(main));
    const DWORD start = GetTickCount();
    for (int action = 0; action < kActions && GetTickCount() - start < kTimePerFile; ++action) {
      const std::string what = drive.Act(main);
      ASSERT_TRUE(drive.Alive()) << "action " << action << ": " << what;
      if (::testing::Test::HasFailure()) {
        ADD_FAILURE() << "action " << action << ": " << what;
        return;
      }
    }
  }
}

}  // namespace
