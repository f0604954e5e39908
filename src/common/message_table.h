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
MESSAGE(kRuleFileUnreadable, "規則ファイルを読めません: {1}（{2}）",
        "cannot read the rule file: {1} ({2})")
MESSAGE(kRuleFileNotWritten, "規則ファイルを書き込めません: {1}（{2}）。元のファイルはそのままです",
        "cannot write the rule file: {1} ({2}). The file is as it was")
MESSAGE(kRuleFileChangedSinceRead,
        "規則ファイルが読み込んだ後に他のプログラムで変更されています: {1}",
        "the rule file was changed by another program after it was read: {1}")
MESSAGE(kRuleFileSectionExists, "規則ファイルに同じ名前のセクション[{1}]があります",
        "the rule file already has a section [{1}]")
MESSAGE(kRuleFileNoSection, "規則ファイルにセクション[{1}]がありません",
        "the rule file has no section [{1}]")
MESSAGE(kRuleFileCannotHold, "「{1}」には規則ファイルの文字コード（{2}）で書けない文字があります",
        "\"{1}\" has characters that the rule file's encoding ({2}) cannot hold")
MESSAGE(kRuleFileSectionWritten, "規則ファイルにセクション[{1}]を書き込みました: {2}",
        "wrote the section [{1}] into the rule file: {2}")
MESSAGE(kAppendWithoutInvert, "--appendは--invertと一緒に使います", "--append goes with --invert")

// --- The command-line programs

// --- The combiner

// --- The windows
// The main window
MESSAGE(kMainCaption, "Vomarin+", "Vomarin+")
MESSAGE(kMainListLabel, "処理予定リスト：", "Files to process:")
MESSAGE(kMainAddLabel, "↓画像を追加します", "Add images below")
MESSAGE(kOpenFile, "ファイルを開く", "Open file")
MESSAGE(kMainOr, "or", "or")
MESSAGE(kMainDropHint, "ここにファイルを渡す", "Drop files here")
MESSAGE(kMainDropMany, "(複数でも可)", "(several at once)")
MESSAGE(kMainClearList, "リスト消去", "Clear list")
MESSAGE(kMainChooseTransparency, "透過色を指定する", "Pick transparency")
MESSAGE(kMainCombineMaps, "マップを結合する", "Combine maps")
MESSAGE(kStart, "開始", "Start")
MESSAGE(kCancel, "キャンセル", "Cancel")
MESSAGE(kOk, "OK", "OK")
MESSAGE(kClear, "クリア", "Clear")
MESSAGE(kNothingToRun, "実行できる処理がありません。\nファイルを追加して下さい。",
        "There is nothing to process.\nPlease add files.")
MESSAGE(kNothingToRunCaption, "ファイルを追加して下さい", "Please add files")
MESSAGE(kConfirmExit,
        "いくつかのファイルが処理を予定されています\nこのまま処理を中止してもよろしいですか？",
        "Some files are waiting to be processed.\nStop anyway?")
MESSAGE(kConfirmExitCaption, "終了の確認", "Confirm exit")
// The progress window
MESSAGE(kProgressCaption, "Vomarin+ 処理中", "Vomarin+ working")
MESSAGE(kStopAllQuestion, "処理を全て中止しますか？", "Stop all processing?")
MESSAGE(kStopAllCaption, "処理の中止", "Stop processing")
MESSAGE(kRunFailed, "失敗", "Failed")
MESSAGE(kAllWorkDone, "全ての作業が終了しました", "All work has finished")
MESSAGE(kRunDoneCaption, "作業の完了", "Work complete")
// The transparent-colour picker
MESSAGE(kPickerCaption, "Vomarin+  透過色の決定", "Vomarin+  Transparent colour")
MESSAGE(kPickerHint, "画面クリックで透過色指定", "Click to pick a colour")
MESSAGE(kPickerCloseQuestion,
        "ウィンドウが閉じられようとしています\n以降全ての透過色を自動設定してよろしいですか？",
        "The window is closing.\nSet the transparent colour of all further files automatically?")
MESSAGE(kPickerCloseCaption, "透過色指定キャンセルの確認", "Confirm cancelling the colour choice")
// Choosing a rule by hand
MESSAGE(kSelectCaption, "Vomarin+ 規格の選別", "Vomarin+ Choose the layout")
MESSAGE(kSelectFileNameLabel, "ファイル名:", "File name:")
MESSAGE(kSelectKindGroup, "画像の種類", "Kind of image")
MESSAGE(kSelectPrompt, "選択してください↓", "Please choose:")
MESSAGE(kSelectNotListed, "リストに無い場合は非対応です", "Not listed: not supported")
MESSAGE(kSelectSkipQuestion, "{1}を無視してよろしいですか？", "Skip {1}?")
MESSAGE(kSelectStopQuestion,
        "ウィンドウが閉じられようとしています\n以降全ての追加を中止してよろしいですか？",
        "The window is closing.\nStop adding all further files?")
MESSAGE(kSelectConfirmCaption, "追加キャンセルの確認", "Confirm cancelling")
MESSAGE(kManualChoice,
        "{1}は画像の自動判別ができません\n次のウィンドウで適切なものを手動選択して下さい\n",
        "The layout of {1} cannot be told automatically.\nPlease choose it in the next window.\n")
MESSAGE(kManualChoiceCaption, "手動判別の開始", "Choose by hand")
// The file dialogs
MESSAGE(kImageFilesFilter, "画像ファイル", "Image files")
MESSAGE(kAllFilesFilter, "All files(*.*)", "All files(*.*)")
MESSAGE(kPngFilesFilter, "PNG画像ファイル {*.png}", "PNG image files {*.png}")
MESSAGE(kSaveFile, "ファイルを保存する", "Save file")
// The combiner
MESSAGE(kCombinerCaption, "マップ結合", "Combine maps")
MESSAGE(kCombinerUp, "上へ", "Up")
MESSAGE(kCombinerDown, "下へ", "Down")
MESSAGE(kCombinerAdd, "追加", "Add")
MESSAGE(kCombinerDelete, "削除", "Delete")
MESSAGE(kCombinerSave, "保存", "Save")
MESSAGE(kCombinerList, "結合リスト", "Sheets to combine")
MESSAGE(kCombinerDropHint, "D＆Dで複数追加", "Drop to add")
MESSAGE(kCombinerWidthGroup, "解像度[生成横幅]", "Size [width]")
MESSAGE(kCombinerSaveAndEnd, "保存して終了", "Save, exit")
MESSAGE(kCombinerEnd, "終了", "Exit")
MESSAGE(kAddFilesFirst, "結合する画像ファイルを追加してください", "Please add the image files to combine")
MESSAGE(kEndWithoutSaving, "ファイルが登録されていません。保存せずに終了しますか？",
        "No files are listed. Exit without saving?")
MESSAGE(kCombinedSaveFailed, "結合した画像を保存できませんでした。",
        "The combined image could not be saved.")
MESSAGE(kCombinedTooLargeToSave, "結合した画像が大きすぎるため、保存できませんでした。",
        "The combined image is too large to save.")
MESSAGE(kPreviewCut, "プレビューはここまでです。", "The preview ends here.")
MESSAGE(kPreviewCutNote, "保存では全体を書き出します。", "Saving writes the whole image.")
MESSAGE(kNoPreview, "プレビューを表示できません。", "The preview cannot be shown.")
MESSAGE(kCombinedTooLargeToShow, "結合した画像が大きすぎるため、表示できません。",
        "The combined image is too large to show.")
