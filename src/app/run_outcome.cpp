#include "app/run_outcome.h"

namespace {

const char kOutputPlace[] = "生成画像は元画像と同じ場所に出力されています。\n\n";
const char kProcessMore[] = "続けて他のファイルも処理しますか？";

}  // namespace

std::string ClosingQuestion(const RunOutcome& outcome) {
  const int unfinished = outcome.Unfinished();
  if (unfinished <= 0) {
    return std::string("変換が正常に完了しました。\n") + kOutputPlace + kProcessMore;
  }
  const std::string count = std::to_string(unfinished);
  if (outcome.cancelled) {
    return "処理を中止しました。\n" + count + "個のファイルは変換が完了していません。\n" +
           kOutputPlace + kProcessMore;
  }
  return "変換が終了しました。\n" + count + "個のファイルは正常に変換できませんでした。\n" +
         kOutputPlace + kProcessMore;
}
