#include <gtest/gtest.h>

#include <map>
#include <set>

#include "classify/classify.h"
#include "classify/list_text.h"
#include "common/messages.h"
#include "convert/run_state.h"
#include "setting/setting_store.h"
#include "support/image_files.h"
#include "support/rule_file.h"
#include "support/scripted_prompt.h"

namespace {

using Lines = std::map<std::string, std::string>;

class ClassifyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetLanguage(Language::Japanese);  // the list's texts are compared
    RunState::Instance().ClearList();
  }
  void TearDown() override { RunState::Instance().ClearList(); }

  // Writes a blank sheet of the size and returns its path.
  std::string Sheet(const std::string& name, int width, int height) {
    Picture picture{width, height, std::vector<std::uint32_t>(width * height, 0xFF336699)};
    const std::string path = folder / name;
    WriteFile(path, PngFile(picture, true));
    return path;
  }

  // The rule of every job, in order.
  static std::vector<std::string> JobRules() {
    std::vector<std::string> rules;
    for (const Job& job : RunState::Instance().jobs) rules.push_back(job.processor->RuleName());
    return rules;
  }

  // The run state's invariants: a job's image and rule are owned by it, and
  // only rules in use are kept.
  static void ExpectConsistent() {
    RunState& run = RunState::Instance();
    ASSERT_EQ(run.images.size(), run.jobs.size());
    std::set<const ImageProcessor*> used;
    for (std::size_t i = 0; i < run.jobs.size(); ++i) {
      EXPECT_EQ(run.jobs[i].image, run.images[i].get());
      used.insert(run.jobs[i].processor);
    }
    EXPECT_EQ(used.size(), run.processors.size());
    for (const auto& [name, processor] : run.processors) EXPECT_EQ(used.count(processor.get()), 1u);
  }

  TempFolder folder;
  ScriptedPrompt prompt;
};

TEST_F(ClassifyTest, SizesAndNamesDecideWithoutAsking) {
  UseRuleFile(folder,
              "[Process]\n"
              "8,8=Single\n"
              "8,4=Marked/Rest\n"
              "4,8=ForceA/ForceB\n"
              "4,4=Ex/Plain\n"
              "2,2=OnlyX/OnlyY\n"
              "6,2=Plain/Anything\n"
              "default=Fallback\n"
              "[Single]\nSpecific=zzz\nForce=zzz\n"
              "[Marked]\nSpecific=_s\n"
              "[Rest]\n"
              "[ForceA]\nForce=a1/a2\n"
              "[ForceB]\nForce=b\n"
              "[Ex]\nExcept=night/夜\n"
              "[Plain]\n"
              "[OnlyX]\nSpecific=x\n"
              "[OnlyY]\nSpecific=y\n"
              "[Anything]\nForce=zz/\n"
              "[Fallback]\n");
  const AddSummary summary = AddFiles({
      Sheet("single.png", 8, 8),    // one rule: no name test at all
      Sheet("tile_s.png", 8, 4),    // its Specific text
      Sheet("tile.png", 8, 4),      // Marked dropped, Rest alone remains
      Sheet("a2_b.png", 4, 8),      // both Force texts found: the first candidate wins
      Sheet("b.png", 4, 8),         // only ForceB's
      Sheet("night.png", 4, 4),     // Except drops Ex
      Sheet("夜の表.png", 4, 4),    // the same with a Japanese text
      Sheet("other.png", 2, 2),     // every candidate has a Specific text, none found
      Sheet("anything.png", 6, 2),  // an empty Force text is found in every name
      Sheet("odd.png", 3, 3),       // no key of its own: default
      Sheet("single2.png", 8, 8),
  });

  EXPECT_TRUE(prompt.questions.empty());
  EXPECT_EQ(JobRules(),
            (std::vector<std::string>{"Single", "Marked", "Rest", "ForceA", "ForceB", "Plain",
                                      "Plain", "Anything", "Fallback", "Single"}));
  EXPECT_EQ(RunState::Instance().listText, (Lines{{"Anything", " anything.png\r\n"},
                                                  {"Fallback", " odd.png\r\n"},
                                                  {"ForceA", " a2_b.png\r\n"},
                                                  {"ForceB", " b.png\r\n"},
                                                  {"Plain", " night.png\r\n 夜の表.png\r\n"},
                                                  {"Rest", " tile.png\r\n"},
                                                  {"Single", " single.png\r\n single2.png\r\n"},
                                                  {"Marked", " tile_s.png\r\n"},
                                                  {"その他", " 該当なし - other.png\r\n"}}));
  EXPECT_EQ(summary.added, 10);
  EXPECT_EQ(summary.failed, 1);
  EXPECT_EQ(RunState::Instance().processors.size(), 8u);  // the two Single files share theirs
  ExpectConsistent();
}

TEST_F(ClassifyTest, TheUserChoosesAmongTheRemainingCandidates) {
  UseRuleFile(folder,
              "[Process]\n4,4=A/Named/B/\n"
              "[A]\n[B]\n[Named]\nSpecific=never\n");
  prompt.answers = {1, UserPrompt::kSkipFile, 2, 0};
  const AddSummary summary = AddFiles({Sheet("one.png", 4, 4), Sheet("two.png", 4, 4),
                                       Sheet("three.png", 4, 4), Sheet("four.png", 4, 4)});

  ASSERT_EQ(prompt.questions.size(), 4u);
  EXPECT_EQ(prompt.questions[0].fileName, "one.png");
  // In the order of the size table, without the dropped one, the empty name included.
  EXPECT_EQ(prompt.questions[0].candidates, (std::vector<std::string>{"A", "B", ""}));
  EXPECT_EQ(JobRules(), (std::vector<std::string>{"B", "A"}));
  EXPECT_EQ(RunState::Instance().listText,
            (Lines{{"A", " four.png\r\n"},
                   {"B", " one.png\r\n"},
                   {"その他",
                    " キャンセル - two.png\r\n 規則[]がsetting.iniにありません - three.png\r\n"}}));
  EXPECT_EQ(summary.failed, 2);
  ExpectConsistent();
}

TEST_F(ClassifyTest, StoppingTheAddingKeepsTheFilesAddedBefore) {
  UseRuleFile(folder, "[Process]\ndefault=A/B\n[A]\n[B]\n");
  prompt.answers = {0, 1, UserPrompt::kStopAdding, 0, 0};
  const AddSummary summary =
      AddFiles({Sheet("1.png", 2, 2), Sheet("2.png", 2, 2), Sheet("3.png", 2, 2),
                Sheet("4.png", 2, 2), Sheet("5.png", 2, 2)});

  EXPECT_TRUE(summary.stopped);
  EXPECT_EQ(summary.added, 2);
  EXPECT_EQ(prompt.questions.size(), 3u);
  EXPECT_EQ(JobRules(), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(RunState::Instance().listText, (Lines{{"A", " 1.png\r\n"}, {"B", " 2.png\r\n"}}));
  ExpectConsistent();
}

TEST_F(ClassifyTest, FilesThatCannotBeAddedAreListedWithTheirReason) {
  UseRuleFile(folder,
              "[Process]\n4,4=何もしない\n4,2=Broken\n2,4=Missing\n2,2=Good\n"
              "[Broken]\nSrcDiv=0,4\n"
              "[Good]\nFileDiv=2,0\n");
  const std::string garbage = folder / "garbage.png";
  WriteFile(garbage, "not an image");
  const AddSummary summary =
      AddFiles({garbage, folder / "absent.png", Sheet("leave.png", 4, 4), Sheet("broken.png", 4, 2),
                Sheet("missing.png", 2, 4), Sheet("good.png", 2, 2), Sheet("nokey.png", 3, 3)});

  EXPECT_EQ(summary.added, 0);
  EXPECT_EQ(summary.doNothing, 1);
  EXPECT_EQ(summary.failed, 6);
  // A rule whose keys are malformed lists the file under the rule as well;
  // a rule that does not exist only under "その他".
  EXPECT_EQ(RunState::Instance().listText,
            (Lines{{"Broken", " broken.png\r\n"},
                   {"Good", " good.png\r\n"},
                   {"その他",
                    " 無効なファイル - garbage.png\r\n"
                    " 無効なファイル - absent.png（ファイルがありません）\r\n"
                    " 何もしない - leave.png\r\n"
                    " 不正なSrcDiv - broken.png\r\n"
                    " 規則[Missing]がsetting.iniにありません - missing.png\r\n"
                    " 不正なfileDiv\n - good.png\r\n"
                    " setting.iniの[Process]に3,3もdefaultもありません - nokey.png\r\n"}}));
  EXPECT_TRUE(RunState::Instance().jobs.empty());
  ExpectConsistent();

  RunState::Instance().ClearList();
  UseRuleFile(folder, "[Good]\n");
  AddFiles({folder / "nokey.png"});
  EXPECT_EQ(RunState::Instance().listText,
            (Lines{{"その他", " setting.iniに[Process]がありません - nokey.png\r\n"}}));
}

// After the rule file changed, every file of the list converts with its
// rule as the file has it now, the rules that rule runs in turn included;
// the files of a rule that no longer builds go where adding them now puts
// them, and those a changed rule now fits join the list.
TEST_F(ClassifyTest, ARuleFileReadAgainRebuildsTheRulesOfTheList) {
  const std::string path =
      UseRuleFile(folder,
                  "[Process]\n8,8=Tiles\n4,4=Walls\n2,2=Later\n"
                  "[Tiles]\nNameFoot=_a\nIndividual=Cell\n[Cell]\nNameFoot=_c\n"
                  "[Walls]\nSrcDiv=2,2\n");
  AddFiles({Sheet("a.png", 8, 8), Sheet("wall.png", 4, 4), Sheet("b.png", 8, 8),
            Sheet("later.png", 2, 2)});
  ASSERT_EQ(JobRules(), (std::vector<std::string>{"Tiles", "Walls", "Tiles"}));
  const ImageProcessor* tiles = RunState::Instance().jobs[0].processor;

  WriteRuleFile(path,
                "[Process]\n8,8=Tiles\n4,4=Walls\n2,2=Later\n"
                "[Tiles]\nNameFoot=_b\nIndividual=Cell\n[Cell]\nNameFoot=_d\n"
                "[Walls]\nSrcDiv=0,2\n[Later]\n");
  const AddSummary summary = ReadRuleFileAgain();

  EXPECT_EQ(JobRules(), (std::vector<std::string>{"Tiles", "Tiles", "Later"}));
  const Job& first = RunState::Instance().jobs[0];
  EXPECT_EQ(first.processor, tiles) << "rebuilt in place: the jobs keep pointing at it";
  EXPECT_EQ(tiles->NameFoot(), "_b");
  EXPECT_EQ(tiles->RuleFile(), SettingStore::Instance().Snapshot());
  EXPECT_EQ(ImageProcessor(tiles->RuleFile(), tiles->IndividualRule()).NameFoot(), "_d");
  EXPECT_EQ(summary.added, 1);
  EXPECT_EQ(summary.failed, 1);
  EXPECT_EQ(RunState::Instance().listText, (Lines{{"Later", " later.png\r\n"},
                                                  {"Tiles", " a.png\r\n b.png\r\n"},
                                                  {"Walls", " wall.png\r\n"},
                                                  {"その他", " 不正なSrcDiv - wall.png\r\n"}}));
  ExpectConsistent();
}

TEST_F(ClassifyTest, TheListTextShowsTheBlocksInByteOrder) {
  EXPECT_EQ(BuildListText(),
            "有効なファイルがありません\r\n→からファイルを追加してください\r\n\r\n"
            "[ファイルを開く]でフォルダから\r\nファイルを選択できます\r\n\r\n"
            "またはこのウィンドウのどこかに\r\nファイルをドロップしてください\r\n");

  RunState::Instance().listText = {{"b", " 2.png\r\n"},
                                   {"その他", " 該当なし - 3.png\r\n"},
                                   {"Z", " 1.png\r\n"},
                                   {"夜", " 4.png\r\n"}};
  // Japanese keys sort after ASCII in both encodings; "そ" before "夜".
  const std::string blocks =
      "[Z]\r\n 1.png\r\n[b]\r\n 2.png\r\n[その他]\r\n 該当なし - 3.png\r\n[夜]\r\n 4.png\r\n";
  EXPECT_EQ(BuildListBlocks(), blocks);
  EXPECT_EQ(BuildListText(),
            "以下のように判別されました\r\nさらにファイルを追加できます→\r\n"
            "開始ボタンで処理を開始します\r\n\r\n" +
                blocks);
}

}  // namespace
