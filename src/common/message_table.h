// The table of messages: MESSAGE(id, Japanese, English). No include guard:
// messages.h and messages.cpp each include it with their own MESSAGE.
// "{1}", "{2}", ... stand for the arguments; both languages use the same ones.
// The Japanese texts are the programs' own, byte for byte; the English ones
// say the same in the same tone.

// --- Images and files
MESSAGE(kInvalidFile, "無効なファイル", "invalid file")

// --- Why a file could not be opened, read, created or saved

// --- Rules and their construction

// --- Conversion, the log and the progress window

// --- Classification and the processing list

// --- Rule tools: the check

// --- Rule tools: the explanation and the picture

// --- Rule tools: the inverse

// --- Writing the rule file

// --- The command-line programs

// --- The combiner

// --- The windows

// rule editor
MESSAGE(kEditRulesButton, "規則を編集…", "Edit rules…")
MESSAGE(kRuleEditorTitle, "規則の編集", "Edit rule")
MESSAGE(kRuleEditorRule, "規則：", "Rule:")
MESSAGE(kRuleEditorNewRule, "新しい規則", "New rule")
MESSAGE(kRuleEditorSheet, "画像：", "Sheet:")
MESSAGE(kRuleEditorNoSheet, "（画像なし）", "(no sheet)")
MESSAGE(kRuleEditorOpenSheet, "画像を開く…", "Open sheet…")
MESSAGE(kRuleEditorSize, "大きさ：", "Size:")
MESSAGE(kRuleEditorProcess, "[Process]に加える", "Add to [Process]")
MESSAGE(kRuleEditorZoom, "倍率：", "Zoom:")
MESSAGE(kRuleEditorFillInOrder, "順に並べる", "Fill in order")
MESSAGE(kRuleEditorBlank, "空きにする", "Blank")
MESSAGE(kRuleEditorUndo, "元に戻す", "Undo")
MESSAGE(kRuleEditorRedo, "やり直す", "Redo")
MESSAGE(kRuleEditorFindings, "チェックの結果：", "Findings:")
MESSAGE(kRuleEditorNoFindings, "問題は見つかりませんでした", "No mistakes found")
MESSAGE(kRuleEditorSave, "保存", "Save")
MESSAGE(kRuleEditorSaveInverse, "逆変換も保存", "Save with inverse")
MESSAGE(kRuleEditorClose, "閉じる", "Close")
MESSAGE(kRuleEditorNameRefused, "規則の名前「{1}」: {2}", "Rule name \"{1}\": {2}")
MESSAGE(kRuleEditorBadSize, "大きさは「幅,高さ」で入力してください", "Type the size as \"width,height\"")
MESSAGE(kRuleEditorBadReplace, "Replace: {1}", "Replace: {1}")
MESSAGE(kRuleEditorNotBuilt, "規則を作れないため保存しません: {1}", "The rule is not saved because it cannot be built: {1}")
MESSAGE(kRuleEditorNoName, "規則の名前を入力して「新しい規則」を押してください", "Type the rule's name and press \"New rule\"")
MESSAGE(kRuleEditorUnsaved, "保存していない変更があります。保存しますか？", "The rule has unsaved edits. Save them?")
MESSAGE(kRuleEditorSaved, "{1}に保存しました", "Saved to {1}")
MESSAGE(kRuleEditorCannotSave, "規則ファイルへの保存はこの版ではまだできません", "This version cannot save into the rule file yet")
