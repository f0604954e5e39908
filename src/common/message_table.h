// The table of messages: MESSAGE(id, Japanese, English). No include guard:
// messages.h and messages.cpp each include it with their own MESSAGE.
// "{1}", "{2}", ... stand for the arguments; both languages use the same ones.
// The Japanese texts are the programs' own, byte for byte; the English ones
// say the same in the same tone.

// Files
MESSAGE(kInvalidFile, "無効なファイル", "invalid file")
