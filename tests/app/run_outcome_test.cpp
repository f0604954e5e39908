// The question that closes a run, with the run's error lines in it.
#include "app/run_outcome.h"

#include <gtest/gtest.h>

#include "common/messages.h"

namespace {

TEST(RunOutcome, TheClosingQuestionShowsTheFirstErrorLinesAndCountsTheRest) {
  SetLanguage(Language::Japanese);
  const std::string tail = "生成画像は元画像と同じ場所に出力されています。\n\n続けて他のファイルも処理しますか？";
  RunOutcome outcome{2, 2, 1, false, {}};
  EXPECT_EQ(ClosingQuestion(outcome),
            "変換が終了しました。\n1個のファイルは正常に変換できませんでした。\n" + tail);

  outcome.errorLines = {">a", ">b"};
  EXPECT_EQ(ClosingQuestion(outcome),
            "変換が終了しました。\n1個のファイルは正常に変換できませんでした。\n\n>a\n>b\n\n" + tail);

  outcome.errorLines.assign(15, ">e");
  std::string shown;
  for (int i = 0; i < 12; ++i) shown += ">e\n";
  EXPECT_EQ(ClosingQuestion(outcome),
            "変換が終了しました。\n1個のファイルは正常に変換できませんでした。\n\n" + shown +
                "…ほか3行\n\n" + tail);
}

}  // namespace
