#include "app/rule_editor_win32.h"

#include <shellapi.h>

#include <algorithm>
#include <iterator>
#include <optional>

#include "app/autotile_dialog_win32.h"
#include "app/rule_editor_ids.h"
#include "app/rule_editor_save.h"
#include "classify/classify.h"
#include "common/app_context.h"
#include "common/centre_window_win32.h"
#include "common/file_choosers_win32.h"
#include "common/messages.h"
#include "common/wide_win32.h"
#include "common/window_text_win32.h"
#include "convert/run_state.h"
#include "ruletools/autotile_edit.h"
#include "ruletools/edit_pictures.h"
#include "ruletools/edited_rule_check.h"
#include "ruletools/rule_book.h"
#include "ruletools/rule_size.h"
#include "setting/ini_text.h"
#include "setting/setting_store.h"

static_assert(IDC_REPLACE_FIELD == IDC_KEY_FIELD + static_cast<int>(RuleKeyId::kReplace),
              "the key fields follow the key table");
static_assert(IDC_TERRAIN_FIELD == IDC_KEY_FIELD + static_cast<int>(RuleKeyId::kTerrain),
              "the key fields follow the key table");

namespace {

// The zoom choices after "全体", which fits the pictures into the views.
constexpr int kZooms[] = {1, 2, 4};
constexpr const char* kZoomNames[] = {"1:1", "2×", "4×"};
// The size a new rule is laid out on when there is no sheet.
constexpr RuleEdit::Size kSizeWithoutSheet{256, 256};

int FieldOf(RuleKeyId key) { return IDC_KEY_FIELD + static_cast<int>(key); }

// The key whose field control id is, if it is one the editor shows.
std::optional<RuleKeyId> KeyOfField(int id) {
  const int place = id - IDC_KEY_FIELD;
  if (place < 0 || place >= static_cast<int>(std::size(kRuleKeys))) return std::nullopt;
  const RuleKeyId key = kRuleKeys[place].id;
  return RuleEdit::Edits(key) ? std::optional<RuleKeyId>(key) : std::nullopt;
}

// The keys with a text field or a drop-down (KeepPalette is a check box,
// Replace its own text).
bool HasTextField(RuleKeyId key) {
  return RuleEdit::Edits(key) && key != RuleKeyId::kReplace && key != RuleKeyId::kKeepPalette;
}

// The value of Terrain is chosen from a list: the layouts of whole variants
// and the empty choice, which leaves the key out.
bool IsChoice(RuleKeyId key) { return KeyEntry(key).kind == RuleValueKind::kChoice; }

// The list of a choice; a value the rule file holds that the rule refuses
// stays in it, as written, so that the field shows what the file says.
void ShowChoice(HWND dialog, RuleKeyId key, const std::string& value) {
  std::vector<std::string> choices = {std::string()};
  for (const AutotileLayout layout : kAutotileLayouts) {
    if (IsTerrain(layout)) choices.push_back(AutotileLayoutName(layout));
  }
  auto chosen = std::find(choices.begin(), choices.end(), value);
  if (chosen == choices.end()) chosen = choices.insert(choices.end(), value);
  const LRESULT index = chosen - choices.begin();
  FillComboBox(dialog, FieldOf(key), choices);
  SendDlgItemMessageW(dialog, FieldOf(key), CB_SETCURSEL, index, 0);
}

// Fields of numbers: blanks and line breaks in them separate the numbers.
bool HoldsNumbers(RuleKeyId key) {
  const RuleValueKind kind = KeyEntry(key).kind;
  return kind == RuleValueKind::kGrid || kind == RuleValueKind::kSize ||
         kind == RuleValueKind::kRect || kind == RuleValueKind::kNumberList;
}

// Fields whose value lays the rule out (the grids, the clip, the canvas,
// the Individual rule that sizes the slots) are taken once complete, on
// Enter, Tab or leaving the field: a value half typed moves no cell.
bool TakenWhenComplete(RuleKeyId key) {
  return HoldsNumbers(key) ? key != RuleKeyId::kReplace
                           : KeyEntry(key).kind == RuleValueKind::kName;
}

std::vector<std::string> RuleNames(const RuleFileSnapshot& ruleFile) {
  std::vector<std::string> names;
  for (const std::string& name : ruleFile.SectionNames()) {
    if (IsSizeTableName(name)) continue;
    bool listed = false;
    for (const std::string& other : names) listed = listed || SameSectionName(other, name);
    if (!listed) names.push_back(name);
  }
  return names;
}

void SetTexts(HWND dialog) {
  SetDialogTexts(dialog, Message::kRuleEditorTitle,
                 {{IDC_RULE_LABEL, Message::kRuleEditorRule},
                  {IDC_NEW_RULE, Message::kRuleEditorNewRule},
                  {IDC_FROM_LAYOUT, Message::kRuleEditorFromLayout},
                  {IDC_SHEET_LABEL, Message::kRuleEditorSheet},
                  {IDC_OPEN_SHEET, Message::kRuleEditorOpenSheet},
                  {IDC_SIZE_LABEL, Message::kRuleEditorSize},
                  {IDC_PROCESS_CHECK, Message::kRuleEditorProcess},
                  {IDC_ZOOM_LABEL, Message::kRuleEditorZoom},
                  {IDC_FILL_IN_ORDER, Message::kRuleEditorFillInOrder},
                  {IDC_BLANK, Message::kRuleEditorBlank},
                  {IDC_UNDO, Message::kRuleEditorUndo},
                  {IDC_REDO, Message::kRuleEditorRedo},
                  {IDC_FINDINGS_LABEL, Message::kRuleEditorFindings},
                  {IDC_SAVE, Message::kRuleEditorSave},
                  {IDC_SAVE_INVERSE, Message::kRuleEditorSaveInverse},
                  {IDCANCEL, Message::kRuleEditorClose}});
  // The keys' own names, which no language changes.
  for (const RuleKeyEntry& key : kRuleKeys) {
    if (!RuleEdit::Edits(key.id)) continue;
    const int label = key.id == RuleKeyId::kKeepPalette ? FieldOf(key.id)
                                                        : IDC_KEY_LABEL + static_cast<int>(key.id);
    SetItemText(dialog, label, key.name);
  }
}

void SetIfChanged(HWND dialog, int id, const std::string& text) {
  if (ItemText(dialog, id) != text) SetItemText(dialog, id, text);
}

// The drop-downs that list the rules of the rule file the editor shows, and
// the name of the rule shown.
void FillRuleNames(HWND dialog) {
  RuleEditorState& state = EditorOf(dialog);
  const std::vector<std::string> names = RuleNames(*state.history.Current().RuleFile());
  state.updating = true;
  for (const int id :
       {IDC_RULE_NAME, FieldOf(RuleKeyId::kIndividual), FieldOf(RuleKeyId::kSubProcess)}) {
    const std::string text = ItemText(dialog, id);
    FillComboBox(dialog, id, names);
    SetItemText(dialog, id, text);
  }
  state.updating = false;
}

void ShowRuleName(HWND dialog) {
  RuleEditorState& state = EditorOf(dialog);
  state.updating = true;
  SetItemText(dialog, IDC_RULE_NAME, state.history.Current().Name());
  state.updating = false;
}

// The controls from the rule as it stands, all but the one the user is
// typing into (keep), which the edit came from.
void Refresh(HWND dialog, int keep = 0) {
  RuleEditorState& state = EditorOf(dialog);
  const RuleEdit& edit = state.history.Current();
  state.updating = true;
  for (const RuleKeyEntry& key : kRuleKeys) {
    if (!HasTextField(key.id) || FieldOf(key.id) == keep) continue;
    if (IsChoice(key.id)) {
      ShowChoice(dialog, key.id, edit.Value(key.id));
    } else {
      SetIfChanged(dialog, FieldOf(key.id), edit.Value(key.id));
    }
  }
  if (keep != IDC_REPLACE_FIELD)
    SetIfChanged(dialog, IDC_REPLACE_FIELD, edit.Value(RuleKeyId::kReplace));
  CheckDlgButton(dialog, IDC_KEEPPALETTE_FIELD,
                 edit.Value(RuleKeyId::kKeepPalette) == "1" ? BST_CHECKED : BST_UNCHECKED);
  SetItemText(dialog, IDC_SHEET_NAME,
              state.sheet ? state.sheetPath : Text(Message::kRuleEditorNoSheet));
  if (keep != IDC_SHEET_SIZE) {
    SetIfChanged(dialog, IDC_SHEET_SIZE,
                 std::to_string(edit.Sheet().width) + "," + std::to_string(edit.Sheet().height));
  }
  SendDlgItemMessageW(dialog, IDC_SHEET_SIZE, EM_SETREADONLY, state.sheet != nullptr, 0);
  state.updating = false;

  SendDlgItemMessageW(dialog, IDC_FINDINGS, LB_RESETCONTENT, 0, 0);
  std::vector<std::string> lines;
  for (const CheckFinding& finding : CheckEditedRule(edit))
    lines.push_back("[" + finding.section + "] " + finding.text);
  if (lines.empty()) lines.push_back(Text(Message::kRuleEditorNoFindings));
  for (const std::string& line : lines) {
    SendDlgItemMessageW(dialog, IDC_FINDINGS, LB_ADDSTRING, 0,
                        reinterpret_cast<LPARAM>(Wide(line).c_str()));
  }
  EnableWindow(GetDlgItem(dialog, IDC_UNDO), state.history.CanUndo());
  EnableWindow(GetDlgItem(dialog, IDC_REDO), state.history.CanRedo());

  state.sheetPicture = EditedSheetPicture(edit, state.sheet.get());
  state.canvasPicture = EditedCanvasPicture(edit, state.sheet.get());
  RefreshRuleViews(dialog);
}

// A message box under the editor's caption.
void Tell(HWND dialog, const std::string& text) {
  ShowMessage(dialog, text, Text(Message::kRuleEditorTitle), MB_OK | MB_ICONEXCLAMATION);
}

// What the status line says; with nothing to say, the rule file that the
// editor shows and saves into, by its full path.
void ShowStatus(HWND dialog, const std::string& text) {
  SetItemText(dialog, IDC_STATUS,
              !text.empty() ? text
                            : Text(Message::kRuleEditorRuleFile,
                                   {EditorOf(dialog).history.Current().RuleFile()->FileName()}));
}

bool Unsaved(const RuleEditorState& state) {
  const RuleEdit& edit = state.history.Current();
  return edit.Name() != state.savedName || edit.Pairs() != state.savedPairs;
}

void MarkSaved(RuleEditorState& state) {
  state.savedName = state.history.Current().Name();
  state.savedPairs = state.history.Current().Pairs();
}

// Starts over on edit, its undo history empty.
void Start(HWND dialog, RuleEdit edit, bool isNew) {
  RuleEditorState& state = EditorOf(dialog);
  state.history = RuleEditHistory(std::move(edit));
  state.isNew = isNew;
  state.placeNext = false;
  MarkSaved(state);
  if (isNew) state.savedPairs.clear();
  ShowStatus(dialog, std::string());
  Refresh(dialog);
}

void TypeSize(HWND dialog) {
  RuleEditorState& state = EditorOf(dialog);
  if (state.sheet) return;
  const std::optional<RuleEdit::Size> size = ParseSizeKey(ItemText(dialog, IDC_SHEET_SIZE));
  if (!size) {
    ShowStatus(dialog, Text(Message::kRuleEditorBadSize));
    return;
  }
  state.history.ShowSheet(*size);
  Refresh(dialog);
}

void TypeReplace(HWND dialog) {
  std::string problem;
  const std::string text = NumbersAsWritten(ItemText(dialog, IDC_REPLACE_FIELD));
  RuleEditorState& state = EditorOf(dialog);
  if (state.history.Edit([&](RuleEdit& edit) { return edit.SetReplaceText(text, problem); }))
    Refresh(dialog, IDC_REPLACE_FIELD);
  ShowStatus(dialog,
             problem.empty() ? std::string() : Text(Message::kRuleEditorBadReplace, {problem}));
}

void TypeKey(HWND dialog, RuleKeyId key, std::string text) {
  RuleEditorState& state = EditorOf(dialog);
  if (HoldsNumbers(key)) text = NumbersAsWritten(text);
  long long dropped = 0;
  if (!state.history.Edit([&](RuleEdit& edit) { return edit.SetValue(key, text, &dropped); })) {
    // The text as the rule holds it, where only blanks made it differ.
    if (TakenWhenComplete(key)) {
      state.updating = true;
      SetIfChanged(dialog, FieldOf(key), state.history.Current().Value(key));
      state.updating = false;
    }
    return;
  }
  Refresh(dialog, TakenWhenComplete(key) ? 0 : FieldOf(key));
  ShowStatus(dialog, dropped > 0 ? Text(Message::kRuleEditorCellsDropped, {std::to_string(dropped)})
                                 : std::string());
}

// Takes the value of the field that has the focus, should it be one that
// is taken once complete: before Enter, a save or closing acts on the rule.
void TakeTyping(HWND dialog) {
  HWND focus = GetFocus();
  // A drop-down's text is typed into an edit control inside it.
  if (focus != nullptr && GetParent(focus) != dialog) focus = GetParent(focus);
  if (focus == nullptr || GetParent(focus) != dialog) return;
  const int id = GetDlgCtrlID(focus);
  if (id == IDC_SHEET_SIZE) {
    TypeSize(dialog);
  } else if (const std::optional<RuleKeyId> key = KeyOfField(id); key && TakenWhenComplete(*key)) {
    TypeKey(dialog, *key, ItemText(dialog, id));
  }
}

// Saves the rule; false when it was not saved (the user was told why).
bool Save(HWND dialog, bool withInverse) {
  TakeTyping(dialog);
  RuleEditorState& state = EditorOf(dialog);
  const RuleEditSave save{state.isNew, IsDlgButtonChecked(dialog, IDC_PROCESS_CHECK) == BST_CHECKED,
                          withInverse};
  const std::string problem = SaveEditedRule(dialog, state.history.Current(), save);
  if (!problem.empty()) {
    Tell(dialog, problem);
    return false;
  }
  ReadRuleFileAgain();
  state.history.UseRuleFile(SettingStore::Instance().Snapshot());
  state.isNew = false;
  MarkSaved(state);
  FillRuleNames(dialog);
  ShowRuleName(dialog);
  ShowStatus(dialog,
             Text(Message::kRuleEditorSaved, {state.history.Current().RuleFile()->FileName()}));
  Refresh(dialog);
  return true;
}

// Whether the rule being edited may be left: saved, or the user says so.
bool MayLeave(HWND dialog) {
  TakeTyping(dialog);
  if (!Unsaved(EditorOf(dialog))) return true;
  switch (ShowMessage(dialog, Text(Message::kRuleEditorUnsaved), Text(Message::kRuleEditorTitle),
                      MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
      return Save(dialog, false);
    case IDNO:
      return true;
    default:
      return false;
  }
}

void LoadRule(HWND dialog, const std::string& name) {
  RuleEditorState& state = EditorOf(dialog);
  if (MayLeave(dialog)) {
    // The rule file as the editor shows it now: read again if the rule left
    // was saved. Held here while the new rule is made from its section.
    const std::shared_ptr<const RuleFileSnapshot> ruleFile = state.history.Current().RuleFile();
    if (const SettingSection* section = ruleFile->GetSection(name)) {
      Start(dialog, RuleEdit(*section, state.history.Current().Sheet(), ruleFile), false);
    }
  }
  ShowRuleName(dialog);
}

void NewRule(HWND dialog) {
  const std::string name = ItemText(dialog, IDC_RULE_NAME);
  const std::string problem = NewRuleNameProblem(EditorOf(dialog).history.Current(), name);
  if (!problem.empty()) {
    Tell(dialog, problem);
    return;
  }
  EditRule(dialog, [&name](RuleEdit& edit) { return edit.Rename(name); });
  EditorOf(dialog).isNew = true;
}

// A rule generated from a layout, as a new rule to look at and save. Without
// a sheet it is laid out on the sheet it takes; [Process] gets it for the
// sheet's size when that is the size it takes.
void FromLayout(HWND dialog) {
  RuleEditorState& state = EditorOf(dialog);
  const std::optional<AutotileRequest> request = AskAutotileRequest(
      dialog, state.history.Current().Sheet(), state.history.Current().RuleFile());
  if (!request || !MayLeave(dialog)) return;
  const RuleEdit::Size takes = AutotileSheetSize(*request);
  const RuleEdit::Size sheet = state.sheet ? state.history.Current().Sheet() : takes;
  std::string refusal;
  // The rule file read again when the rule left was saved.
  std::optional<RuleEdit> edit =
      AutotileEdit(*request, sheet, state.history.Current().RuleFile(), refusal);
  if (!edit) {
    Tell(dialog, refusal);
    return;
  }
  Start(dialog, std::move(*edit), true);
  ShowRuleName(dialog);
  const bool fits = sheet.width == takes.width && sheet.height == takes.height;
  CheckDlgButton(dialog, IDC_PROCESS_CHECK, fits ? BST_CHECKED : BST_UNCHECKED);
  ShowStatus(dialog, Text(Message::kRuleEditorGenerated, {state.history.Current().Name()}));
}

void OpenSheet(HWND dialog, const std::string& path) {
  RuleEditorState& state = EditorOf(dialog);
  try {
    state.sheet = OpenImage(path);
  } catch (const InvalidImageError& error) {
    Tell(dialog, std::string(error.what()) + "\n" + path);
    return;
  }
  state.sheetPath = path;
  state.history.ShowSheet({state.sheet->GetWidth(), state.sheet->GetHeight()});
  Refresh(dialog);
}

// The sheet: the first file under "その他" that a rule may fit, else the
// first file of the list, else none.
void ChooseFirstSheet(RuleEditorState& state) {
  RunState& run = RunState::Instance();
  for (const RunState::OtherFile& file : run.otherFiles) {
    try {
      state.sheet = OpenImage(file.path);
      state.sheetPath = file.path;
      return;
    } catch (const InvalidImageError&) {
      // Listed because it cannot be opened: no sheet to show.
    }
  }
  if (!run.jobs.empty()) {
    state.sheet = run.jobs.front().image->Clone();
    state.sheetPath = state.sheet->GetName();
  }
}

void OnKeyField(HWND dialog, RuleKeyId key, int code) {
  const int id = FieldOf(key);
  if (key == RuleKeyId::kReplace) {
    if (code == EN_CHANGE) TypeReplace(dialog);
  } else if (key == RuleKeyId::kKeepPalette) {
    if (code == BN_CLICKED)
      TypeKey(dialog, key, IsDlgButtonChecked(dialog, id) == BST_CHECKED ? "1" : "");
  } else if (code == CBN_SELCHANGE) {
    const LRESULT index = SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0);
    TypeKey(dialog, key, ComboBoxItem(dialog, id, index));
  } else if (TakenWhenComplete(key) ? code == EN_KILLFOCUS || code == CBN_KILLFOCUS
                                    : code == EN_CHANGE || code == CBN_EDITCHANGE) {
    TypeKey(dialog, key, ItemText(dialog, id));
  }
}

bool OnCommand(HWND dialog, int id, int code) {
  RuleEditorState& state = EditorOf(dialog);
  if (state.updating) return false;
  if (const std::optional<RuleKeyId> key = KeyOfField(id)) {
    OnKeyField(dialog, *key, code);
    return true;
  }
  switch (id) {
    case IDC_RULE_NAME:
      if (code == CBN_SELCHANGE) {
        const LRESULT index = SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0);
        LoadRule(dialog, ComboBoxItem(dialog, id, index));
      }
      return true;
    case IDC_NEW_RULE:
      NewRule(dialog);
      return true;
    case IDC_FROM_LAYOUT:
      FromLayout(dialog);
      return true;
    case IDC_OPEN_SHEET: {
      const std::string path = ChooseOpenFile(dialog);
      if (!path.empty()) OpenSheet(dialog, path);
      return true;
    }
    case IDC_SHEET_SIZE:
      if (code == EN_KILLFOCUS) TypeSize(dialog);
      return true;
    case IDC_ZOOM:
      if (code == CBN_SELCHANGE) {
        const LRESULT index = SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0);
        state.fitZoom = index <= 0;
        if (index > 0 && index <= 3) state.zoom = kZooms[index - 1];
        RefreshRuleViews(dialog);
      }
      return true;
    case IDC_FILL_IN_ORDER: {
      const RuleEditSelection selection = state.history.Current().Selection();
      EditRule(dialog,
               [&](RuleEdit& edit) { return edit.FillInOrder(selection.cells, selection.slot); });
      return true;
    }
    case IDC_BLANK: {
      const long long slot = state.history.Current().Selection().slot;
      EditRule(dialog, [slot](RuleEdit& edit) { return edit.Blank(slot); });
      return true;
    }
    case IDC_UNDO:
    case IDC_REDO:
      UndoOrRedo(dialog, id == IDC_REDO);
      return true;
    case IDC_SAVE:
    case IDC_SAVE_INVERSE:
      Save(dialog, id == IDC_SAVE_INVERSE);
      return true;
    case IDOK:  // Enter
      TakeTyping(dialog);
      return true;
    case IDCANCEL:
      if (MayLeave(dialog)) {
        // Fields that lose the focus as the window goes change nothing.
        state.updating = true;
        EndDialog(dialog, 0);
      }
      return true;
    default:
      return false;
  }
}

void Init(HWND dialog, RuleEditorState& state) {
  SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&state));
  DragAcceptFiles(dialog, TRUE);
  SetTexts(dialog);
  FillRuleNames(dialog);
  ShowRuleName(dialog);
  state.updating = true;
  std::vector<std::string> zooms = {Text(Message::kRuleEditorFit)};
  zooms.insert(zooms.end(), std::begin(kZoomNames), std::end(kZoomNames));
  FillComboBox(dialog, IDC_ZOOM, zooms);
  SendDlgItemMessageW(dialog, IDC_ZOOM, CB_SETCURSEL, 0, 0);
  SendDlgItemMessageW(dialog, IDC_REPLACE_FIELD, EM_SETLIMITTEXT, 0, 0);
  state.updating = false;
  CentreWindow(dialog);
  ShowStatus(dialog, std::string());
  Refresh(dialog);
}

INT_PTR CALLBACK RuleEditorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      Init(dialog, *reinterpret_cast<RuleEditorState*>(lParam));
      return TRUE;
    case WM_DROPFILES: {
      std::vector<std::string> paths;
      GetDroppedFiles(reinterpret_cast<HDROP>(wParam), paths);
      if (!paths.empty()) OpenSheet(dialog, paths.front());
      return TRUE;
    }
    case WM_COMMAND:
      return OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
    default:
      return FALSE;
  }
}

}  // namespace

RuleEditorState& EditorOf(HWND dialog) {
  return *reinterpret_cast<RuleEditorState*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

void EditRule(HWND dialog, const std::function<bool(RuleEdit&)>& edit) {
  if (EditorOf(dialog).history.Edit(edit)) Refresh(dialog);
}

void SelectInRule(HWND dialog, const RuleEditSelection& selection) {
  EditorOf(dialog).history.Select(selection);
  RefreshRuleViews(dialog);
}

void UndoOrRedo(HWND dialog, bool redo) {
  RuleEditorState& state = EditorOf(dialog);
  if (!(redo ? state.history.Redo() : state.history.Undo())) return;
  // A rename taken back or made again.
  ShowRuleName(dialog);
  Refresh(dialog);
}

void OpenRuleEditor(HWND owner, const std::string& rule) {
  const HINSTANCE module = AppContext::Instance().moduleHandle;
  RegisterRuleViews(module);
  const std::shared_ptr<const RuleFileSnapshot> ruleFile = SettingStore::Instance().Snapshot();
  RuleEditorState state(RuleEdit(std::string(), kSizeWithoutSheet, ruleFile));
  ChooseFirstSheet(state);
  if (state.sheet) state.history.ShowSheet({state.sheet->GetWidth(), state.sheet->GetHeight()});
  if (const SettingSection* section = rule.empty() ? nullptr : ruleFile->GetSection(rule)) {
    state.history = RuleEditHistory(RuleEdit(*section, state.history.Current().Sheet(), ruleFile));
    state.isNew = false;
  }
  MarkSaved(state);
  DialogBoxParamW(module, L"RULEEDIT", owner, RuleEditorProc, reinterpret_cast<LPARAM>(&state));
}
