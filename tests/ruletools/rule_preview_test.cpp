// The preview that the explanation's picture and the rule editor compose.
#include "ruletools/rule_preview.h"

#include <gtest/gtest.h>

#include "common/path.h"
#include "convert/process_log.h"
#include "convert/run_context.h"
#include "convert/run_state.h"
#include "support/image_files.h"
#include "support/rule_file.h"

namespace {

const std::string kSep(1, kPathSeparator);
constexpr std::uint32_t kBlue = 0xFF2040C0;
constexpr std::uint32_t kRed = 0xFFC04020;

TEST(RulePreviewTest, APreviewAfterACancelledRunIsTheWholeCanvasAndWritesNothing) {
  TempFolder folder;
  UseRuleFile(folder,
              "[R]\nSrcDiv=2,1\nNewSize=24,8\nReplace=1,0,1\nIndividual=Cell\nSubProcess=S\n"
              "[Cell]\nReplace=0\n[S]\nNameFoot=_s\n");
  const std::string maps = folder / "maps";
  MakeFolder(maps);
  // Two cells of 8 x 8: blue, then red.
  Picture picture{16, 8, {}};
  for (int i = 0; i < 128; ++i) picture.pixels.push_back(i % 16 < 8 ? kBlue : kRed);
  const std::string path = maps + kSep + "sheet.png";
  WriteFile(path, PngFile(picture, true));
  const std::unique_ptr<IImage> sheet = OpenImage(path);
  ImageProcessor rule("R");

  // The windowed program's last run was cancelled, and its log stays as it is.
  RunState::Instance().cancelRequested = true;
  ProcessLog& processLog = ProcessLog::Instance();
  const std::size_t reported = processLog.Size(ProcessLog::kReportChannel);
  const std::size_t errors = processLog.Size(ProcessLog::kErrorChannel);
  const std::unique_ptr<IImage> preview = ComposePreview(rule, *sheet);
  RunState::Instance().cancelRequested = false;
  EXPECT_EQ(ListFolder(maps), (std::vector<std::string>{"sheet.png"}));
  EXPECT_EQ(rule.GetLastOutputPath(), "");
  EXPECT_EQ(processLog.Size(ProcessLog::kReportChannel), reported);
  EXPECT_EQ(processLog.Size(ProcessLog::kErrorChannel), errors);

  // The canvas is the one that a conversion of the sheet writes.
  ProcessLog log;
  rule.Apply(*sheet, {log});
  const Picture converted = ReadPngFile(ReadFile(maps + kSep + "sheet" + kSep + "[V]sheet.png"));
  ASSERT_TRUE(preview->Save(folder / "preview.png"));
  const Picture previewed = ReadPngFile(ReadFile(folder / "preview.png"));
  EXPECT_EQ(previewed.width, 24);
  EXPECT_EQ(previewed.pixels, converted.pixels);
  EXPECT_EQ(previewed.At(0, 0), kRed);
  EXPECT_EQ(previewed.At(8, 0), kBlue);
  EXPECT_EQ(previewed.At(16, 0), kRed);
}

}  // namespace
