#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "image/image.h"
#include "ruletools/rule_edit_history.h"

// The rule editor "規則の編集": one rule of the rule file, or a new one,
// laid out on a sheet, edited by pointing at the sheet's cells and the
// canvas's slots. The window draws the rule being edited (RuleEditHistory)
// and turns clicks and keys into its edits.

// Opens the editor over owner and returns when it is closed. The sheet is
// the first file listed under "その他" that a rule may fit, else the first
// file of the processing list, else none. A save reads the rule file again
// and brings the processing list up to it (ReadRuleFileAgain). With rule,
// the editor opens at that rule of the rule file (a name the file lacks
// opens a new rule).
void OpenRuleEditor(HWND owner, const std::string& rule = std::string());

// What one editor window holds, created with it and kept in its user data.
struct RuleEditorState {
  explicit RuleEditorState(RuleEdit start) : history(std::move(start)) {}

  std::unique_ptr<IImage> sheet;  // null: a size the user typed
  std::string sheetPath;
  // The rule being edited; the read of the rule file it is laid out among
  // (RuleEdit::RuleFile) is the one the editor shows and saves into.
  RuleEditHistory history;
  // The rule is not in the rule file yet: a save appends it.
  bool isNew = true;
  // The rule as the rule file holds it, to tell unsaved edits.
  std::string savedName;
  std::vector<RuleEdit::Pair> savedPairs;
  // View pixels per picture pixel in both views; while fitZoom is set it is
  // the largest that shows the whole sheet and the whole canvas.
  double zoom = 1;
  bool fitZoom = true;
  // The cells chosen on the sheet go into the next slot clicked.
  bool placeNext = false;
  // Where a drag began: the sheet's cell (column, row), the canvas's slot.
  POINT dragCell{0, 0};
  long long dragSlot = -1;
  // Set while the window writes its own controls, whose change
  // notifications are then no edits.
  bool updating = false;
  // The sheet and the canvas at 1:1 (edit_pictures.h).
  std::unique_ptr<IImage> sheetPicture;
  std::unique_ptr<IImage> canvasPicture;
  // Where the views are scrolled to, in view pixels.
  POINT sheetScroll{0, 0};
  POINT canvasScroll{0, 0};
};

// For the views: the state of the editor dialog, an edit of the rule (the
// window redrawn when it changed something), a new selection, undo, redo.
RuleEditorState& EditorOf(HWND dialog);
void EditRule(HWND dialog, const std::function<bool(RuleEdit&)>& edit);
void SelectInRule(HWND dialog, const RuleEditSelection& selection);
void UndoOrRedo(HWND dialog, bool redo);

// Registers the window class of the sheet and canvas views (once).
void RegisterRuleViews(HINSTANCE module);
// Sets the zoom where it fits the pictures, the views' scroll ranges to
// their pictures at the zoom, and redraws them.
void RefreshRuleViews(HWND dialog);
