#include <gtest/gtest.h>

#include "app/process_job.h"
#include "common/messages.h"
#include "common/path.h"
#include "convert/process_log.h"
#include "support/image_files.h"
#include "support/rule_file.h"
#include "support/scripted_prompt.h"

namespace {

const std::string kSep(1, kPathSeparator);
constexpr std::uint32_t kMagenta = 0xFFFF00FF;
constexpr std::uint32_t kGreen = 0xFF00FF00;

// A 4 x 1 palette sheet: magenta (entry 0), green, magenta, green.
std::string PaletteSheet() {
  IndexedPicture picture;
  picture.width = 4;
  picture.height = 1;
  picture.palette = {kMagenta, kGreen};
  picture.indices = {0, 1, 0, 1};
  return PngFile(picture, 8);
}

class ScriptedPicker : public TransparencyPicker {
 public:
  explicit ScriptedPicker(Result result) : result(result) {}
  Result Pick(const IImage& image, std::unique_ptr<IImage>& picked) override {
    ++shown;
    if (result == Result::kPicked) {
      picked = image.Clone();
      picked->SetTransparentFromPixel(1, 0);  // the user clicks the green pixel
    }
    return result;
  }
  Result result;
  int shown = 0;
};

class ProcessJobTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetLanguage(Language::Japanese);  // the log's texts are compared
    RunState::Instance().ClearList();
    RunState::Instance().autoTransparent = false;
    UseRuleFile(folder,
                "[Copy]\nReplace=0\nNameFoot=_c\nGroup=Map\n"
                "[Auto]\nGroup=XPAuto\n"
                "[Nothing]\nClip=9,9,1,1\nGroup=Map\n"
                "[Broken]\nIndividual=Missing\n");
  }
  void TearDown() override {
    RunState::Instance().ClearList();
    RunState::Instance().autoTransparent = false;
  }
  // Adds the palette sheet as a job of rule and returns it.
  Job AddJob(const std::string& name, const std::string& rule) {
    const std::string path = folder / name;
    WriteFile(path, PaletteSheet());
    RunState& run = RunState::Instance();
    run.images.push_back(OpenImage(path));
    auto& processor = run.processors[rule];
    if (!processor) processor = std::make_unique<ImageProcessor>(rule);
    const Job job{run.images.back().get(), processor.get()};
    run.jobs.push_back(job);
    return job;
  }
  Picture Output(const std::string& base, const std::string& foot) {
    return ReadPngFile(ReadFile(folder / (base + kSep + "[V]" + base + foot + ".png")));
  }

  TempFolder folder;
  ScriptedPrompt prompt;
  const RunContext context{ProcessLog::Instance()};
};

TEST_F(ProcessJobTest, AutomaticTransparencyKeysPaletteEntryZero) {
  RunState::Instance().autoTransparent = true;
  ScriptedPicker picker(TransparencyPicker::Result::kPicked);
  EXPECT_TRUE(ProcessJob(AddJob("auto.png", "Copy"), &picker, context));
  EXPECT_EQ(picker.shown, 0);
  const Picture out = Output("auto", "_c");
  EXPECT_EQ(out.pixels, (std::vector<std::uint32_t>{0, kGreen, 0, kGreen}));
}

TEST_F(ProcessJobTest, APickedCopyIsConvertedInsteadOfTheImage) {
  ScriptedPicker picker(TransparencyPicker::Result::kPicked);
  ProcessJob(AddJob("picked.png", "Copy"), &picker, context);
  EXPECT_EQ(Output("picked", "_c").pixels, (std::vector<std::uint32_t>{kMagenta, 0, kMagenta, 0}));
  EXPECT_FALSE(RunState::Instance().autoTransparent);
}

TEST_F(ProcessJobTest, GivingUpSwitchesTheRunToPaletteTransparency) {
  ScriptedPicker picker(TransparencyPicker::Result::kGiveUp);
  ProcessJob(AddJob("first.png", "Copy"), &picker, context);
  ProcessJob(AddJob("second.png", "Copy"), &picker, context);
  EXPECT_EQ(picker.shown, 1);
  EXPECT_TRUE(RunState::Instance().autoTransparent);
  EXPECT_EQ(Output("first", "_c").pixels, (std::vector<std::uint32_t>{0, kGreen, 0, kGreen}));
  EXPECT_EQ(Output("second", "_c").pixels, (std::vector<std::uint32_t>{0, kGreen, 0, kGreen}));
}

TEST_F(ProcessJobTest, WithoutAPickerTheImageIsConvertedAsItIs) {
  ScriptedPicker unavailable(TransparencyPicker::Result::kUnavailable);
  ProcessJob(AddJob("fallback.png", "Copy"), &unavailable, context);
  EXPECT_EQ(Output("fallback", "_c").pixels, (std::vector<std::uint32_t>{0, kGreen, 0, kGreen}));
  EXPECT_FALSE(RunState::Instance().autoTransparent);

  ProcessJob(AddJob("asis.png", "Copy"), nullptr, context);
  EXPECT_EQ(Output("asis", "_c").pixels, (std::vector<std::uint32_t>{kMagenta, kGreen, kMagenta, kGreen}));
}

TEST_F(ProcessJobTest, OutputsAreRecordedUnderTheRulesGroups) {
  RunState::Instance().autoTransparent = true;
  ProcessJob(AddJob("a.png", "Copy"), nullptr, context);
  ProcessJob(AddJob("b.png", "Auto"), nullptr, context);
  ProcessJob(AddJob("c.png", "Nothing"), nullptr, context);  // writes nothing: nothing to record
  ProcessJob(AddJob("d.png", "Copy"), nullptr, context);
  const auto& groups = RunState::Instance().combineGroups;
  ASSERT_EQ(groups.size(), 2u);
  EXPECT_EQ(groups.at("Map"), (std::vector<std::string>{folder / ("a" + kSep + "[V]a_c.png"),
                                                         folder / ("d" + kSep + "[V]d_c.png")}));
  EXPECT_EQ(groups.at("XP/VX"), (std::vector<std::string>{folder / "b.png"}));
}

TEST_F(ProcessJobTest, TheLogFramesTheRulesLinesAndErrorsAreReported) {
  ProcessLog& log = ProcessLog::Instance();
  const std::size_t reportStart = log.Size(ProcessLog::kReportChannel);
  RunState::Instance().autoTransparent = true;
  EXPECT_TRUE(ProcessJob(AddJob("logged.png", "Copy"), nullptr, context));
  log.Select(ProcessLog::kReportChannel);
  EXPECT_EQ(log.GetText().substr(reportStart),
            "加工を開始:" + folder / "logged.png" + "\r\n>logged" + kSep + "[V]logged_c.png\r\n加工の終了\r\n");
  EXPECT_FALSE(ProcessJob(AddJob("broken.png", "Broken"), nullptr, context));
}

}  // namespace
