// The table of messages: MESSAGE(id, Japanese, English). No include guard:
// messages.h and messages.cpp each include it with their own MESSAGE.
// "{1}", "{2}", ... stand for the arguments; both languages use the same ones.
// The Japanese texts are the programs' own, byte for byte; the English ones
// say the same in the same tone.

// --- Images and files
MESSAGE(kInvalidFile, "無効なファイル", "invalid file")

// --- Why a file could not be opened, read, created or saved
MESSAGE(kFileFailureWithReason, "{1}（{2}）", "{1} ({2})")
MESSAGE(kFileFailureDiskFull, "ディスクがいっぱいです", "the disk is full")
MESSAGE(kFileFailureNoPermission, "アクセスが許可されていません", "access is not permitted")
MESSAGE(kFileFailureReadOnly, "読み取り専用です", "it is read-only")
MESSAGE(kFileFailureLocked, "他のプログラムが使用中です", "another program is using it")
MESSAGE(kFileFailureNameTooLong, "名前が長すぎます", "the name is too long")
MESSAGE(kFileFailureInvalidName, "名前に使えない文字があります",
        "the name has characters that cannot be used")
MESSAGE(kFileFailureFolderMissing, "フォルダがありません", "the folder does not exist")
MESSAGE(kFileFailureFileMissing, "ファイルがありません", "the file does not exist")
MESSAGE(kFileFailureFolderInTheWay, "同じ名前のフォルダがあります",
        "a folder of that name is in the way")
MESSAGE(kFileFailureSystemError, "システムのエラー {1}", "system error {1}")
MESSAGE(kSaveFailed, "保存できませんでした:{1}", "could not save: {1}")
MESSAGE(kFolderNameTooLong, "フォルダ名が長すぎます:{1}", "the folder name is too long: {1}")
MESSAGE(kFolderNotCreated, ":{1}", "could not create the folder: {1}")

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
MESSAGE(kRuleValueNotPositive, "{1}の値は1以上にして下さい", "the values of {1} must be 1 or more")
MESSAGE(kRuleValueNotOneOf, "{1}の値「{2}」は{3}のどれかにして下さい",
        "the value \"{2}\" of {1} must be one of {3}")
MESSAGE(kRuleNameFootLeavesFolder, "{1}にフォルダの区切り（\\ /）や「..」は使えません",
        "{1} cannot contain a folder separator (\\ /) or \"..\"")
MESSAGE(kRuleNoSizeOrDefault, "setting.iniの[Process]に{1}もdefaultもありません",
        "[Process] of setting.ini has neither {1} nor default")
MESSAGE(kRuleUnusable, "規則[{1}]を使えません: {2}", "the rule [{1}] cannot be used: {2}")

// --- Conversion, the log and the progress window
MESSAGE(kCanvasSizeWrong,
        "規則[{1}]の画像の大きさ（{2}）が正しくないため保存できません（NewSizeとClipを確かめて下さい）",
        "rule [{1}]: the image size ({2}) is not right, so nothing is saved (check NewSize and Clip)")
MESSAGE(kCanvasTooLarge, "規則[{1}]の画像（{2}）が大きすぎるため保存できません",
        "rule [{1}]: the image ({2}) is too large to save")
MESSAGE(kFileDivFinerThanCanvas, "規則[{1}]のFileDivが画像より細かいため保存できません",
        "rule [{1}]: FileDiv is finer than the image, so nothing is saved")
MESSAGE(kPaletteNotKept, "パレットを保てないため、32ビットカラーで保存します",
        "the palette cannot be kept: saving in 32-bit colour")
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
MESSAGE(kRunMoreErrorLines, "…ほか{1}行\n", "… and {1} more lines\n")
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
        "Classified as follows\r\n"
        "You can add more files →\r\n"
        "Start begins the run\r\n\r\n")
MESSAGE(kRuleNotTold,
        "{1}は画像の自動判別ができません\n"
        "次のウィンドウで適切なものを手動選択して下さい\n",
        "The rule for {1} cannot be told automatically\n"
        "Please choose the right one by hand in the next window\n")

// --- Rule tools: the check
MESSAGE(kToolLeftOverRight, "右の{1}ピクセル", "the right {1} px")
MESSAGE(kToolLeftOverBelow, "下の{1}ピクセル", "the bottom {1} px")
MESSAGE(kToolLeftOverBoth, "{1}と{2}", "{1} and {2}")
MESSAGE(kToolNoRule, "規則[{1}]がありません", "there is no rule [{1}]")
MESSAGE(kCheckDidYouMean, "（{1}のことですか）", " (did you mean {1}?)")
MESSAGE(kCheckWithValue, "{1}（{2}）", "{1} ({2})")
MESSAGE(kCheckShadowed, "同じ名前のセクション[{1}]が前にあるため、このセクションは読まれません",
        "a section of the same name [{1}] comes before it, so this section is not read")
MESSAGE(kCheckShadowedCase, "（セクション名の大文字と小文字は区別されません）",
        " (section names do not tell capital from small letters)")
MESSAGE(kCheckSectionCut,
        "セクションが読み取れる長さ（{1}バイト）を超えているため、途中から後は読まれません",
        "the section is longer than can be read ({1} bytes), so its end is not read")
MESSAGE(kCheckNotUsable, "規則として使えません: {1}", "cannot be used as a rule: {1}")
MESSAGE(kCheckNoKeyName, "「{1}」にはキーの名前がありません", "\"{1}\" has no key name")
MESSAGE(kCheckUnknownKey, "{1}: キー{2}はどこからも読まれません", "{1}: nothing reads the key {2}")
MESSAGE(kCheckKeyTwice, "キー{1}が{2}回書かれています。使われるのは最後の「{3}」だけです",
        "the key {1} is written {2} times; only the last, \"{3}\", is used")
MESSAGE(kCheckSkippedLine, "「{1}」は「キー=値」の形ではないため、読まれません",
        "\"{1}\" is not of the form \"key=value\", so it is not read")
MESSAGE(kCheckSkippedLines, "「{1}」は「キー=値」の形ではないため、この行と後の{2}行は読まれません",
        "\"{1}\" is not of the form \"key=value\", so this line and the {2} after it are not read")
MESSAGE(kCheckMoreItems, " ほか{1}個", " and {1} more")
MESSAGE(kCheckReplaceOutside,
        "{1}: {2}はSrcDiv={3},{4}のセルの番号（0〜{5}、空白は-1）ではないため、置かれません",
        "{1}: {2} are not cell numbers of SrcDiv={3},{4} (0 to {5}, -1 for a blank), so they are "
        "not placed")
MESSAGE(kCheckEmptyRuleName, "{1}: 規則の名前が空の項目があります", "{1}: an item has an empty rule name")
MESSAGE(kCheckNamesCut,
        "セクション名の一覧が読み取れる長さ（{1}バイト）を超えているため、このセクションから後は読まれません",
        "the list of section names is longer than can be read ({1} bytes), so this section and "
        "those after it are not read")
MESSAGE(kCheckChoosingKeyUnread,
        "{1}: この規則は[Process]で2つ以上の候補の1つになっていないため、{2}は読まれません",
        "{1}: this rule is not one of two or more candidates in [Process], so {2} is not read")
MESSAGE(kCheckSizeTableCase,
        "大きさの表のセクション名は[Process]です（大文字と小文字を区別します）。このままではどの画像も振り分けられません",
        "the size table's section is named [Process] (capital and small letters count); as it is, "
        "no image is sorted to a rule")
MESSAGE(kCheckNoSizeTable, "大きさの表[Process]がないため、どの画像も振り分けられません",
        "there is no size table [Process], so no image is sorted to a rule")
MESSAGE(kCheckBadSizeKey,
        "キー{1}は「default」でも「幅,高さ」（1以上の整数2つ）でもないため使われません",
        "the key {1} is neither \"default\" nor \"width,height\" (two whole numbers of 1 or more), "
        "so it is not used")
MESSAGE(kCheckLeadingZero, "キー{1}は0で始まる数を含むため、どの画像の大きさにも合いません（{2}と書きます）",
        "the key {1} has a number beginning with 0, so it matches no image size (write {2})")
MESSAGE(kCheckSizeTooLarge,
        "キー{1}の大きさの画像は開けないため（一辺{2}ピクセル、全体で{3}ピクセルまで）、使われません",
        "images of the size {1} cannot be opened (at most {2} pixels a side, {3} pixels in all), so "
        "it is not used")
MESSAGE(kCheckEmptyCandidate, "候補に空の名前があります", "a candidate has an empty name")
MESSAGE(kCheckCircularCall, "{1}: 規則の呼び出しが元の規則に戻るため、変換は途中で中止されます: {2}",
        "{1}: the rules call back to the one they started from, so the conversion stops partway: {2}")
MESSAGE(kCheckTooDeep, "{1}: 規則の呼び出しが{2}段を超えるため、変換は途中で中止されます: {3}",
        "{1}: rules call rules more than {2} levels deep, so the conversion stops partway: {3}")
MESSAGE(kCheckWhere, "{1}: {2}の画像（{3}）では、", "{1}: for an image of {2} ({3}), ")
MESSAGE(kCheckGrid, "{1}列{2}行", "{1} x {2}")
MESSAGE(kCheckClipOutside, "切り出す範囲が画像からはみ出すため、何も切り出されません",
        "the area to cut out reaches outside the image, so nothing is cut out")
MESSAGE(kCheckCellsTooSmall,
        "切り出した{1}を{2}に分けるとセルが1ピクセルより小さくなるため、セルが切り出されません",
        "dividing the clipped {1} into a {2} grid makes cells smaller than 1 pixel, so no cell is "
        "cut out")
MESSAGE(kCheckClipLeftOver, "切り出した{1}が{2}で割り切れないため、{3}がどのセルにも入りません",
        "the clipped {1} does not divide evenly into a {2} grid, so {3} fall in no cell")
MESSAGE(kCheckCanvasBadSize, "キャンバス（{1}）の大きさが正しくないため作れません",
        "the canvas ({1}) cannot be made, as its size is not valid")
MESSAGE(kCheckCanvasTooLarge, "キャンバス（{1}）が大きすぎるため作れません",
        "the canvas ({1}) cannot be made, as it is too large")
MESSAGE(kCheckSlotLeftOver,
        "キャンバス（{1}）がセル（{2}）の整数倍ではないため、{3}にはセルが置かれません",
        "the canvas ({1}) is not a whole multiple of the cell ({2}), so no cell is placed in {3}")
MESSAGE(kCheckSlotsTooFew,
        "キャンバス（{1}）に置けるセル（{2}）は{3}個（{4}）だけのため、{5}番目から後のセル{6}個は置かれません",
        "the canvas ({1}) has room for only {3} cells of {2} (a {4} grid), so {6} cells from item "
        "{5} on are not placed")
MESSAGE(kCheckFileDivTooFine, "キャンバス（{1}）より細かいため保存できません",
        "FileDiv is finer than the canvas ({1}), so nothing can be saved")
MESSAGE(kCheckPiecesLeftOver, "キャンバス（{1}）が{2}で割り切れないため、{3}はどのファイルにも入りません",
        "the canvas ({1}) does not divide evenly into a {2} grid, so {3} fall in no file")
MESSAGE(kCheckTerrainCanvas, "キャンバス（{1}）に{2}の{3}のタイル（{4}）が収まりません",
        "the canvas ({1}) cannot hold the {3} tiles ({4} each) of {2}")
MESSAGE(kCheckTerrainPiece, "出力ファイル1枚（{1}）に{2}の{3}のタイル（{4}）が収まりません",
        "one output file ({1}) cannot hold the {3} tiles ({4} each) of {2}")
MESSAGE(kCheckTooManyCombinations,
        "規則と画像の大きさの組み合わせが多すぎるため（{1}組まで）、残りの組み合わせは調べていません",
        "there are too many combinations of rules and image sizes (at most {1}), so the rest were "
        "not checked")

// --- Rule tools: the explanation and the picture
MESSAGE(kExplainGrid, "{1}列 x {2}行", "{1} x {2}")
MESSAGE(kListSeparator, "、", ", ")
MESSAGE(kExplainMoreRules, "ほか{1}個", " and {1} more")
MESSAGE(kExplainUnsized,
        "規則[{1}]: 画像の大きさが分からないため、セルの大きさも分かりません。セルの番号だけを示します（画像ファイルか--sizeを指定するか、[Process]にこの規則を書けば、詳しく示します）",
        "rule [{1}]: the image size is not known, so neither is the cell size. Only the cell "
        "numbers are shown (give an image file or --size, or write this rule in [Process], for the "
        "details)")
MESSAGE(kExplainSourceCells, "元画像: {1}のセル", "source image: a {1} grid of cells")
MESSAGE(kExplainNoCellsPlaced, "置くセル: ありません（Replaceがありません）",
        "cells placed: none (there is no Replace)")
MESSAGE(kExplainPlacedNumbers, "置くセルの番号（キャンバスの左上の位置から行ごと、-は空白）:",
        "numbers of the cells placed (row by row from the top left of the canvas, - for a blank):")
MESSAGE(kExplainFirstItems, "  （全{1}個のうち、最初の{2}個だけを示しました）",
        "  (only the first {2} of {1} are shown)")
MESSAGE(kExplainSized, "規則[{1}]: 画像 {2}（{3}）", "rule [{1}]: image {2} ({3})")
MESSAGE(kExplainNumbersLeftOut,
        "絵: {1}ピクセルより小さいセルと、番号が収まらないセルには、番号を描いていません",
        "picture: cells smaller than {1} pixels and cells their number does not fit in are drawn "
        "without it")
MESSAGE(kExplainClip, "Clip（{1},{2} から {3}）を", "Clip ({3} from {1},{2}) ")
MESSAGE(kExplainClipOutside, "元画像: Clipの範囲が画像の中にないため、セルを切り出しません",
        "source image: Clip is not inside the image, so no cell is cut out")
MESSAGE(kExplainCellsTooSmall,
        "元画像: {1}{2}に分けるとセルが1ピクセルに満たないため、セルを切り出しません",
        "source image: dividing {1}into a {2} grid makes cells smaller than 1 pixel, so no cell is "
        "cut out")
MESSAGE(kExplainSourceDivided, "元画像: {1}{2}のセル（{3}）に分けます",
        "source image: {1}divided into a {2} grid of cells ({3})")
MESSAGE(kExplainSourceLeftOver, "  {1}はどのセルにも入りません", "  {1} fall in no cell")
MESSAGE(kExplainCanvasNotMade, "キャンバス: {1}は作れないため、何も出力しません",
        "canvas: {1} cannot be made, so nothing is written")
MESSAGE(kExplainCanvasEmpty, "キャンバス: {1}、置くセルはありません", "canvas: {1}, with no cell placed")
MESSAGE(kExplainCanvasSlots, "キャンバス: {1}、{2}の位置（{3}）に置くセルの番号（-は空白）:",
        "canvas: {1}, numbers of the cells placed in its {2} grid of places ({3}) (- for a blank):")
MESSAGE(kExplainTopLeftOnly, "  （全{1}のうち、左上の{2}だけを示しました）",
        "  (only the top left {2} of the {1} grid are shown)")
MESSAGE(kExplainCanvasLeftOver, "  {1}は空白のままです", "  {1} stay blank")
MESSAGE(kExplainFileDivTooFine, "出力ファイル: FileDivがキャンバスより細かいため、保存できません",
        "output files: FileDiv is finer than the canvas, so nothing can be saved")
MESSAGE(kExplainPieces, "出力ファイル（{1}枚）:", "output files ({1}):")
MESSAGE(kExplainPieceArea, "  キャンバスの{1},{2} から {3}", "  {3} from {1},{2} of the canvas")
MESSAGE(kExplainMorePieces, "  （ほか{1}枚は省略しました）", "  ({1} more are left out)")
MESSAGE(kExplainPiecesLeftOver, "  キャンバスの{1}はどのファイルにも入りません",
        "  {1} of the canvas fall in no file")
MESSAGE(kExplainIndividual, "セルごとに先に適用する規則（Individual）: [{1}]",
        "rule applied first to each cell (Individual): [{1}]")
MESSAGE(kExplainIndividualSlot, "。セルは{1}になります", "; the cells become {1}")
MESSAGE(kExplainIndividualNoImage, "。その規則はセルから画像を作れません",
        "; that rule cannot make an image of a cell")
MESSAGE(kExplainSubProcess, "続けて同じ画像に適用する規則（SubProcess）: {1}",
        "rules applied next to the same image (SubProcess): {1}")
MESSAGE(kExplainKeepPalette, "KeepPalette=1: パレット画像は、パレットを保ったまま8ビットのPNGで保存します",
        "KeepPalette=1: a palette image is saved as an 8-bit PNG, keeping its palette")
MESSAGE(kExplainSizeOption, "--sizeの指定", "given by --size")
MESSAGE(kExplainSizeOfFile, "{1}の大きさ", "the size of {1}")
MESSAGE(kExplainSizeFromTable, "[Process]の{1},{2}", "{1},{2} in [Process]")
MESSAGE(kExplainNoPictureWithoutSize, "画像の大きさが分からないため、絵を描けません",
        "the image size is not known, so no picture can be drawn")
MESSAGE(kExplainNoMemory, "メモリが足りないため、規則を説明できません",
        "there is not enough memory to explain the rule")
MESSAGE(kPictureNoCanvas, "キャンバス（{1}）を作れないため、絵を描けません",
        "the canvas ({1}) cannot be made, so no picture can be drawn")
MESSAGE(kPictureTooLarge, "絵（{1}）が画像の大きさの上限（{2}、{3}ピクセル）を超えるため、描けません",
        "the picture ({1}) is larger than an image may be ({2}, {3} pixels), so it cannot be drawn")
MESSAGE(kPictureNoMemory, "メモリが足りないため、絵を描けません",
        "there is not enough memory to draw the picture")
MESSAGE(kPictureNotSaved, "絵を保存できませんでした: {1}", "could not save the picture: {1}")

// --- Rule tools: the inverse
MESSAGE(kInverseTitle, "規則[{1}]の逆変換: {2}の画像を変換した出力を元の並びに戻します",
        "inverse of the rule [{1}]: puts the output of converting an image of {2} back in its "
        "original order")
MESSAGE(kInverseInputOne, "入力: 規則[{1}]の出力（{2}）", "input: the output of the rule [{1}] ({2})")
MESSAGE(kInverseInputPieces,
        "入力: 規則[{1}]の出力{2}枚（FileDiv={3},{4}）を番号順に左から右、上から下へつなげた{5}の画像。先につなげて下さい",
        "input: the {2} outputs of the rule [{1}] (FileDiv={3},{4}) joined in number order, left to "
        "right and top to bottom, into an image of {5}. Join them first")
MESSAGE(kInverseStack, "  1列なので mosaikon --width {1} -o 結合.png {2} {3} … で上から順に積めます",
        "  as they form one column, mosaikon --width {1} -o joined.png {2} {3} … stacks them from "
        "the top")
MESSAGE(kInverseOriginalName, "元の名前", "original")
MESSAGE(kInverseOutputClipped,
        "出力: Clip（{1}）がセルの境目で始まらないため、切り出した範囲のセルだけ（元画像の{2},{3}から{4}）を戻します",
        "output: as Clip ({1}) does not begin on a cell border, only the cells of the clipped area "
        "({4} from {2},{3} of the original image) come back")
MESSAGE(kInverseOutputSame, "出力: 元画像と同じ{1}に、セルを元の位置に戻します",
        "output: the cells go back to their places in an image of {1}, the size of the original")
MESSAGE(kInverseOutputTopLeft, "出力: 元画像{1}のうち、セルの並ぶ左上の{2}に、セルを元の位置に戻します",
        "output: the cells go back to their places in the top left {2} of the original {1}, where "
        "the cells lie")
MESSAGE(kInverseLostCells, "戻らないもの: 出力に残らないセル{1}個（{2}）。空白になります",
        "not restored: {1} cells that the output does not keep ({2}); they stay blank")
MESSAGE(kInverseLostClip, "戻らないもの: Clip（{1}）の外の画素",
        "not restored: the pixels outside Clip ({1})")
MESSAGE(kInverseLostStrips, "戻らないもの: SrcDivのセルに入らない右の{1}画素・下の{2}画素",
        "not restored: the right {1} px and the bottom {2} px, which fall in no SrcDiv cell")
MESSAGE(kInverseNoSubProcess, "SubProcessの規則（{1}）の出力は含みません",
        "the outputs of the SubProcess rules ({1}) are not included")
MESSAGE(kInverseNameEmpty, "空の名前は使えません", "the name cannot be empty")
MESSAGE(kInverseNameSpaces, "前後に空白のある名前は使えません",
        "the name cannot begin or end with a space")
MESSAGE(kInverseNameBracket, "「]」を含む名前は使えません", "the name cannot contain \"]\"")
MESSAGE(kInverseNameControl, "改行などの制御文字を含む名前は使えません",
        "the name cannot contain a line break or another control character")
MESSAGE(kInverseNameReserved, "大きさの表と「何もしない」の名前は規則の名前に使えません",
        "the names of the size table and of \"何もしない\" cannot name a rule")
MESSAGE(kInverseNameTaken, "規則ファイルに同じ名前のセクションがあります",
        "the rule file has a section of the same name")
MESSAGE(kInverseUnreadable, "規則[{1}]を読めません: {2}", "cannot read the rule [{1}]: {2}")
MESSAGE(kInverseIndividual,
        "規則[{1}]はIndividualの規則[{2}]でセルの中身を変えるため、並べ替えでは元に戻せません",
        "the rule [{1}] changes its cells with the Individual rule [{2}], which rearranging cells "
        "cannot undo")
MESSAGE(kInverseNoSize,
        "規則[{1}]の画像の大きさが分かりません。セルの大きさで逆変換の数値が決まるため、画像ファイルか--size 幅,高さを指定してください",
        "the image size for the rule [{1}] is not known. The numbers of the inverse follow from the "
        "cell size: give an image file or --size width,height")
MESSAGE(kInverseSizeTooLarge, "画像の大きさ{1}は扱える大きさを超えています",
        "the image size {1} is larger than can be handled")
MESSAGE(kInverseNothingPlaced,
        "規則[{1}]は{2}の画像のセルを一つも出力に置かないため、逆変換がありません（{3}）",
        "the rule [{1}] places no cell of an image of {2} in its output, so it has no inverse ({3})")
MESSAGE(kInverseTooLong, "逆変換の規則が規則ファイルの1つのセクションに収まる大きさ（{1}バイト）を超えます",
        "the inverse rule is larger than one section of the rule file can hold ({1} bytes)")
MESSAGE(kInverseWhyClip, "Clipが画像の中にありません", "Clip is not inside the image")
MESSAGE(kInverseWhyCells, "SrcDivのセルが切り出した範囲より細かくなります",
        "the SrcDiv cells are finer than the clipped area")
MESSAGE(kInverseWhyCanvas, "キャンバスの大きさ{1}の画像は作れません", "a canvas of {1} cannot be made")
MESSAGE(kInverseWhyNoCells, "Replaceが保存される位置に置くセルがありません",
        "Replace puts no cell where anything is saved")
MESSAGE(kInverseWhySlot, "キャンバス{1}がセル{2}より小さくなります",
        "the canvas {1} is smaller than a cell {2}")
MESSAGE(kInverseWhyFileDiv, "FileDivがキャンバスより細かいため何も保存されません",
        "FileDiv is finer than the canvas, so nothing is saved")

// --- Rule tools: autotile rules
MESSAGE(kAutotileRearranges, "自動タイルの規則: {1}の画像（{2}、タイル{3}）を{4}の並び（{5}）に並べ替えます",
        "autotile rule: rearranges an image of {1} ({2}, tiles of {3}) into the {4} layout ({5})")
MESSAGE(kAutotileRearrangesBlocks,
        "自動タイルの規則: {1}のブロックを{2}に並べた画像（{3}、タイル{4}）を、ブロックごとに{5}の並び（{6}）に並べ替え、1ブロック1枚で保存します",
        "autotile rule: rearranges each block of an image of {2} {1} blocks ({3}, tiles of {4}) "
        "into the {5} layout ({6}) and saves one file per block")
MESSAGE(kAutotilePreview, "左上のタイル（見本）には、マスク0のタイル（周りに同じ地形がないもの）を置きます",
        "the top-left tile (the sample) takes the tile of mask 0 (no neighbour of the same terrain)")
MESSAGE(kAutotileMadeBy, "作り方: {1}", "made by: {1}")
MESSAGE(kAutotileBlockRule, "規則[{1}]がブロックごとに適用する規則（Individual）",
        "the rule that [{1}] applies to each block (Individual)")
MESSAGE(kAutotileUnknownLayout, "並び「{1}」はありません（あるのは{2}）",
        "there is no layout \"{1}\" (the layouts are {2})")
MESSAGE(kAutotileNoRule, "{1}から{2}への規則はありません（作れるのは{3}）",
        "there is no rule from {1} to {2} (the rules are {3})")
MESSAGE(kAutotileBadTile, "タイルの大きさ「{1}」は2以上の偶数ではありません",
        "the tile size \"{1}\" is not an even number of 2 or more")
MESSAGE(kAutotileBadBlocks, "ブロックの数「{1}」は「列,行」の1以上の整数ではありません",
        "the blocks \"{1}\" are not \"columns,rows\" in whole numbers of 1 or more")
MESSAGE(kAutotileImageTooLarge, "自動タイルの規則の画像（{1}）が扱える大きさを超えます",
        "the autotile rule's image ({1}) would be larger than can be handled")
MESSAGE(kAutotileTooLong,
        "自動タイルの規則が規則ファイルの1つのセクションに収まる大きさ（{1}バイト）を超えます",
        "the autotile rule is larger than one section of the rule file can hold ({1} bytes)")

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
MESSAGE(kRuleFileCannotHold,
        "「{1}」の文字「{2}」（{3}）は規則ファイルの文字コード（{4}）で書けません",
        "\"{1}\" has the character \"{2}\" ({3}), which the rule file's encoding ({4}) cannot hold")
MESSAGE(kRuleFileValueLineBreak, "{1}の値に改行があります。規則ファイルの1行に書けません",
        "the value of {1} has a line break, which one line of the rule file cannot hold")
MESSAGE(kRuleFileNameLineBreak, "名前に改行があります。規則ファイルの1行に書けません",
        "the name has a line break, which one line of the rule file cannot hold")
MESSAGE(kRuleFileNotACandidate,
        "[{1}]は[Process]に加えられません: 「{2}」は規則の名前の区切りです（[Process]では「/」、"
        "SubProcessでは「,」）",
        "[{1}] cannot go into [Process]: \"{2}\" separates rule names (\"/\" in [Process], "
        "\",\" in SubProcess)")
MESSAGE(kRuleFileSectionWritten, "規則ファイルにセクション[{1}]を書き込みました: {2}",
        "wrote the section [{1}] into the rule file: {2}")
MESSAGE(kAppendWithoutInvert, "--appendは--invertと一緒に使います", "--append goes with --invert")

// --- The command-line programs
MESSAGE(kCliNoGdiplus, "GDI+を開始できません", "cannot start GDI+")
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
MESSAGE(kCliAutotileNeedsLayouts, "--autotileには元の並びと先の並びが必要です（--autotile FROM TO）",
        "--autotile needs the layout to convert from and the one to convert to (--autotile FROM TO)")
MESSAGE(kCliAutotileNeedsTile, "--autotileには--tile（タイルの大きさ）が必要です",
        "--autotile needs --tile (the tile size)")
MESSAGE(kCliTileWithoutAutotile, "--tileと--blocksは--autotileと一緒に使います",
        "--tile and --blocks go with --autotile")
MESSAGE(kCliAutotileWithTool, "--autotileは--check、--explain、--invertと一緒に使えません",
        "--autotile cannot go with --check, --explain or --invert")
MESSAGE(kCliAutotileWithConversion, "--autotileと画像の変換は一度にできません",
        "--autotile cannot go with converting images")
MESSAGE(kCliAutotileTakesNoFiles, "--autotileには画像ファイルを指定できません",
        "--autotile takes no image files")
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
MESSAGE(kCliBadAutotileName, "自動タイルの規則のセクション名「{1}」: {2}（--nameで別の名前を指定できます）",
        "section name \"{1}\" of the autotile rule: {2} (--name gives another name)")
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
        "  --tileset          変換のたびに、出力ファイルごとにTiled用のタイルセット\n"
        "                     「[V]….tsx」も書き出します（タイルの大きさはTileSize、\n"
        "                     無ければセルの大きさ）\n"
        "  --lang ja|en       表示を日本語（ja）か英語（en）にします\n"
        "                     （既定はシステムの言語）\n"
        "  --utf8             ファイルやパイプへの出力をUTF-8にします（Windowsでは\n"
        "                     既定でShift-JIS。コンソールへはどの文字も正しく出ます）\n"
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
        "  2 使い方の誤り\n"
        "\n"
        "自動タイルの規則: vomarin --autotile FROM TO --tile T [--blocks C,R] [--name NAME]\n"
        "                  [--append]\n"
        "  並びFROMの自動タイル（1辺Tピクセルのタイル）を並びTOに並べ替える規則を、\n"
        "  規則ファイルの末尾に足せるセクションとして表示します（--appendで書き込み）。\n"
        "  作れるのは block2x3 → blob47、block2x3 → wang16、blob47 → block2x3 です。\n"
        "  Tは2以上の偶数。--blocks C,Rは、FROMのブロックをC列R行に並べた画像を\n"
        "  ブロックごとに変換し、1ブロック1枚で保存する規則にします。\n"
        "  セクション名は既定で Autotile_FROM_TO_T（ブロックが複数なら _CxR が続きます）\n"
        "  終了コード: 0 表示した（書き込んだ） / 1 規則ファイルを書き込めない /\n"
        "  2 使い方の誤り\n"
        "\n"
        "Tiledのマップの書き換え: vomarin --remap MAP.tmx TABLE.csv... [--tileset NAME] [--dry-run]\n"
        "  変換前の画像のタイルセットで描いたマップを、変換した出力ファイルの\n"
        "  タイルセットで同じ絵になるように書き換えます。TABLEは--index-tableで\n"
        "  書いた対応表です。元のマップは「MAP.tmx.bak」に残ります。\n"
        "  --dry-runはレイヤーごとに変わるマスとオブジェクトの数を表示するだけです。\n"
        "  終了コード: 0 書き換えた / 1 書き換えられない（理由を表示し、何も\n"
        "  書きません） / 2 使い方の誤り\n",
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
        "  --tileset          with every conversion, also writes a Tiled tileset\n"
        "                     \"[V]….tsx\" beside each output file (its tiles of the\n"
        "                     rule's TileSize, or else of the cell size)\n"
        "  --lang ja|en       shows the texts in Japanese (ja) or English (en)\n"
        "                     (by default in the system's language)\n"
        "  --utf8             writes UTF-8 to a file or pipe (on Windows Shift-JIS by\n"
        "                     default; a console shows every character right)\n"
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
        "  read or the picture cannot be drawn / 2 a usage error\n"
        "\n"
        "Autotile rules: vomarin --autotile FROM TO --tile T [--blocks C,R] [--name NAME]\n"
        "                [--append]\n"
        "  Shows the rule that rearranges an autotile of layout FROM (tiles of T pixels\n"
        "  a side) into layout TO, as a section to add at the end of the rule file\n"
        "  (--append writes it there). The rules are block2x3 → blob47,\n"
        "  block2x3 → wang16 and blob47 → block2x3. T is an even number of 2 or more.\n"
        "  --blocks C,R makes a rule for an image of C x R blocks of FROM, converted\n"
        "  block by block and saved as one file per block.\n"
        "  The section is named Autotile_FROM_TO_T by default (followed by _CxR for\n"
        "  several blocks)\n"
        "  Exit status: 0 shown (written) / 1 the rule file cannot be written /\n"
        "  2 a usage error\n"
        "\n"
        "Remapping a Tiled map: vomarin --remap MAP.tmx TABLE.csv... [--tileset NAME] [--dry-run]\n"
        "  Rewrites a map drawn with the tileset of a sheet before its conversion so\n"
        "  that it shows the same picture with the tilesets of the output files. TABLE\n"
        "  is an index table that --index-table wrote. The map as it was stays as\n"
        "  \"MAP.tmx.bak\". --dry-run only shows how many cells and objects of each\n"
        "  layer would change.\n"
        "  Exit status: 0 rewritten / 1 it cannot be (the reasons are shown and\n"
        "  nothing is written) / 2 a usage error\n")
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
        "  --utf8           ファイルやパイプへの出力をUTF-8にする（Windowsの既定はShift-JIS）\n"
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
        "  --utf8           writes UTF-8 to a file or pipe (Windows' default: Shift-JIS)\n"
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

// --- Tiled: tilesets beside the pieces, maps remapped
MESSAGE(kTilesetNotWholeTiles,
        "{1}: 大きさ（{2}）がタイル（{3}）の整数倍でないため、タイルセットを書きません",
        "{1}: no tileset is written, as its size ({2}) is not a whole number of tiles ({3})")
MESSAGE(kXmlNotUtf8, "UTF-8 ではありません", "it is not UTF-8")
MESSAGE(kXmlMarkupExpected, "タグの書き方が正しくありません", "a tag is not written right")
MESSAGE(kXmlUnclosed, "閉じていないタグやコメントがあります", "a tag or comment is not closed")
MESSAGE(kXmlUnknownEntity, "XML で決まっていない実体参照があります",
        "it refers to an entity that XML does not define")
MESSAGE(kXmlTooDeep, "要素の入れ子が深すぎます", "its elements are nested too deeply")
MESSAGE(kXmlNotWellFormed, "XML として正しくありません（{1}）", "it is not well-formed XML ({1})")
MESSAGE(kXmlReadDifferently, "XML の読み方が確かめられないため、書き換える位置が定まりません",
        "its XML cannot be read with certainty, so the places to rewrite are unknown")
MESSAGE(kCliRemapNeedsTables, "--remap にはマップと対応表（1つ以上）を指定してください",
        "--remap needs the map and one or more index tables")
MESSAGE(kRemapCannotRead, "読み込めません: {1}", "cannot read: {1}")
MESSAGE(kRemapFileTooLarge, "ファイルが大きすぎます: {1}", "the file is too large: {1}")
MESSAGE(kRemapJsonMap, "JSON のマップは書き換えられません。Tiled で .tmx として保存してください: {1}",
        "a JSON map cannot be rewritten; save it as .tmx in Tiled: {1}")
MESSAGE(kRemapNotXml, "{1}: {2}", "{1}: {2}")
MESSAGE(kRemapNotAMap, "Tiled のマップではありません: {1}", "not a Tiled map: {1}")
MESSAGE(kRemapBadMapAttribute, "マップの大きさなどの値が正しくありません: {1}",
        "a value of the map (its size or the like) is not right: {1}")
MESSAGE(kRemapBadFirstGid, "タイルセットの firstgid が正しくありません: {1}",
        "a tileset's firstgid is not right: {1}")
MESSAGE(kRemapBadLayerSize, "レイヤー「{1}」の大きさが正しくないか、大きすぎます",
        "layer \"{1}\": its size is not right or too large")
MESSAGE(kRemapBadLayerData, "レイヤー「{1}」に data が2つ以上あります", "layer \"{1}\" has more than one data")
MESSAGE(kRemapUnknownEncoding, "レイヤー「{1}」: 「{2}」の形式は読めません",
        "layer \"{1}\": the format \"{2}\" cannot be read")
MESSAGE(kRemapWrongCellCount, "レイヤー「{1}」: データが {2} のマスの数でありません（{3}個）",
        "layer \"{1}\": the data does not hold the cells of {2} ({3})")
MESSAGE(kRemapPayloadUndecodable, "レイヤー「{1}」: データを読めません", "layer \"{1}\": the data cannot be decoded")
MESSAGE(kRemapZstdNotReadable, "レイヤー「{1}」: zstd で圧縮されたデータはこの版では読めません",
        "layer \"{1}\": data compressed with zstd cannot be read by this build")
MESSAGE(kRemapCannotCompress, "レイヤー「{1}」: データを圧縮できません", "layer \"{1}\": the data cannot be compressed")
MESSAGE(kRemapBadObjectGid, "レイヤー「{1}」: オブジェクトの gid が正しくありません",
        "layer \"{1}\": an object's gid is not right")
MESSAGE(kRemapTableUnreadable, "対応表を読み込めません: {1}", "cannot read the index table: {1}")
MESSAGE(kRemapNotATable, "対応表（--index-table で書いたもの）ではありません: {1}",
        "not an index table (as --index-table writes them): {1}")
MESSAGE(kRemapTableBadLine, "対応表の{2}行目が正しくありません: {1}", "line {2} of the index table is not right: {1}")
MESSAGE(kRemapTablesEmpty, "対応表にセルがありません: {1}", "the index table holds no cell: {1}")
MESSAGE(kRemapTablesOfTwoFolders, "対応表が別の画像のものです: {1} と {2}",
        "the index tables are of different images: {1} and {2}")
MESSAGE(kRemapNoTileset, "{1} に {2} の画像のタイルセットがありません（--tileset で名前を指定できます）",
        "{1} has no tileset of the image {2} (--tileset names one)")
MESSAGE(kRemapTilesetNotFound, "{1} にタイルセット「{2}」がありません", "{1} has no tileset \"{2}\"")
MESSAGE(kRemapSeveralTilesets, "{1} に当てはまるタイルセットが2つ以上あります（--tileset で名前を指定してください）",
        "{1} has more than one tileset that fits (name one with --tileset)")
MESSAGE(kRemapBadTileset, "タイルセット「{1}」のタイルの大きさなどの値が正しくありません",
        "tileset \"{1}\": its tile size or another value is not right")
MESSAGE(kRemapTilesetWithoutImage, "タイルセット「{1}」は1枚の画像のタイルセットではありません",
        "tileset \"{1}\" is not a tileset of one image")
MESSAGE(kRemapImageUnreadable, "タイルセットの画像を読み込めません: {1}", "cannot read the tileset's image: {1}")
MESSAGE(kRemapTablesOtherSize, "対応表 {1} は {2}（{3}）と大きさの違う画像のものです",
        "the index table {1} is of an image of another size than {2} ({3})")
MESSAGE(kRemapPieceUnreadable, "出力ファイルを読み込めません: {1}", "cannot read the piece: {1}")
MESSAGE(kRemapNoGidsLeft, "{1} には新しいタイルセットの番号（gid）を付ける余地がありません",
        "{1} has no room left for the gids of the new tilesets")
MESSAGE(kRemapTileRefused, "タイル{1}（{2}）: {3}", "tile {1} ({2}): {3}")
MESSAGE(kRemapPlaceCell, "{1} {2},{3}", "{1} {2},{3}")
MESSAGE(kRemapPlaceObject, "オブジェクト{1}", "object {1}")
MESSAGE(kRemapMorePlaces, "ほか{1}か所", "and {1} more")
MESSAGE(kRemapWhyDropped, "変換で置かれていません", "the conversion did not place it")
MESSAGE(kRemapWhySplit,
        "ばらばらに置かれたか、一部しか置かれていません（セルやファイルの境目で切れた、4分割から組み立てられたなど）",
        "it was placed in parts that lie apart, or only in part (cut by a cell or piece boundary, or put together from quarters)")
MESSAGE(kRemapWhyOffGrid, "置かれた位置が出力ファイルのタイルの並びに合いません",
        "its new place is not on the tile grid of its piece")
MESSAGE(kRemapWhyBeyondRange, "新しい番号 {1} が、マップがこのタイルセットに使える番号を超えます",
        "its new id {1} lies beyond the gids the map keeps for this tileset")
MESSAGE(kRemapWhyNotInTileset, "タイルセットにない番号です", "the tileset has no such tile")
MESSAGE(kRemapWhyFrameElsewhere, "アニメーションのタイル{1}が別の出力ファイルに置かれました",
        "tile {1} of its animation landed in another piece")
MESSAGE(kRemapDataNotCarried, "タイル{1}の情報は新しいタイルセットに入りません: {2}",
        "the data of tile {1} does not go into the new tilesets: {2}")
MESSAGE(kRemapLayerWouldChange, "{1}: {2}マス、オブジェクト{3}個が変わります",
        "{1}: {2} cells and {3} objects would change")
MESSAGE(kRemapLayerChanged, "{1}: {2}マス、オブジェクト{3}個を書き換えました",
        "{1}: {2} cells and {3} objects rewritten")
MESSAGE(kRemapWritten, "書き込みました: {1}", "written: {1}")
MESSAGE(kRemapBackup, "元のマップは {1} に残しました", "the map as it was is kept as {1}")
MESSAGE(kRemapNothingWritten, "何も書き込みませんでした", "nothing was written")

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
MESSAGE(kMainListLabel, "処理予定リスト：", "File list:")
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
MESSAGE(kMainWriteIndexTable, "対応表を書く", "Write index tables")
MESSAGE(kMainWriteTilesets, "Tiled用タイルセットを書く", "Write Tiled tilesets")
MESSAGE(kMainRuleFileProblems, "規則ファイルに {1} 件の問題があります",
        "Problems in the rule file: {1}")
MESSAGE(kMainShowProblems, "問題を見る…", "Show problems…")
// The findings window: the rule file's check, one finding a row
MESSAGE(kFindingsCaption, "規則ファイルの問題", "Problems in the rule file")
MESSAGE(kFindingsHint, "ダブルクリックでその規則を編集します。Ctrl+A, Ctrl+C でコピーできます。",
        "Double-click to edit the rule. Ctrl+A, Ctrl+C copy.")
MESSAGE(kFindingsClose, "閉じる", "Close")
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
MESSAGE(kSelectPreviewLine, "セル {1}、キャンバス {2}、出力 {3}枚",
        "cells {1}, canvas {2}, {3} files")
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
// The rule editor
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
MESSAGE(kRuleEditorRuleFile, "規則ファイル: {1}", "Rule file: {1}")
MESSAGE(kRuleEditorFit, "全体", "Fit")
MESSAGE(kRuleEditorCellsDropped,
        "置いたセルのうち{1}個は新しい格子に収まらないため外しました（「元に戻す」で戻せます）",
        "{1} placed cells no longer fit the new grids and were taken out (Undo brings them back)")
MESSAGE(kRuleEditorFromLayout, "定型から作る…", "From a layout…")
MESSAGE(kRuleEditorGenerated, "規則[{1}]を作りました。確かめてから保存してください",
        "Made the rule [{1}]: look it over, then save it")
// The rule editor's dialog that generates an autotile rule
MESSAGE(kAutotileDialogTitle, "定型から作る", "From a layout")
MESSAGE(kAutotileDialogFrom, "元の並び：", "From:")
MESSAGE(kAutotileDialogTo, "先の並び：", "To:")
MESSAGE(kAutotileDialogTile, "タイルの大きさ：", "Tile size:")
MESSAGE(kAutotileDialogBlocks, "ブロック（列,行）：", "Blocks (columns,rows):")
MESSAGE(kAutotileDialogName, "規則の名前：", "Rule name:")
MESSAGE(kAutotileDialogMakes, "{1}の画像を{2}に並べ替えます", "Rearranges a sheet of {1} into {2}")
