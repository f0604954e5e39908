// What the rule-selection dialog shows of each candidate for one file.
#include "ruletools/candidate_preview.h"

#include <gtest/gtest.h>

#include "common/messages.h"
#include "support/image_files.h"
#include "support/rule_file.h"

namespace {

TEST(CandidatePreviewTest, ACandidateGivesItsCanvasAndLineOrWhyItCannotApply) {
  const Language before = CurrentLanguage();
  SetLanguage(Language::Japanese);
  TempFolder folder;
  UseRuleFile(folder,
              "[Two]\nSrcDiv=2,1\nNewSize=16,16\nReplace=1,0\nFileDiv=1,2\n"
              "[Wide]\nSrcDiv=2,1\nNewSize=100000,100000\nReplace=0\n"
              "[Bad]\nSrcDiv=0,1\nReplace=0\n");
  Picture picture{16, 8, {}};
  for (int i = 0; i < 128; ++i) picture.pixels.push_back(i % 16 < 8 ? 0xFF2040C0 : 0xFFC04020);
  WriteFile(folder / "sheet.png", PngFile(picture, true));
  const std::unique_ptr<IImage> sheet = OpenImage(folder / "sheet.png");

  const CandidatePreview two = PreviewCandidate("Two", *sheet);
  EXPECT_EQ(two.error, "");
  ASSERT_NE(two.canvas, nullptr);
  EXPECT_EQ(two.canvas->GetWidth(), 16);
  EXPECT_EQ(two.layout.PieceCount(), 2);
  EXPECT_EQ(two.line, "セル 2列 x 1行、キャンバス 16 x 16、出力 2枚");

  const struct {
    const char* rule;
    const char* error;
  } failing[] = {
      {"Wide", "キャンバス: 100000 x 100000は作れないため、何も出力しません"},
      {"Missing", "規則[Missing]がsetting.iniにありません"},
  };
  for (const auto& c : failing) {
    const CandidatePreview preview = PreviewCandidate(c.rule, *sheet);
    EXPECT_EQ(preview.canvas, nullptr) << c.rule;
    EXPECT_EQ(preview.line, "") << c.rule;
    EXPECT_EQ(preview.error, c.error) << c.rule;
  }
  EXPECT_NE(PreviewCandidate("Bad", *sheet).error, "");
  SetLanguage(before);
}

}  // namespace
