#include "classify/list_text.h"

#include "convert/run_state.h"

std::string BuildListText() {
  const std::string heading = RunState::Instance().listText.empty()
                                  ? "有効なファイルがありません\r\n"
                                    "→からファイルを追加してください\r\n\r\n"
                                    "[ファイルを開く]でフォルダから\r\n"
                                    "ファイルを選択できます\r\n\r\n"
                                    "またはこのウィンドウのどこかに\r\n"
                                    "ファイルをドロップしてください\r\n"
                                  : "以下のように判別されました\r\n"
                                    "さらにファイルを追加できます→\r\n"
                                    "開始ボタンで処理を開始します\r\n\r\n";
  return heading + BuildListBlocks();
}

std::string BuildListBlocks() {
  // std::map orders its keys by their bytes (std::string compares as unsigned char).
  std::string text;
  for (const auto& [key, lines] : RunState::Instance().listText)
    text += "[" + key + "]\r\n" + lines;
  return text;
}
