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

// --- Rule tools: the explanation and the picture

// --- Rule tools: the inverse

// --- Writing the rule file

// --- The command-line programs

// --- The combiner

// --- The windows
