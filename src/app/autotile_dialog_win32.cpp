#include "app/autotile_dialog_win32.h"

#include <algorithm>
#include <string>
#include <vector>

#include "app/rule_editor_ids.h"
#include "common/app_context.h"
#include "common/centre_window_win32.h"
#include "common/messages.h"
#include "common/window_text_win32.h"
#include "ruletools/autotile_edit.h"
#include "ruletools/rule_size.h"

namespace {

// What the dialog was opened with, and what OK took.
struct AutotileDialog {
  RuleEdit::Size sheet;
  std::shared_ptr<const RuleFileSnapshot> ruleFile;
  AutotileRequest request;
  // The default name that the name field shows while it follows the other
  // fields; a name typed over it stays.
  std::string followedName;
  // Set while the dialog writes its own fields.
  bool updating = false;
};

AutotileDialog& DialogOf(HWND dialog) {
  return *reinterpret_cast<AutotileDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

// The layouts that from has a rule into; for one without any, the others,
// so that OK can say which pairs there are.
std::vector<AutotileLayout> TargetsOf(AutotileLayout from) {
  std::vector<AutotileLayout> targets;
  for (const AutotileLayout to : kAutotileLayouts) {
    if (HasAutotileRule(from, to)) targets.push_back(to);
  }
  if (!targets.empty()) return targets;
  for (const AutotileLayout to : kAutotileLayouts) {
    if (to != from) targets.push_back(to);
  }
  return targets;
}

AutotileLayout LayoutIn(HWND dialog, int id) {
  const LRESULT index = SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0);
  return AutotileLayoutNamed(ComboBoxItem(dialog, id, index)).value_or(AutotileLayout::kBlock2x3);
}

// Lists layouts in the drop-down id and chooses chosen, else the first.
void ShowLayouts(HWND dialog, int id, const std::vector<AutotileLayout>& layouts,
                 AutotileLayout chosen) {
  std::vector<std::string> names;
  for (const AutotileLayout layout : layouts) names.push_back(AutotileLayoutName(layout));
  FillComboBox(dialog, id, names);
  const auto at = std::find(layouts.begin(), layouts.end(), chosen);
  SendDlgItemMessageW(dialog, id, CB_SETCURSEL, at == layouts.end() ? 0 : at - layouts.begin(), 0);
}

// The request of the fields, or nothing with the reason in refusal when the
// tile size or the blocks are no numbers the generator takes.
std::optional<AutotileRequest> RequestOf(HWND dialog, std::string& refusal) {
  AutotileRequest request;
  request.from = LayoutIn(dialog, IDC_AUTOTILE_FROM);
  request.to = LayoutIn(dialog, IDC_AUTOTILE_TO);
  const std::string tile = NumbersAsWritten(ItemText(dialog, IDC_AUTOTILE_TILE));
  request.tile = ParseAutotileTile(tile);
  const std::string blocks = NumbersAsWritten(ItemText(dialog, IDC_AUTOTILE_BLOCKS));
  const std::optional<RuleLayout::Size> grid = ParseSizeKey(blocks);
  if (!IsAutotileSize(request.tile)) {
    refusal = Text(Message::kAutotileBadTile, {tile});
    return std::nullopt;
  }
  if (!grid) {
    refusal = Text(Message::kAutotileBadBlocks, {blocks});
    return std::nullopt;
  }
  request.blocks = {grid->width, grid->height};
  request.name = ItemText(dialog, IDC_AUTOTILE_NAME);
  return request;
}

// After a field changed: the default name where the name field follows
// it, and what the rule does or why there is none.
void ShowWhatItMakes(HWND dialog) {
  AutotileDialog& state = DialogOf(dialog);
  std::string refusal;
  std::optional<AutotileRequest> request = RequestOf(dialog, refusal);
  if (request) {
    request->name.clear();
    const std::string name = DefaultAutotileName(*request);
    if (ItemText(dialog, IDC_AUTOTILE_NAME) == state.followedName) {
      state.updating = true;
      SetItemText(dialog, IDC_AUTOTILE_NAME, name);
      state.updating = false;
    }
    state.followedName = name;
    if (AutotileSections(*request, refusal)) {
      refusal = Text(Message::kAutotileDialogMakes, {SizeText(AutotileSheetSize(*request)),
                                                     SizeText(AutotileCanvasSize(*request))});
    }
  }
  SetItemText(dialog, IDC_AUTOTILE_MAKES, refusal);
}

void Init(HWND dialog, AutotileDialog& state) {
  SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&state));
  SetDialogTexts(dialog, Message::kAutotileDialogTitle,
                 {{IDC_AUTOTILE_FROM_LABEL, Message::kAutotileDialogFrom},
                  {IDC_AUTOTILE_TO_LABEL, Message::kAutotileDialogTo},
                  {IDC_AUTOTILE_TILE_LABEL, Message::kAutotileDialogTile},
                  {IDC_AUTOTILE_BLOCKS_LABEL, Message::kAutotileDialogBlocks},
                  {IDC_AUTOTILE_NAME_LABEL, Message::kAutotileDialogName},
                  {IDOK, Message::kOk},
                  {IDCANCEL, Message::kCancel}});
  const AutotileRequest& request = state.request;
  state.updating = true;
  ShowLayouts(dialog, IDC_AUTOTILE_FROM,
              std::vector<AutotileLayout>(std::begin(kAutotileLayouts), std::end(kAutotileLayouts)),
              request.from);
  ShowLayouts(dialog, IDC_AUTOTILE_TO, TargetsOf(request.from), request.to);
  SetItemText(dialog, IDC_AUTOTILE_TILE, std::to_string(request.tile));
  SetItemText(dialog, IDC_AUTOTILE_BLOCKS,
              std::to_string(request.blocks.columns) + "," + std::to_string(request.blocks.rows));
  state.updating = false;
  ShowWhatItMakes(dialog);
  CentreWindow(dialog);
}

// OK: the request when the editor can open its rule, else the reason told.
void Accept(HWND dialog) {
  AutotileDialog& state = DialogOf(dialog);
  std::string refusal;
  std::optional<AutotileRequest> request = RequestOf(dialog, refusal);
  if (request && AutotileEdit(*request, state.sheet, state.ruleFile, refusal)) {
    state.request = *request;
    EndDialog(dialog, IDOK);
    return;
  }
  ShowMessage(dialog, refusal, Text(Message::kRuleEditorTitle), MB_OK | MB_ICONEXCLAMATION);
}

INT_PTR CALLBACK AutotileDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    Init(dialog, *reinterpret_cast<AutotileDialog*>(lParam));
    return TRUE;
  }
  if (message != WM_COMMAND || DialogOf(dialog).updating) return FALSE;
  const int id = LOWORD(wParam);
  const int code = HIWORD(wParam);
  switch (id) {
    case IDC_AUTOTILE_FROM:
      if (code == CBN_SELCHANGE) {
        ShowLayouts(dialog, IDC_AUTOTILE_TO, TargetsOf(LayoutIn(dialog, IDC_AUTOTILE_FROM)),
                    LayoutIn(dialog, IDC_AUTOTILE_TO));
        ShowWhatItMakes(dialog);
      }
      return TRUE;
    case IDC_AUTOTILE_TO:
      if (code == CBN_SELCHANGE) ShowWhatItMakes(dialog);
      return TRUE;
    case IDC_AUTOTILE_TILE:
    case IDC_AUTOTILE_BLOCKS:
      if (code == EN_CHANGE) ShowWhatItMakes(dialog);
      return TRUE;
    case IDOK:
      Accept(dialog);
      return TRUE;
    case IDCANCEL:
      EndDialog(dialog, IDCANCEL);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

std::optional<AutotileRequest> AskAutotileRequest(
    HWND owner, RuleEdit::Size sheet, std::shared_ptr<const RuleFileSnapshot> ruleFile) {
  AutotileDialog state{sheet, std::move(ruleFile),
                       SuggestAutotile(sheet).value_or(AutotileRequest()), std::string(), false};
  const INT_PTR answer = DialogBoxParamW(AppContext::Instance().moduleHandle, L"AUTOTILE", owner,
                                         AutotileDialogProc, reinterpret_cast<LPARAM>(&state));
  if (answer != IDOK) return std::nullopt;
  return state.request;
}
