// Takes a picture of every window of Vomarin+.exe: the program is started
// under wine with sheets and a rule file of ours, brought into each state
// through its windows, and each window is copied from the screen into a PNG.
// Usage: vomarin-screenshots OUTPUT-FOLDER
#include <windows.h>

#include <cstdio>
#include <stdexcept>

#include "app/rule_editor_ids.h"
#include "common/messages.h"
#include "support/image_files.h"
#include "support/ui_driver_win32.h"
#include "support/windowed_program_win32.h"

namespace {

const char kRules[] =
    "[Process]\r\n64,32=草原\r\n96,32=水辺/水路\r\n640,400=大マップ\r\n32,32=試作\r\n"
    "[草原]\r\nReplace=0\r\nNameFoot=_k\r\n[水辺]\r\nReplace=0\r\nNameFoot=_m\r\n"
    "[水路]\r\nSrcDiv=6,2\r\nNewSize=64,32\r\nReplace=1,0,7,6,2,3,9,8\r\nFileDiv=2,1\r\n"
    "NameFoot=_s\r\n[大マップ]\r\nReplace=0\r\nNameFoot=_o\r\n"
    "[試作]\r\nIndividual=未定義の規則\r\n";

// Tiles of 16 pixels in two shades, with a darker line between them.
Picture Tiles(int width, int height, std::uint32_t light, std::uint32_t dark) {
  Picture picture{width, height, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool edge = x % 16 == 15 || y % 16 == 15;
      const bool odd = (x / 16 + y / 16) % 2 != 0;
      picture.pixels.push_back(edge ? 0xFF303030 : odd ? dark : light);
    }
  }
  return picture;
}

// A map on a magenta ground: islands of grass, for the picker to key.
Picture Map(int width, int height) {
  Picture picture = Tiles(width, height, 0xFF7CC35A, 0xFF5FA046);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int dx = (x % 160) - 80;
      const int dy = (y % 160) - 80;
      if (dx * dx + dy * dy > 60 * 60) picture.pixels[y * width + x] = 0xFFFF00FF;
    }
  }
  return picture;
}

// One terrain as a block of 2 x 3 tiles of tile pixels: water on land, the
// preview a pond, the inner corners water with land at its corners, below
// them an island of 2 x 2 tiles.
Picture WaterBlock(int tile) {
  const int shore = tile / 8;
  Picture picture{2 * tile, 3 * tile, {}};
  for (int y = 0; y < 3 * tile; ++y) {
    for (int x = 0; x < 2 * tile; ++x) {
      const auto inside = [shore](int at, int size) { return at >= shore && at < size - shore; };
      bool water;
      if (y >= tile) {
        water = inside(x, 2 * tile) && inside(y - tile, 2 * tile);
      } else if (x >= tile) {
        water = inside(x - tile, tile) || inside(y, tile);
      } else {
        water = inside(x, tile) && inside(y, tile);
      }
      const bool dark = (x / 4 + y / 4) % 2 != 0;
      picture.pixels.push_back(water ? (dark ? 0xFF3F86C0 : 0xFF4A93CC)
                                     : (dark ? 0xFF5FA046 : 0xFF6AAD50));
    }
  }
  return picture;
}

// Moves the highlight of the rule-selection dialog to its second candidate
// as the arrow key does.
void HighlightSecond(HWND select) {
  HWND box = GetDlgItem(select, 300);
  SendMessageTimeoutA(box, CB_SETCURSEL, 1, 0, SMTO_NORMAL, 5000, nullptr);
  PostMessageA(select, WM_COMMAND, MAKEWPARAM(300, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
  Settle(select);
}

class Session {
 public:
  Session(std::string output, DWORD process) : output(std::move(output)), process(process) {}

  HWND Window(const std::string& caption) {
    HWND window = WaitForWindow(caption, 20000, process);
    if (window == nullptr) throw std::runtime_error("no window " + caption);
    return window;
  }

  // Copies the window as the screen shows it.
  void Shoot(HWND window, const std::string& name) {
    // Windows without a window manager may stack other than their owners say.
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Settle(window);
    Sleep(500);
    RECT area = {};
    GetWindowRect(window, &area);
    const Picture picture = ScreenPixels(area);
    WriteFile(output + "\\" + name, PngFile(picture, false));
    std::printf("wrote %s\n", name.c_str());
  }

  // Adds the file at path through the open dialog of main.
  void AddFile(HWND main, const std::string& path) {
    PressButton(main, 200);
    AnswerFileDialog(Text(Message::kOpenFile), path, 10000, process);
  }

  // Shoots the message box with caption and answers it with button.
  void ShootBox(const std::string& caption, const std::string& name, int button) {
    HWND box = Window(caption);
    Shoot(box, name);
    PressButton(box, button);
    WaitUntilGone(box);
  }

 private:
  std::string output;
  DWORD process;
};

void Run(const std::string& output) {
  TempFolder sheets;
  WriteFile(sheets / "map-large.png", PngFile(Map(640, 400), false));
  WriteFile(sheets / "grass.png", PngFile(Tiles(64, 32, 0xFF7CC35A, 0xFF5FA046), false));
  WriteFile(sheets / "water.png", PngFile(Tiles(96, 32, 0xFF5AA7E0, 0xFF3F86C0), false));
  WriteFile(sheets / "draft.png", PngFile(Tiles(32, 32, 0xFFD2AB6A, 0xFFB48A4A), false));
  WriteFile(sheets / "notes.png", "not an image");
  WriteFile(sheets / "odd.png", PngFile(Tiles(48, 48, 0xFFC87878, 0xFFA05050), false));
  WriteFile(sheets / "water-block.png", PngFile(WaterBlock(32), false));

  ProgramUnderTest program(WinePath(VOMARIN_PROGRAM), WinePath(VOMARIN_CHECKER), kRules);
  if (!program.Start()) throw std::runtime_error("Vomarin+.exe did not start");
  Session session(output, program.Id());
  const DWORD id = program.Id();

  // The rule [試作] names a rule that the file lacks: the check's line shows.
  HWND main = session.Window("Vomarin+");
  session.Shoot(main, "main-empty.png");
  PressButton(main, 306);
  HWND findings = session.Window(Text(Message::kFindingsCaption));
  session.Shoot(findings, "findings.png");
  PressButton(findings, IDCANCEL);
  WaitUntilGone(findings);
  PressButton(main, IDOK);
  session.ShootBox(Text(Message::kNothingToRunCaption), "box-empty-list.png", IDOK);

  PressButton(main, 200);
  HWND open = session.Window(Text(Message::kOpenFile));
  session.Shoot(open, "open-file.png");
  AnswerFileDialog(Text(Message::kOpenFile), sheets / "map-large.png", 10000, id);
  session.AddFile(main, sheets / "grass.png");
  session.AddFile(main, sheets / "notes.png");
  session.AddFile(main, sheets / "water.png");
  session.ShootBox(Text(Message::kManualChoiceCaption), "box-manual.png", IDOK);
  HWND select = session.Window(Text(Message::kSelectCaption));
  session.Shoot(select, "select.png");
  HighlightSecond(select);
  session.Shoot(select, "select-second.png");
  PressButton(select, IDOK);
  WaitUntilGone(select);
  session.Shoot(main, "main-with-files.png");
  PressButton(main, IDCANCEL);
  session.ShootBox(Text(Message::kConfirmExitCaption), "box-exit.png", IDNO);

  // A run with the picker: the large map first, its ground clicked away.
  SendMessageTimeoutW(GetDlgItem(main, 301), BM_SETCHECK, BST_CHECKED, 0, SMTO_NORMAL, 5000,
                      nullptr);
  PressButton(main, IDOK);
  HWND picker = session.Window(Text(Message::kPickerCaption));
  POINT ground = {4, 4};
  MapWindowPoints(GetDlgItem(picker, 100), picker, &ground, 1);
  ClickAt(picker, ground.x, ground.y);
  session.Shoot(picker, "transparent.png");
  PressButton(picker, IDCANCEL);
  session.ShootBox(Text(Message::kPickerCloseCaption), "box-give-up.png", IDNO);
  PressButton(picker, IDOK);
  WaitUntilGone(picker);

  // At the second job the progress window shows the first one's names; it
  // stands behind the picker: move the picker aside.
  picker = session.Window(Text(Message::kPickerCaption));
  SetWindowPos(picker, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  HWND progress = session.Window(Text(Message::kProgressCaption));
  session.Shoot(progress, "progress.png");
  PressButton(progress, IDCANCEL);
  session.ShootBox(Text(Message::kStopAllCaption), "box-cancel-run.png", IDNO);
  for (int job = 2; job <= 3; ++job) {
    PressButton(picker, IDOK);
    WaitUntilGone(picker);
    if (job < 3) picker = session.Window(Text(Message::kPickerCaption));
  }
  session.ShootBox(Text(Message::kRunDoneCaption), "box-closing.png", IDYES);

  // A cancelled run.
  session.AddFile(main, sheets / "grass.png");
  session.AddFile(main, sheets / "map-large.png");
  Settle(main);
  PressButton(main, IDOK);
  picker = session.Window(Text(Message::kPickerCaption));
  progress = session.Window(Text(Message::kProgressCaption));
  PressButton(progress, IDCANCEL);
  AnswerMessageBox(Text(Message::kStopAllCaption), IDYES, 10000, id);
  PressButton(picker, IDOK);
  session.ShootBox(Text(Message::kRunDoneCaption), "box-closing-cancelled.png", IDYES);

  // The rule editor on a sheet that no rule fits: a new rule with a few
  // cells placed, an existing rule at 2x, a rule with findings.
  session.AddFile(main, sheets / "odd.png");
  PressButton(main, 303);
  HWND editor = session.Window(Text(Message::kRuleEditorTitle));
  const auto post = [&](int id, UINT message, WPARAM wParam, LPARAM lParam) {
    PostMessageW(GetDlgItem(editor, id), message, wParam, lParam);
    Settle(editor);
  };
  // A field's value is taken on Enter.
  const auto enter = [&](int id, const wchar_t* text) {
    SendMessageTimeoutW(editor, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(editor, id)),
                        TRUE, SMTO_NORMAL, 5000, nullptr);
    SendMessageTimeoutW(GetDlgItem(editor, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text),
                        SMTO_NORMAL, 5000, nullptr);
    SendMessageTimeoutW(editor, WM_COMMAND, IDOK, 0, SMTO_NORMAL, 5000, nullptr);
  };
  const auto choose = [&](int id, int index) {
    SendMessageTimeoutW(GetDlgItem(editor, id), CB_SETCURSEL, index, 0, SMTO_NORMAL, 5000, nullptr);
    PostMessageW(editor, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(editor, id)));
  };
  enter(IDC_SRCDIV_FIELD, L"3,3");
  enter(IDC_NEWSIZE_FIELD, L"64,32");
  // Cells placed at 1:1, shown at the zoom the views open at, which fits.
  choose(IDC_ZOOM, 1);
  for (const auto& [cell, slot] : {std::pair<int, int>{4, 0}, {0, 1}, {8, 5}}) {
    post(IDC_SHEET_VIEW, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(cell % 3 * 16 + 8, cell / 3 * 16 + 8));
    post(IDC_SHEET_VIEW, WM_LBUTTONUP, 0, MAKELPARAM(cell % 3 * 16 + 8, cell / 3 * 16 + 8));
    post(IDC_CANVAS_VIEW, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(slot % 4 * 16 + 8, slot / 4 * 16 + 8));
    post(IDC_CANVAS_VIEW, WM_LBUTTONUP, 0, MAKELPARAM(slot % 4 * 16 + 8, slot / 4 * 16 + 8));
  }
  choose(IDC_ZOOM, 0);
  Settle(editor);
  session.Shoot(editor, "rule-editor-new.png");
  DropFiles(editor, {sheets / "grass.png"});
  choose(IDC_RULE_NAME, 0);
  AnswerMessageBox(Text(Message::kRuleEditorTitle), IDNO, 10000, id);
  choose(IDC_ZOOM, 2);
  Settle(editor);
  session.Shoot(editor, "rule-editor-2x.png");
  choose(IDC_RULE_NAME, 4);
  Settle(editor);
  session.Shoot(editor, "rule-editor-findings.png");
  // A rule generated from a block of 2 x 3 tiles, which the dialog suggests.
  DropFiles(editor, {sheets / "water-block.png"});
  PressButton(editor, IDC_FROM_LAYOUT);
  HWND layout = session.Window(Text(Message::kAutotileDialogTitle));
  session.Shoot(layout, "autotile-dialog.png");
  PressButton(layout, IDOK);
  WaitUntilGone(layout);
  choose(IDC_ZOOM, 0);
  Settle(editor);
  session.Shoot(editor, "rule-editor-autotile.png");
  PressButton(editor, IDCANCEL);
  AnswerMessageBox(Text(Message::kRuleEditorTitle), IDNO, 10000, id);
  WaitUntilGone(editor);

  // A run whose rule fails.
  SendMessageTimeoutW(GetDlgItem(main, 301), BM_SETCHECK, BST_UNCHECKED, 0, SMTO_NORMAL, 5000,
                      nullptr);
  session.AddFile(main, sheets / "draft.png");
  session.AddFile(main, sheets / "grass.png");
  PressButton(main, IDOK);
  session.ShootBox(Text(Message::kRunDoneCaption), "box-closing-failed.png", IDNO);
  if (program.WaitForExit() != 0) throw std::runtime_error("Vomarin+.exe did not end by itself");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: vomarin-screenshots OUTPUT-FOLDER\n");
    return 2;
  }
  const std::string output = argv[1][0] == '/' ? WinePath(argv[1]) : argv[1];
  try {
    Run(output);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "vomarin-screenshots: %s\n", error.what());
    return 1;
  }
  return 0;
}
