// The table of messages: MESSAGE(id, Japanese, English). No include guard:
// messages.h and messages.cpp each include it with their own MESSAGE.
// "{1}", "{2}", ... stand for the arguments; both languages use the same ones.
// The Japanese texts are the programs' own, byte for byte; the English ones
// say the same in the same tone.

// --- Images and files
MESSAGE(kInvalidFile, "無効なファイル", "invalid file")

// --- Why a file could not be opened, read, created or saved

// --- Rules and their construction
MESSAGE(kRuleMissing, "規則[{1}]がsetting.iniにありません", "the rule [{1}] is not in setting.ini")
MESSAGE(kRuleBadSrcDiv, "不正なSrcDiv", "invalid SrcDiv")
MESSAGE(kRuleBadFileDiv, "不正なfileDiv", "invalid fileDiv")
MESSAGE(kRuleKeyOfRule, "[{1}] {2}", "[{1}] {2}")
MESSAGE(kRuleValueNotANumber, "{1}の値「{2}」は数値ではありません", "the value \"{2}\" of {1} is not a number")
MESSAGE(kRuleValueTooLarge, "{1}の値「{2}」は大きすぎます", "the value \"{2}\" of {1} is too large")
MESSAGE(kRuleTooFewValues, "{1}の値が足りません（{2}個必要です）", "{1} has too few values ({2} needed)")
MESSAGE(kRuleNegativeValue, "{1}に負の数は使えません", "{1} cannot be negative")
MESSAGE(kRuleValueNotZeroOrOne, "{1}の値「{2}」は0か1にして下さい", "the value \"{2}\" of {1} must be 0 or 1")
MESSAGE(kRuleNameFootLeavesFolder, "{1}にフォルダの区切り（\\ /）や「..」は使えません",
        "{1} cannot contain a folder separator (\\ /) or \"..\"")
MESSAGE(kRuleNoSizeOrDefault, "setting.iniの[Process]に{1}もdefaultもありません",
        "[Process] of setting.ini has neither {1} nor default")
MESSAGE(kRuleUnusable, "規則[{1}]を使えません: {2}", "the rule [{1}] cannot be used: {2}")

// --- Conversion, the log and the progress window
MESSAGE(kConversionCancelled, "キャンセル", "cancelled")
MESSAGE(kLogSubProcessCall, "サブプロセス{1}の呼び出し", "calling the SubProcess {1}")
MESSAGE(kNestedRulesTooDeep, "規則[{1}]の呼び出しが深すぎるため中止しました（{2}段まで）",
        "stopped at the rule [{1}]: rules call rules too deeply (at most {2} levels)")
MESSAGE(kNestedRulesTooMany, "規則[{1}]の呼び出しが多すぎるため中止しました（{2}回まで）",
        "stopped at the rule [{1}]: rules are called too many times (at most {2})")
MESSAGE(kJobStarted, "加工を開始:", "Processing:")
MESSAGE(kJobEnded, "加工の終了", "Done")
MESSAGE(kJobUnknownError, "不明なエラー", "unknown error")
MESSAGE(kJobNotProcessed, "{1}を規則[{2}]で処理できませんでした: {3}",
        "{1} could not be processed with rule [{2}]: {3}")
MESSAGE(kRunCompleted, "変換が正常に完了しました。\n", "The conversion completed normally.\n")
MESSAGE(kRunCancelled, "処理を中止しました。\n{1}個のファイルは変換が完了していません。\n",
        "The processing was stopped.\n{1} file(s) were not converted to the end.\n")
MESSAGE(kRunEndedWithFailures,
        "変換が終了しました。\n{1}個のファイルは正常に変換できませんでした。\n",
        "The conversion has ended.\n{1} file(s) could not be converted properly.\n")
MESSAGE(kRunOutputPlace, "生成画像は元画像と同じ場所に出力されています。\n\n",
        "The images made are in the same place as their source images.\n\n")
MESSAGE(kRunProcessMore, "続けて他のファイルも処理しますか？", "Process other files as well?")

// --- Classification and the processing list
MESSAGE(kListOtherFiles, "その他", "Other")
MESSAGE(kListNoRuleFits, "該当なし", "no rule fits")
MESSAGE(kListSkipped, "キャンセル", "skipped")
MESSAGE(kListRuleUndecided, "自動判別できません（候補:{1}）",
        "the rule cannot be told automatically (candidates: {1})")
MESSAGE(kListLeftAlone, "何もしない", "何もしない (left as it is)")
MESSAGE(kListNoSizeTable, "setting.iniに[Process]がありません", "setting.ini has no [Process]")
MESSAGE(kListEmpty,
        "有効なファイルがありません\r\n"
        "→からファイルを追加してください\r\n\r\n"
        "[ファイルを開く]でフォルダから\r\n"
        "ファイルを選択できます\r\n\r\n"
        "またはこのウィンドウのどこかに\r\n"
        "ファイルをドロップしてください\r\n",
        "No valid files yet\r\n"
        "Add files with the buttons →\r\n\r\n"
        "[Open file] lets you choose\r\n"
        "files in a folder\r\n\r\n"
        "or drop files anywhere\r\n"
        "on this window\r\n")
MESSAGE(kListClassified,
        "以下のように判別されました\r\n"
        "さらにファイルを追加できます→\r\n"
        "開始ボタンで処理を開始します\r\n\r\n",
        "The files were classified as below\r\n"
        "You can add more files →\r\n"
        "The start button begins the processing\r\n\r\n")
MESSAGE(kRuleNotTold,
        "{1}は画像の自動判別ができません\n"
        "次のウィンドウで適切なものを手動選択して下さい\n",
        "The rule for {1} cannot be told automatically\n"
        "Please choose the right one by hand in the next window\n")

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
MESSAGE(kCliSeeHelp, "詳しくは {1} --help を見て下さい", "See {1} --help for more")
MESSAGE(kCliUnknownOption, "不明なオプションです: {1}", "unknown option: {1}")
MESSAGE(kCliValueNeeded, "{1}には値が必要です", "{1} needs a value")
MESSAGE(kCliBadJobs, "--jobsには1から{1}までの数を指定してください: {2}",
        "--jobs takes a number from 1 to {1}: {2}")
MESSAGE(kCliBadLanguage, "--langにはjaかenを指定してください: {1}", "--lang takes ja or en: {1}")
MESSAGE(kCliOneToolAtATime, "--check、--explain、--invertは一度に一つだけ指定できます",
        "only one of --check, --explain and --invert can be given at a time")
MESSAGE(kCliToolWithConversion, "規則の確認・説明・逆変換と画像の変換は一度にできません",
        "checking, explaining or inverting a rule cannot go with converting images")
MESSAGE(kCliCheckTakesNoFiles, "--checkには画像ファイルを指定できません",
        "--check takes no image files")
MESSAGE(kCliOneImageFile, "画像ファイルは一つだけ指定できます", "only one image file can be given")
MESSAGE(kCliSizeWithoutTool, "--sizeは--explainか--invertと一緒に使います",
        "--size goes with --explain or --invert")
MESSAGE(kCliBadSize, "--sizeの値「{1}」は「横,縦」の1以上の整数ではありません",
        "the value \"{1}\" of --size is not \"width,height\" in whole numbers of 1 or more")
MESSAGE(kCliPictureWithoutExplain, "-oは--explainと一緒に使います", "-o goes with --explain")
MESSAGE(kCliNameWithoutInvert, "--nameは--invertと一緒に使います", "--name goes with --invert")
MESSAGE(kCliNoImageFiles, "画像ファイルを指定してください", "please name the image files")
MESSAGE(kCliRuleFileNotFound, "規則ファイルが見つかりません: {1}", "rule file not found: {1}")
MESSAGE(kCliNoRuleFileInEither, "規則ファイルが見つかりません: {1}、{2}",
        "rule file not found: {1}, {2}")
MESSAGE(kCliCombineFolderUnusable, "結合した画像の出力フォルダを作れません: {1}",
        "cannot make the folder for the combined sheets: {1}")
MESSAGE(kCliCombined, "結合:{1}", "Combined:{1}")
MESSAGE(kCliNoMistakes, "規則ファイルに誤りは見つかりませんでした",
        "No mistakes were found in the rule file")
MESSAGE(kCliImageFileNotFound, "画像ファイルが見つかりません: {1}", "image file not found: {1}")
MESSAGE(kCliBadInverseName, "逆変換のセクション名「{1}」: {2}（--nameで別の名前を指定できます）",
        "section name \"{1}\" of the inverse: {2} (--name gives another name)")
MESSAGE(kCliChooseRuleHeading, "\n[Vomarin+ 規格の選別] ファイル名:{1}\n",
        "\n[Vomarin+ Choosing the layout] File name:{1}\n")
MESSAGE(kCliSkipOrStop,
        "  s: キャンセル（このファイルを無視します）\n"
        "  q: 以降全ての追加を中止します\n",
        "  s: skip (this file is ignored)\n"
        "  q: stop adding this and every later file\n")
MESSAGE(kCliChoose, "選択してください [1]: ", "Choose [1]: ")
MESSAGE(kCliChoiceRange, "1から{1}までの番号、sまたはqを入力して下さい",
        "Please type a number from 1 to {1}, s or q")
MESSAGE(kCliConverterUsage,
        "使い方: vomarin [--setting FILE] [--rule NAME] [--no-transparency] [--dry-run] FILE...\n"
        "       vomarin --check [--setting FILE]\n"
        "\n"
        "画像ファイルを大きさとファイル名から規則ファイルの規則に振り分け、\n"
        "その規則で変換します。変換した画像は元画像と同じ場所に、\n"
        "元画像の名前のフォルダを作って出力されます。\n"
        "\n"
        "  --setting FILE     規則ファイル（既定は現在のフォルダのsetting.ini、\n"
        "                     無ければプログラムと同じフォルダのsetting.ini）\n"
        "  --rule NAME        振り分けずに全てのファイルを規則NAMEで変換します\n"
        "  --no-transparency  パレットの0番の色を透過色にせず、そのまま変換します\n"
        "  --dry-run          振り分けの結果を表示するだけで変換しません\n"
        "  --combine DIR      変換の後、規則のGroupごとに結合した1枚の画像を\n"
        "                     フォルダDIRに「グループ名.png」で書き出します\n"
        "                     （マップ結合の画面で保存したときと同じ画像）\n"
        "  --jobs N           N個のファイルを同時に変換します（1から{1}、既定はプロセッサの数）。\n"
        "                     表示と出力されるファイルは1個ずつのときと同じです\n"
        "  --check            変換せずに規則ファイルを調べ、誤りを1行に1つずつ\n"
        "                     「[セクション名] キー=値: 誤りの説明」で表示します\n"
        "                     （終了コード 0: 誤りなし、1: 誤りあり）\n"
        "  --invert RULE [--size W,H] [--name NAME] [SHEET] [--append]\n"
        "                     規則RULEの出力を元の並びに戻す規則（逆変換）を、\n"
        "                     規則ファイルの末尾に足せるセクションとして表示します。\n"
        "                     画像の大きさはSHEET、--size、[Process]の順に決まります。\n"
        "                     セクション名は既定でRULE_inverseです\n"
        "  --append           --invertのセクションを表示せずに規則ファイルの末尾へ\n"
        "                     書き込み、書き込んだファイルを表示します。元の規則\n"
        "                     ファイルは「名前.bak」に残り、他の行は変わりません\n"
        "  --index-table      変換のたびに、出力ファイルと同じフォルダへ\n"
        "                     「[V]元の名前+NameFoot.csv」の表（どのセルが出力の\n"
        "                     どのファイルのどこに置かれたか）も書き出します\n"
        "  --lang ja|en       表示を日本語（ja）か英語（en）にします\n"
        "                     （既定はシステムの言語）\n"
        "  --help             この説明を表示します\n"
        "  --version          版を表示します\n"
        "\n"
        "振り分けの結果は規則ごとに[規則名]の下に、変換できないファイルは\n"
        "[その他]の下に理由とともに表示されます。候補の規則が複数あるファイルは、\n"
        "端末から実行したときは番号で選び、そうでなければ変換しません。\n"
        "\n"
        "終了コード:\n"
        "  0  全てのファイルを変換した（「何もしない」の規則のファイルを含む）\n"
        "  1  変換できなかったファイルがある\n"
        "  2  使い方の誤り、または規則ファイルが無い\n"
        "\n"
        "規則の説明: vomarin --explain RULE [--size W,H] [-o PICTURE.png] [SHEET]\n"
        "  規則RULEが画像をどう並べ替えるか（セルの分け方、キャンバスの各位置に\n"
        "  置くセルの番号、出力ファイル、続けて適用する規則）を表示します。\n"
        "  画像の大きさは画像ファイルSHEET、--size、[Process]の順に決めます。\n"
        "  -oを付けると、元画像（左）と変換後（右）を並べた絵をPNGで書き出します。\n"
        "  終了コード: 0 説明した / 1 規則を使えない、画像を読めない、絵を描けない /\n"
        "  2 使い方の誤り\n",
        "Usage: vomarin [--setting FILE] [--rule NAME] [--no-transparency] [--dry-run] FILE...\n"
        "       vomarin --check [--setting FILE]\n"
        "\n"
        "Sorts image files to the rules of the rule file by their size and file name\n"
        "and converts them with their rule. The converted images are written where the\n"
        "source image is, into a folder named after it.\n"
        "\n"
        "  --setting FILE     the rule file (by default setting.ini in the current\n"
        "                     folder, else setting.ini in the program's folder)\n"
        "  --rule NAME        converts every file with rule NAME, without sorting\n"
        "  --no-transparency  converts as it is, without making palette colour 0\n"
        "                     transparent\n"
        "  --dry-run          shows the sorting only, without converting\n"
        "  --combine DIR      after converting, writes one sheet for each Group of the\n"
        "                     rules, combined, into folder DIR as \"group name.png\"\n"
        "                     (the same image as the map combiner window saves)\n"
        "  --jobs N           converts N files at once (1 to {1}, by default the number of\n"
        "                     processors). What is shown and the files written are\n"
        "                     those of one file at a time\n"
        "  --check            checks the rule file without converting and shows its\n"
        "                     mistakes one a line as \"[section] key=value: the mistake\"\n"
        "                     (exit status 0: no mistakes, 1: mistakes)\n"
        "  --invert RULE [--size W,H] [--name NAME] [SHEET] [--append]\n"
        "                     shows the rule that puts the output of rule RULE back in\n"
        "                     its first order (the inverse), as a section to add at the\n"
        "                     end of the rule file. The image size comes from SHEET,\n"
        "                     --size or [Process], in that order.\n"
        "                     The section is named RULE_inverse by default\n"
        "  --append           with --invert, writes the section at the end of the rule\n"
        "                     file instead of showing it, and shows the file written.\n"
        "                     The rule file as it was stays as \"NAME.bak\"; no other\n"
        "                     line changes\n"
        "  --index-table      with every conversion, also writes the table\n"
        "                     \"[V]source name+NameFoot.csv\" (which cell went where in\n"
        "                     which output file) into the folder of the output files\n"
        "  --lang ja|en       shows the texts in Japanese (ja) or English (en)\n"
        "                     (by default in the system's language)\n"
        "  --help             shows this help\n"
        "  --version          shows the version\n"
        "\n"
        "The sorting is shown under [rule name] for each rule; files that cannot be\n"
        "converted are shown under [Other] with the reason. A file that several rules\n"
        "fit is chosen by number when run from a terminal, and is not converted\n"
        "otherwise.\n"
        "\n"
        "Exit status:\n"
        "  0  every file was converted (files of the rule \"何もしない\" included)\n"
        "  1  some file could not be converted\n"
        "  2  a usage error, or no rule file\n"
        "\n"
        "Explaining a rule: vomarin --explain RULE [--size W,H] [-o PICTURE.png] [SHEET]\n"
        "  Shows how rule RULE rearranges an image (how it divides it into cells, the\n"
        "  number of the cell at each place of the canvas, the output files, the rules\n"
        "  it applies next). The image size comes from image file SHEET, --size or\n"
        "  [Process], in that order. With -o, writes a PNG picture of the source image\n"
        "  (left) beside the result (right).\n"
        "  Exit status: 0 explained / 1 the rule cannot be used, the image cannot be\n"
        "  read or the picture cannot be drawn / 2 a usage error\n")
MESSAGE(kCliMosaikonUsage,
        "使い方: mosaikon [--width 128|256] -o 出力.png シート...\n"
        "\n"
        "シートを指定の順に上から積み、横幅 128 か 256 ピクセルの1枚の PNG にします。\n"
        "横幅より広いシートは横幅ごとの帯に切り、左から順に下へ積みます。拡大・縮小はしません。\n"
        "パレットを持つ画像は、パレットの0番の色が透明になります。\n"
        "\n"
        "  --width 128|256  結合する横幅（既定: 128）\n"
        "  -o 出力.png      書き出す PNG ファイル（あれば上書きします）\n"
        "  --lang ja|en     表示の言語（既定: システムの言語）\n"
        "  --help           この説明を表示して終わる\n"
        "  --version        版を表示して終わる\n"
        "\n"
        "終了コード: 0 書き出した / 1 読み込めないシートがあった、または書き出せなかった /\n"
        "2 引数の誤り\n",
        "Usage: mosaikon [--width 128|256] -o OUTPUT.png SHEET...\n"
        "\n"
        "Stacks the sheets from the top in the order given into one PNG 128 or 256\n"
        "pixels wide. A sheet wider than that is cut into strips of the width, stacked\n"
        "downwards from the left. Nothing is scaled. In an image with a palette,\n"
        "palette colour 0 becomes transparent.\n"
        "\n"
        "  --width 128|256  the width to combine at (default: 128)\n"
        "  -o OUTPUT.png    the PNG file to write (overwritten if there is one)\n"
        "  --lang ja|en     the language of the texts (default: the system's)\n"
        "  --help           shows this help and ends\n"
        "  --version        shows the version and ends\n"
        "\n"
        "Exit status: 0 written / 1 a sheet could not be read, or the file could not be\n"
        "written / 2 wrong arguments\n")
MESSAGE(kCliMosaikonNoWidth, "--width に横幅がありません", "--width has no width")
MESSAGE(kCliMosaikonBadWidth, "横幅は 128 か 256 です: {1}", "the width is 128 or 256: {1}")
MESSAGE(kCliMosaikonNoOutputValue, "-o に出力ファイルがありません", "-o has no output file")
MESSAGE(kCliMosaikonOneOutput, "-o は1つだけ指定できます", "-o can be given only once")
MESSAGE(kCliMosaikonUnknownOption, "知らないオプションです: {1}", "unknown option: {1}")
MESSAGE(kCliMosaikonNoOutput, "出力ファイル（-o）がありません", "no output file (-o)")
MESSAGE(kCliMosaikonNoSheets, "結合するシートがありません", "no sheets to combine")

// --- The combiner
MESSAGE(kCombineNoRoom, "メモリが足りません", "not enough memory")
MESSAGE(kCombineNotAdded, "次のファイルは追加できませんでした。",
        "The following files could not be added.")
MESSAGE(kCombinePathAndReason, "{1}（{2}）", "{1} ({2})")
MESSAGE(kCombineCannotRead, "読み込めません: {1}（{2}）", "cannot read: {1} ({2})")
MESSAGE(kCombineTooLarge, "結合した画像が大きすぎます（{1} x {2}）",
        "the combined sheet is too large ({1} x {2})")
MESSAGE(kCombineCannotWrite, "書き出せません: {1}", "cannot write: {1}")

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
