// Rules applied to real files: the pieces written, their names and pixels,
// the log lines, and what happens when something goes wrong.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>

#include "common/messages.h"
#include "common/path.h"
#include "convert/image_processor.h"
#include "convert/process_log.h"
#include "convert/run_context.h"
#include "image/image.h"
#include "support/image_files.h"
#include "support/picture_assertions.h"
#include "support/rule_file.h"
#include "support/scripted_prompt.h"

namespace {

constexpr std::uint32_t kBlank = 0x00000000;
const std::string kSep(1, kPathSeparator);

// An opaque colour of its own for every cell index.
std::uint32_t CellColour(int index) {
  return 0xFF000000u | static_cast<std::uint32_t>(0x20 + index) << 16 |
         static_cast<std::uint32_t>(index * 7 % 256) << 8 | 0x40u;
}

// A sheet whose cells of cellWidth x cellHeight, numbered row by row, each
// have the colour of their index; a partial cell at the edge counts too.
Picture Sheet(int width, int height, int cellWidth, int cellHeight) {
  Picture picture{width, height, {}};
  const int columns = (width + cellWidth - 1) / cellWidth;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      picture.pixels.push_back(CellColour(y / cellHeight * columns + x / cellWidth));
    }
  }
  return picture;
}

class PipelineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetLanguage(Language::Japanese);  // the log's texts are compared
    MakeFolder(maps);
    ProcessLog& log = ProcessLog::Instance();
    log.EndLine();
    reportStart = log.Size(ProcessLog::kReportChannel);
    errorStart = log.Size(ProcessLog::kErrorChannel);
  }

  std::string Source(const std::string& name, const Picture& picture) {
    const std::string path = maps + kSep + name;
    WriteFile(path, PngFile(picture, true));
    return path;
  }
  // Applies rule to the image file at path and returns the canvas.
  std::unique_ptr<IImage> Run(ImageProcessor& rule, const std::string& path) {
    const std::unique_ptr<IImage> image = OpenImage(path);
    return rule.Apply(*image, context);
  }
  std::unique_ptr<IImage> Run(const std::string& rule, const std::string& path) {
    ImageProcessor processor(rule);
    return Run(processor, path);
  }
  // The piece at a path relative to the maps folder.
  Picture Output(const std::string& relative) {
    return ReadPngFile(ReadFile(maps + kSep + relative));
  }
  std::string Added(int channel) {
    ProcessLog& log = ProcessLog::Instance();
    log.Select(channel);
    return log.GetText().substr(channel == ProcessLog::kReportChannel ? reportStart : errorStart);
  }

  TempFolder folder;
  ScriptedPrompt prompt;
  std::string maps = folder / "maps";
  std::size_t reportStart = 0;
  std::size_t errorStart = 0;
  std::atomic<bool> cancel{false};
  const RunContext context{ProcessLog::Instance(), &cancel};
};

TEST_F(PipelineTest, CellsGoToTheSlotsThatReplaceNames) {
  UseRuleFile(folder, "[R]\nSrcDiv=2,2\nNewSize=128,32\nReplace=3,2,1,0\nNameFoot=_b\n");
  const std::string source = Source("forest.png", Sheet(64, 64, 32, 32));
  ImageProcessor rule("R");
  const std::unique_ptr<IImage> canvas = Run(rule, source);
  EXPECT_EQ(canvas->GetWidth(), 128);
  EXPECT_EQ(canvas->GetHeight(), 32);
  EXPECT_EQ(canvas->GetName(), "");

  const std::string name = "forest" + kSep + "[V]forest_b.png";
  EXPECT_EQ(ListFolder(maps + kSep + "forest"), (std::vector<std::string>{"[V]forest_b.png"}));
  const Picture out = Output(name);
  ASSERT_EQ(out.width, 128);
  ASSERT_EQ(out.height, 32);
  for (int slot = 0; slot < 4; ++slot) EXPECT_TRUE(Filled(out, slot * 32, 0, 32, 32, CellColour(3 - slot)));
  EXPECT_EQ(Added(ProcessLog::kReportChannel), name + "\r\n");
  EXPECT_EQ(rule.GetLastOutputPath(), maps + kSep + name);
  EXPECT_EQ(Added(ProcessLog::kErrorChannel), "");
}

TEST_F(PipelineTest, SlotsStayBlankWhereNoCellFits) {
  // 8 x 4 cells of 32; canvas of 100 x 64 gives 3 x 2 slots and a 4-pixel strip.
  UseRuleFile(folder, "[R]\nSrcDiv=8,4\nNewSize=100,64\nReplace=9,-1,32,-7,9\n");
  const std::string source = Source("sheet.png", Sheet(256, 128, 32, 32));
  Run("R", source);
  const Picture out = Output("sheet" + kSep + "[V]sheet.png");
  ASSERT_EQ(out.width, 100);
  EXPECT_TRUE(Filled(out, 0, 0, 32, 32, CellColour(9)));   // cell 9 lies at 32,32 of the source
  EXPECT_TRUE(Filled(out, 32, 0, 32, 32, kBlank));          // -1
  EXPECT_TRUE(Filled(out, 64, 0, 32, 32, kBlank));          // past the last cell
  EXPECT_TRUE(Filled(out, 0, 32, 32, 32, kBlank));          // below -1
  EXPECT_TRUE(Filled(out, 32, 32, 32, 32, CellColour(9)));  // the same cell again
  EXPECT_TRUE(Filled(out, 64, 32, 32, 32, kBlank));         // Replace has run out
  EXPECT_TRUE(Filled(out, 96, 0, 4, 64, kBlank));           // the strip right of the grid
}

TEST_F(PipelineTest, CellsAreCutWholeAndNeverScaled) {
  // 100 pixels in 3 columns: cells of 33, pixel column 99 in none. NewSize
  // larger than the source gives more slots of the same size.
  UseRuleFile(folder, "[R]\nSrcDiv=3,1\nNewSize=132,64\nReplace=2,1,0,2,1,0,0,1\n");
  const std::string source = Source("wide.png", Sheet(100, 32, 33, 32));
  Run("R", source);
  const Picture out = Output("wide" + kSep + "[V]wide.png");
  ASSERT_EQ(out.width, 132);
  ASSERT_EQ(out.height, 64);
  const int order[] = {2, 1, 0, 2, 1, 0, 0, 1};
  for (int slot = 0; slot < 8; ++slot) {
    EXPECT_TRUE(Filled(out, slot % 4 * 33, slot / 4 * 32, 33, 32, CellColour(order[slot])))
        << "slot " << slot;
  }
}

TEST_F(PipelineTest, ARuleWithoutReplaceStillWritesItsBlankCanvas) {
  UseRuleFile(folder, "[R]\nSrcDiv=2,2\nClip=16,0,32,64\n");
  const std::string source = Source("plain.png", Sheet(64, 64, 32, 32));
  Run("R", source);
  const Picture out = Output("plain" + kSep + "[V]plain.png");
  EXPECT_EQ(out.width, 32);
  EXPECT_EQ(out.height, 64);
  EXPECT_TRUE(Filled(out, 0, 0, 32, 64, kBlank));
}

TEST_F(PipelineTest, PiecesAreNumberedRowByRowAndRestartForEachImage) {
  UseRuleFile(folder,
              "[Four]\nSrcDiv=2,2\nNewSize=512,512\nReplace=0,1,2,3\nFileDiv=2,2\n"
              "[Twelve]\nSrcDiv=4,3\nReplace=0,1,2,3,4,5,6,7,8,9,10,11\nFileDiv=4,3\n");
  const std::string source = Source("big.png", Sheet(512, 512, 256, 256));
  ImageProcessor four("Four");
  Run(four, source);
  for (int piece = 0; piece < 4; ++piece) {
    const Picture out = Output("big" + kSep + "[V]big0" + std::to_string(piece) + ".png");
    ASSERT_EQ(out.width, 256);
    EXPECT_TRUE(Filled(out, 0, 0, 256, 256, CellColour(piece)));
  }
  EXPECT_EQ(four.GetLastOutputPath(), maps + kSep + "big" + kSep + "[V]big03.png");

  ImageProcessor twelve("Twelve");
  Run(twelve, Source("many.png", Sheet(48, 30, 12, 10)));
  Run(twelve, Source("more.png", Sheet(48, 30, 12, 10)));
  std::vector<std::string> expected;
  for (const char* number : {"00", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11"}) {
    expected.push_back(std::string("[V]many") + number + ".png");
  }
  EXPECT_EQ(ListFolder(maps + kSep + "many"), expected);
  EXPECT_TRUE(Filled(Output("many" + kSep + "[V]many10.png"), 0, 0, 12, 10, CellColour(10)));
  EXPECT_TRUE(FileExists(maps + kSep + "more" + kSep + "[V]more00.png"));
}

TEST_F(PipelineTest, BaseNamesLoseOnlyTheLastExtension) {
  UseRuleFile(folder, "[R]\n");
  Run("R", Source("tiles.old.png", Sheet(8, 8, 8, 8)));
  Run("R", Source("表ソ.png", Sheet(8, 8, 8, 8)));
  EXPECT_TRUE(FileExists(maps + kSep + "tiles.old" + kSep + "[V]tiles.old.png"));
  EXPECT_TRUE(FileExists(maps + kSep + "表ソ" + kSep + "[V]表ソ.png"));

  // Without an extension the folder would have the file's own name: the
  // file is there already, so nothing can be written, and that is said.
  Run("R", Source("noextension", Sheet(8, 8, 8, 8)));
  EXPECT_EQ(Added(ProcessLog::kErrorChannel),
            "保存できませんでした:" + maps + kSep + "noextension" + kSep +
                "[V]noextension.png（フォルダがありません）\r\n");
}

TEST_F(PipelineTest, IndividualRulesReplaceEveryCellAndWriteNothingThemselves) {
  // Each 32 x 32 cell is cut into quarters and only its last quarter kept,
  // so the canvas grid becomes one of 16 x 16 slots.
  UseRuleFile(folder,
              "[R]\nSrcDiv=2,1\nNewSize=64,16\nReplace=1,0,1\nIndividual=Quarter\n"
              "[Quarter]\nSrcDiv=2,2\nNewSize=16,16\nReplace=3\nNameFoot=_never\n");
  Picture sheet = Sheet(64, 32, 32, 32);
  // Mark the bottom-right quarter of each cell with a colour of its own.
  for (int y = 16; y < 32; ++y) {
    for (int x = 0; x < 64; ++x) {
      if (x % 32 >= 16) sheet.pixels[y * 64 + x] = CellColour(40 + x / 32);
    }
  }
  Run("R", Source("cells.png", sheet));
  EXPECT_EQ(ListFolder(maps + kSep + "cells"), (std::vector<std::string>{"[V]cells.png"}));
  const Picture out = Output("cells" + kSep + "[V]cells.png");
  ASSERT_EQ(out.width, 64);
  EXPECT_TRUE(Filled(out, 0, 0, 16, 16, CellColour(41)));
  EXPECT_TRUE(Filled(out, 16, 0, 16, 16, CellColour(40)));
  EXPECT_TRUE(Filled(out, 32, 0, 16, 16, CellColour(41)));
  EXPECT_TRUE(Filled(out, 48, 0, 16, 16, kBlank));
}

TEST_F(PipelineTest, FollowOnRulesRunOnTheSourceIntoTheSameFolder) {
  UseRuleFile(folder,
              "[Main]\nSrcDiv=2,1\nReplace=1,0\nNameFoot=_main\nSubProcess=A,B\n"
              "[A]\nNameFoot=_a\nSubProcess=C\n"
              "[B]\nClip=0,0,16,16\nNameFoot=_b\n"
              "[C]\nNameFoot=_c\n");
  const std::string source = Source("map.png", Sheet(64, 32, 32, 32));
  ImageProcessor main("Main");
  // The rule file read again meanwhile: the rule runs the rules of the read
  // it was built from.
  UseRuleFile(folder, "[Main]\n[A]\nNameFoot=_changed\n");
  Run(main, source);
  const std::string folderName = "map" + kSep;
  EXPECT_EQ(Added(ProcessLog::kReportChannel),
            folderName + "[V]map_main.png\r\n"
            "サブプロセスAの呼び出し\r\n" + folderName + "[V]map_a.png\r\n"
            "サブプロセスCの呼び出し\r\n" + folderName + "[V]map_c.png\r\n"
            "サブプロセスBの呼び出し\r\n" + folderName + "[V]map_b.png\r\n");
  EXPECT_EQ(main.GetLastOutputPath(), maps + kSep + "map" + kSep + "[V]map_main.png");
  const Picture followOn = Output("map" + kSep + "[V]map_a.png");
  EXPECT_TRUE(Filled(followOn, 0, 0, 64, 32, kBlank));  // A has no cells: the source, not Main's canvas
  EXPECT_EQ(Output("map" + kSep + "[V]map_b.png").width, 16);
}

TEST_F(PipelineTest, ACancelledCallWritesNothingAndRunsNoFollowOnRule) {
  UseRuleFile(folder, "[R]\nSrcDiv=2,2\nNewSize=40,30\nReplace=0\nSubProcess=R\n");
  const std::string source = Source("stop.png", Sheet(64, 64, 32, 32));
  cancel = true;
  const std::unique_ptr<IImage> canvas = Run("R", source);
  EXPECT_EQ(canvas->GetWidth(), 40);
  EXPECT_EQ(canvas->GetHeight(), 30);
  EXPECT_EQ(Added(ProcessLog::kErrorChannel), "キャンセル\r\n");
  EXPECT_EQ(Added(ProcessLog::kReportChannel), "");
  EXPECT_FALSE(FolderExists(maps + kSep + "stop"));
}

TEST_F(PipelineTest, AContextSeesOnlyItsOwnCancelAndLogThroughNestedRules) {
  UseRuleFile(folder,
              "[R]\nSrcDiv=2,1\nReplace=1,0\nIndividual=Cell\nSubProcess=S\n"
              "[Cell]\nReplace=0\n[S]\nNameFoot=_s\n");
  const std::unique_ptr<IImage> image = OpenImage(Source("two.png", Sheet(16, 8, 8, 8)));
  ImageProcessor rule("R");
  std::atomic<bool> cancelled{true};
  ProcessLog cancelledLog;
  rule.Apply(*image, {cancelledLog, &cancelled});
  EXPECT_FALSE(FolderExists(maps + kSep + "two"));

  // The same rule within a context of its own, while the other stays
  // cancelled: every rule of the chain runs and reports here.
  rule.Apply(*image, context);
  EXPECT_EQ(ListFolder(maps + kSep + "two"),
            (std::vector<std::string>{"[V]two.png", "[V]two_s.png"}));
  const Picture out = Output("two" + kSep + "[V]two.png");
  EXPECT_TRUE(Filled(out, 0, 0, 8, 8, CellColour(1)));
  EXPECT_TRUE(Filled(out, 8, 0, 8, 8, CellColour(0)));
  EXPECT_EQ(Added(ProcessLog::kErrorChannel), "");
  cancelledLog.Select(ProcessLog::kErrorChannel);
  EXPECT_EQ(cancelledLog.GetText(), "キャンセル\r\n");
}

TEST_F(PipelineTest, AFolderThatCannotBeMadeIsShownWithItsReasonAndWritesNothing) {
  UseRuleFile(folder, "[R]\nSubProcess=S\n[S]\nNameFoot=_s\n");
  const std::unique_ptr<IImage> image = OpenImage(Source("gone.png", Sheet(8, 8, 8, 8)));
  const std::string gone = maps + kSep + "nowhere" + kSep + "gone";
  const std::string longName = maps + kSep + std::string(300, 'x');
  const struct {
    std::string folder, notice;
  } cases[] = {
      // The image keeps the name of a folder that no longer exists.
      {gone, ":" + gone + "（フォルダがありません）"},
      {longName, "フォルダ名が長すぎます:" + longName},
  };
  for (const auto& c : cases) {
    prompt.notices.clear();
    const std::unique_ptr<IImage> moved = image->Clip(0, 0, 0, 0, c.folder + ".png");
    ImageProcessor rule("R");
    rule.Apply(*moved, context);
    // The rule and its follow-on.
    EXPECT_EQ(prompt.notices, (std::vector<std::string>{c.notice, c.notice}));
    EXPECT_EQ(rule.GetLastOutputPath(), "");
  }
  EXPECT_EQ(ListFolder(maps), std::vector<std::string>{"gone.png"});
}

TEST_F(PipelineTest, AnExistingFolderIsUsedAndOtherFilesInItAreLeftAlone) {
  UseRuleFile(folder, "[R]\n");
  MakeFolder(maps + kSep + "keep");
  WriteFile(maps + kSep + "keep" + kSep + "notes.txt", "mine");
  Run("R", Source("keep.png", Sheet(8, 8, 8, 8)));
  EXPECT_EQ(ListFolder(maps + kSep + "keep"), (std::vector<std::string>{"[V]keep.png", "notes.txt"}));
  EXPECT_EQ(ReadFile(maps + kSep + "keep" + kSep + "notes.txt"), "mine");
}

TEST_F(PipelineTest, APieceThatCannotBeSavedIsReportedAsAnError) {
  UseRuleFile(folder, "[R]\nFileDiv=2,1\n");
  // A file stands where the output folder would be.
  WriteFile(maps + kSep + "blocked", "not a folder");
  ImageProcessor rule("R");
  Run(rule, Source("blocked.png", Sheet(8, 8, 4, 8)));
  const std::string piece = maps + kSep + "blocked" + kSep + "[V]blocked01.png";
  EXPECT_EQ(Added(ProcessLog::kErrorChannel),
            "保存できませんでした:" + maps + kSep + "blocked" + kSep +
                "[V]blocked00.png（フォルダがありません）\r\n"
                "保存できませんでした:" + piece + "（フォルダがありません）\r\n");
  EXPECT_EQ(Added(ProcessLog::kReportChannel), "");
  EXPECT_EQ(rule.GetLastOutputPath(), piece);
  EXPECT_EQ(ReadFile(maps + kSep + "blocked"), "not a folder");
}

TEST_F(PipelineTest, NestedRulesThatCannotBeBuiltAreReportedAndTheRunGoesOn) {
  UseRuleFile(folder,
              "[BadCells]\nSrcDiv=2,1\nReplace=0,1\nIndividual=Zero\nSubProcess=Ok\n"
              "[Zero]\nSrcDiv=0,1\n"
              "[Parent]\nSubProcess=Missing,Ok\n"
              "[Ok]\nNameFoot=_ok\n");
  const std::string source = Source("nest.png", Sheet(16, 8, 8, 8));
  const std::unique_ptr<IImage> canvas = Run("BadCells", source);
  EXPECT_EQ(canvas->GetWidth(), 16);
  EXPECT_EQ(Added(ProcessLog::kErrorChannel), "規則[Zero]を使えません: 不正なSrcDiv\r\n");
  EXPECT_FALSE(FolderExists(maps + kSep + "nest"));  // neither its files nor its follow-on rules

  Run("Parent", source);
  EXPECT_TRUE(FileExists(maps + kSep + "nest" + kSep + "[V]nest_ok.png"));
  EXPECT_NE(Added(ProcessLog::kErrorChannel).find("規則[Missing]を使えません: 規則[Missing]がsetting.iniにありません"),
            std::string::npos);
}

TEST_F(PipelineTest, RulesThatCallThemselvesStopWithAMessage) {
  std::string wide = "[Wide]\nSubProcess=Leaf";
  for (int i = 0; i < 300; ++i) wide += ",Leaf";
  UseRuleFile(folder, "[Loop]\nNameFoot=_loop\nSubProcess=Loop,Loop\n[Leaf]\nNameFoot=_leaf\n" + wide + "\n");
  const std::string source = Source("cycle.png", Sheet(16, 16, 8, 8));
  Run("Loop", source);
  EXPECT_NE(Added(ProcessLog::kErrorChannel).find("規則[Loop]の呼び出しが深すぎるため中止しました"),
            std::string::npos);
  EXPECT_TRUE(FileExists(maps + kSep + "cycle" + kSep + "[V]cycle_loop.png"));

  Run("Wide", source);
  EXPECT_NE(Added(ProcessLog::kErrorChannel).find("規則[Leaf]の呼び出しが多すぎるため中止しました"),
            std::string::npos);
}

TEST_F(PipelineTest, DegenerateGridsDrawAndWriteNothingInsteadOfDividingByZero) {
  UseRuleFile(folder,
              "[Outside]\nClip=100,100,8,8\nSrcDiv=2,2\nNewSize=16,16\nReplace=0,1,2,3\n"
              "[TooFine]\nSrcDiv=64,1\nNewSize=16,16\nReplace=0\n"
              "[TinyPieces]\nFileDiv=100,1\n");
  const std::string source = Source("edge.png", Sheet(16, 16, 8, 8));
  Run("Outside", source);
  EXPECT_TRUE(Filled(Output("edge" + kSep + "[V]edge.png"), 0, 0, 16, 16, kBlank));
  Run("TooFine", source);
  EXPECT_TRUE(Filled(Output("edge" + kSep + "[V]edge.png"), 0, 0, 16, 16, kBlank));
  Run("TinyPieces", source);
  EXPECT_EQ(Added(ProcessLog::kErrorChannel), "規則[TinyPieces]のFileDivが画像より細かいため保存できません\r\n");
}

}  // namespace
