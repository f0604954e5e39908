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
