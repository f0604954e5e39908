#include <gtest/gtest.h>

#include "app/run_outcome.h"

namespace {

TEST(ClosingQuestion, SaysCompletedOnlyWhenEveryJobGotThrough) {
  const std::string tail =
      "生成画像は元画像と同じ場所に出力されています。\n\n続けて他のファイルも処理しますか？";
  const std::string completed = "変換が正常に完了しました。\n" + tail;
  EXPECT_EQ(ClosingQuestion({3, 3, 0, false}), completed);
  // A cancel that came after the last job stopped nothing.
  EXPECT_EQ(ClosingQuestion({3, 3, 0, true}), completed);

  EXPECT_EQ(ClosingQuestion({3, 3, 2, false}),
            "変換が終了しました。\n2個のファイルは正常に変換できませんでした。\n" + tail);
  // Never begun and stopped alike.
  EXPECT_EQ(ClosingQuestion({12, 4, 2, true}),
            "処理を中止しました。\n10個のファイルは変換が完了していません。\n" + tail);
}

}  // namespace
