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
