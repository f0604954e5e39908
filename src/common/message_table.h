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

// --- Classification and the processing list

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
MESSAGE(kCheckTooManyCombinations,
        "規則と画像の大きさの組み合わせが多すぎるため（{1}組まで）、残りの組み合わせは調べていません",
        "there are too many combinations of rules and image sizes (at most {1}), so the rest were "
        "not checked")

// --- Rule tools: the explanation and the picture
MESSAGE(kExplainGrid, "{1}列 x {2}行", "{1} x {2}")
MESSAGE(kExplainListSeparator, "、", ", ")
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

// --- Writing the rule file

// --- The command-line programs

// --- The combiner

// --- The windows
