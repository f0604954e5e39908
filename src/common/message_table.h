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
MESSAGE(kRuleFileNotFound, "規則ファイルが見つかりません: {1}", "rule file not found: {1}")
MESSAGE(kImageFileNotFound, "画像ファイルが見つかりません: {1}", "image file not found: {1}")
MESSAGE(kCombinedSheetNotWritten, "書き出せません: {1}", "cannot write: {1}")
MESSAGE(kCombineFolderNotCreated, "結合した画像の出力フォルダを作れません: {1}",
        "cannot create the folder for the combined images: {1}")

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
