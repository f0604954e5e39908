// Random edits of a rule and saves through the rule file's writer, on real
// rule files, checked after every step against a small model: the keys the
// rule should hold, the cells of the slots that blanking and swapping give,
// and which lines of the file a save may change. After each save the file
// reads back to exactly the model's rule, every other line keeps its bytes
// and the check finds nothing new elsewhere. Seeded: a failure names its
// seed, and VOMARIN_MODEL_SEED=<seed> replays it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <random>
#include <stdexcept>

#include "common/encoding.h"
#include "convert/rule_values.h"
#include "ruletools/rule_check.h"
#include "ruletools/rule_edit_history.h"
#include "ruletools/rule_edit_save.h"
#include "setting/ini_text.h"
#include "setting/setting_store.h"
#include "support/files.h"
#include "support/rule_file_changes.h"

namespace {

constexpr int kStepsPerFile = 700;

struct Fixture {
  const char* what;
  std::string bytes;
  std::string rule;  // the rule the editor opens at
};

std::vector<Fixture> Fixtures() {
  return {
      {"Shift-JIS with comments and CR LF",
       Utf8ToShiftJis(
           "; 規則ファイル\r\n[Process]\r\n64,64=Tiles/Walls\r\n\r\n[Tiles]\r\n; 草地\r\n"
           "  SrcDiv = 4,4 \r\nNewSize=64,64\r\nReplace=0,1,2,3\r\nSpecific=草\r\n\r\n"
           "[Walls]\r\nSrcDiv=2,2\r\nGroup=町\r\n; 終わり\r\n"),
       "Tiles"},
      {"UTF-8 with its mark",
       "\xEF\xBB\xBF[Process]\n64,64=Tiles\n[Tiles]\nSrcDiv=2,2\nReplace=3,2,1,0\n"
       "Group=\xE7\x94\xBA\n[Walls]\nNameFoot=_w\n",
       "Tiles"},
      {"no line end at the end", "[Walls]\rGroup=W\r[Tiles]\rSrcDiv=4,2\rReplace=", "Tiles"},
      {"a section written twice",
       "[Tiles]\nSrcDiv=4,4\nReplace=0\n[Walls]\nReplace=1\n[tiles]\nSrcDiv=2,2\nReplace=5\n"
       "[Tiles]\nGroup=never\n",
       "Tiles"},
      {"keys the editor does not show",
       "[Process]\r\n64,64=Tiles\r\n[Tiles]\r\nForce=a/b\r\nUnknown=1\r\nSrcDiv=4,4\r\nExcept=x\r\n"
       "not a key\r\nReplace=7\r\n[Walls]\r\n",
       "Tiles"},
      {"no rule file yet", "", ""},
  };
}

// The model of the rule: its name and keys (in key-table order).
struct Model {
  std::string name;
  std::map<RuleKeyId, std::string> keys;

  std::vector<RuleEdit::Pair> Pairs() const {
    std::vector<RuleEdit::Pair> pairs;
    for (const auto& [key, value] : keys) pairs.emplace_back(KeyName(key), value);
    return pairs;
  }
  void Set(RuleKeyId key, const std::string& text) {
    if (!text.empty()) {
      keys[key] = text;
    } else if (keys.count(key) && !keys[key].empty()) {
      keys.erase(key);
    }
  }
};

Model ModelOf(const SettingSection* section, const std::string& name) {
  Model model{name, {}};
  if (section == nullptr) return model;
  for (const auto& [key, value] : ExpectedKeys(*section)) {
    for (const RuleKeyEntry& entry : kRuleKeys) {
      if (key == entry.name) model.keys[entry.id] = value;
    }
  }
  return model;
}

// The Replace items of text as the reader reads them, or nothing.
std::optional<std::vector<int>> Items(const std::string& text) {
  if (text.empty()) return std::vector<int>();
  try {
    return SplitIntList(text, ',');
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

// A slot's cell as the edit puts it: past the list only a cell lengthens it.
void Put(std::vector<int>& items, long long slot, int cell) {
  const auto at = static_cast<std::size_t>(slot);
  if (at >= items.size()) {
    if (cell == -1 || at >= kMaxListItems) return;
    items.resize(at + 1, -1);
  }
  items[at] = cell;
}

int ItemAt(const std::vector<int>& items, long long slot) {
  return slot < static_cast<long long>(items.size()) ? items[static_cast<std::size_t>(slot)] : -1;
}

class RuleEditModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* replay = std::getenv("VOMARIN_MODEL_SEED");
    seed =
        replay ? static_cast<unsigned>(std::strtoul(replay, nullptr, 10)) : std::random_device()();
    random.seed(seed);
  }
  void TearDown() override {
    if (HasFailure()) std::cout << "Replay with VOMARIN_MODEL_SEED=" << seed << "\n";
  }

  std::size_t Pick(std::size_t count) {
    return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
  }
  template <typename T>
  const T& OneOf(const std::vector<T>& items) {
    return items[Pick(items.size())];
  }
  bool Chance(int percent) { return static_cast<int>(Pick(100)) < percent; }

  std::vector<CheckFinding> Findings() {
    SettingStore::Instance().ReadFile(path);
    return CheckRuleFile();
  }

  unsigned seed = 0;
  std::mt19937 random;
  TempFolder folder;
  std::string path = folder / "setting.ini";
};

TEST_F(RuleEditModelTest, RandomEditsAndSavesKeepTheFileAsTheModelSays) {
  const std::vector<std::string> names = {"Tiles", "Walls", "New", "Café", "A/B", "tiles", ""};
  const std::map<RuleValueKind, std::vector<std::string>> texts = {
      {RuleValueKind::kGrid, {"4,4", "2,2", "1,1", "4,2", "0,1", "3", ""}},
      {RuleValueKind::kSize, {"64,64", "32,64", "128,32", "16,16", "x", ""}},
      {RuleValueKind::kRect, {"0,0,64,64", "8,8,48,48", "0,0,32", ""}},
      {RuleValueKind::kText, {"_a", "町", "Café", "a\r\nb", ""}},
      {RuleValueKind::kSwitch, {"1", "0", "2", ""}},
      {RuleValueKind::kName, {"Walls", "Missing", ""}},
      {RuleValueKind::kNameList, {"Walls", "Walls,Walls", ""}},
      {RuleValueKind::kChoice, {"blob47", "wang16", "Blob47", ""}},
  };
  const std::vector<std::string> replaceTexts = {
      "0,1,2,3", "3,2,1,0,-1,5", NumbersAsWritten("0,1,\r\n2 3"), "", "1,x", "5", "0,,3", "99"};
  const std::vector<RuleEdit::Size> sheets = {{64, 64}, {32, 32}, {64, 32}};

  for (const Fixture& fixture : Fixtures()) {
    SCOPED_TRACE(std::string(fixture.what) + ", seed " + std::to_string(seed));
    WriteFile(path, fixture.bytes);
    std::shared_ptr<const RuleFileSnapshot> ruleFile = RuleFileSnapshot::Read(path);
    const SettingSection* section = ruleFile->GetSection(fixture.rule);
    RuleEditHistory history(section ? RuleEdit(*section, {64, 64}, ruleFile)
                                    : RuleEdit("New", {64, 64}, ruleFile));
    bool isNew = section == nullptr;
    std::vector<Model> undo, redo;
    Model model = ModelOf(section, history.Current().Name());

    for (int step = 0; step < kStepsPerFile; ++step) {
      SCOPED_TRACE("step " + std::to_string(step));
      const RuleEdit& edit = history.Current();
      const std::string replace = edit.Value(RuleKeyId::kReplace);
      const Model before = model;
      bool edited = false;
      std::string what;
      const std::size_t kind = Pick(100);
      if (kind < 25) {
        std::vector<RuleKeyId> keys;
        for (const RuleKeyEntry& key : kRuleKeys) {
          if (RuleEdit::Edits(key.id) && key.id != RuleKeyId::kReplace) keys.push_back(key.id);
        }
        const RuleKeyId key = OneOf(keys);
        const std::string text = OneOf(texts.at(KeyEntry(key).kind));
        what = std::string("set ") + KeyName(key) + " to " + text;
        edited = history.Edit([&](RuleEdit& rule) { return rule.SetValue(key, text); });
        model.Set(key, text);
        // Where the grids change, the cells move as the edit's own tests say.
        model.Set(RuleKeyId::kReplace, history.Current().Value(RuleKeyId::kReplace));
      } else if (kind < 35) {
        const std::string text = OneOf(replaceTexts);
        what = "type Replace " + text;
        std::string problem;
        edited = history.Edit([&](RuleEdit& rule) { return rule.SetReplaceText(text, problem); });
        if (Items(text)) model.Set(RuleKeyId::kReplace, text);
        EXPECT_EQ(problem.empty(), Items(text).has_value()) << what;
      } else if (kind < 50) {
        // Blank and swap, on the model's own list of slots.
        const long long slots = std::max<long long>(edit.SlotCount(), 1);
        const long long first = static_cast<long long>(Pick(static_cast<std::size_t>(slots) + 1));
        const long long second = static_cast<long long>(Pick(static_cast<std::size_t>(slots) + 1));
        const bool swap = Chance(50);
        what = (swap ? "swap " : "blank ") + std::to_string(first) + " " + std::to_string(second);
        const bool onCanvas = edit.BuildError().empty() && first < edit.SlotCount() &&
                              (!swap || second < edit.SlotCount());
        edited = history.Edit(
            [&](RuleEdit& rule) { return swap ? rule.Swap(first, second) : rule.Blank(first); });
        std::optional<std::vector<int>> items = Items(replace);
        if (items && onCanvas) {
          const std::vector<int> was = *items;
          if (swap) {
            const int cell = ItemAt(*items, first);
            Put(*items, first, ItemAt(*items, second));
            Put(*items, second, cell);
          } else {
            Put(*items, first, -1);
          }
          if (*items != was) model.Set(RuleKeyId::kReplace, JoinIntList(*items, ','));
        }
      } else if (kind < 60) {
        const int cell = static_cast<int>(Pick(20));
        const long long slot = static_cast<long long>(Pick(20));
        const CellBlock block{static_cast<int>(Pick(4)), static_cast<int>(Pick(4)),
                              1 + static_cast<int>(Pick(3)), 1 + static_cast<int>(Pick(3))};
        const std::size_t how = Pick(3);
        what = "place " + std::to_string(how) + " at " + std::to_string(slot);
        edited = history.Edit([&](RuleEdit& rule) {
          return how == 0   ? rule.Place(cell, slot)
                 : how == 1 ? rule.PlaceBlock(block, slot)
                            : rule.FillInOrder(block, slot);
        });
        model.Set(RuleKeyId::kReplace, history.Current().Value(RuleKeyId::kReplace));
      } else if (kind < 70) {
        const bool back = Chance(60);
        what = back ? "undo" : "redo";
        std::vector<Model>& from = back ? undo : redo;
        std::vector<Model>& to = back ? redo : undo;
        const bool stepped = back ? history.Undo() : history.Redo();
        EXPECT_EQ(stepped, !from.empty()) << what;
        if (stepped && !from.empty()) {
          to.push_back(model);
          model = from.back();
          from.pop_back();
        }
      } else if (kind < 73) {
        what = "show another sheet";
        history.ShowSheet(OneOf(sheets));
      } else if (kind < 79) {
        // Another rule of the file, or the rule renamed as a new one.
        const std::string name = OneOf(names);
        const SettingSection* other = ruleFile->GetSection(name);
        if (Chance(50) && other != nullptr) {
          what = "load " + name;
          history = RuleEditHistory(RuleEdit(*other, edit.Sheet(), ruleFile));
          model = ModelOf(other, name);
          isNew = false;
          undo.clear();
          redo.clear();
        } else {
          what = "new rule " + name;
          edited = history.Edit([&](RuleEdit& rule) { return rule.Rename(name); });
          model.name = name;
          isNew = true;
        }
      } else {
        const RuleEditSave save{isNew, Chance(30), Chance(20)};
        what = std::string("save") + (save.addToProcess ? " with [Process]" : "") +
               (save.withInverse ? " with the inverse" : "");
        SCOPED_TRACE(what);
        const RuleEdit::Size sheet = edit.Sheet();
        const std::string sizeKey =
            std::to_string(sheet.width) + "," + std::to_string(sheet.height);
        // What the save must refuse, as the model sees it.
        const std::string bytesBefore = ReadFile(path);
        const RuleFileEncoding encoding = RuleFileEncodingOf(bytesBefore);
        std::vector<std::string> written = {model.name};
        for (const auto& [key, value] : model.keys) written.push_back(value);
        bool refused = model.name.empty() || !edit.BuildError().empty() ||
                       (save.addToProcess && model.name.find_first_of("/,") != std::string::npos);
        for (const std::string& text : written) {
          refused = refused || text.find_first_of("\r\n") != std::string::npos ||
                    !FirstUnheldCharacter(text, encoding).empty();
        }
        for (const std::string& name : ruleFile->SectionNames())
          refused = refused || (isNew && SameSectionName(name, model.name));
        // A rule named back by undo to a name the file does not list.
        refused = refused || (!isNew && ruleFile->GetSection(model.name) == nullptr);

        const std::vector<CheckFinding> findingsBefore = Findings();
        const std::shared_ptr<const RuleFileSnapshot> ruleBefore = ruleFile;
        std::string problem;
        std::optional<RuleFileDocument> document = WriteEditedRule(edit, save, problem);
        // Only the inverse may refuse what the model does not foresee.
        if (refused || !save.withInverse) {
          EXPECT_EQ(!document, refused) << problem;
        }
        if (!document) {
          EXPECT_FALSE(problem.empty());
        } else {
          ASSERT_EQ(document->Save().outcome, RuleFileSaveOutcome::kSaved);
          const std::string bytesAfter = ReadFile(path);
          EXPECT_EQ(ReadFile(path + ".bak"), bytesBefore);
          ruleFile = RuleFileSnapshot::Read(path);
          const SettingSection* saved = ruleFile->GetSection(model.name);
          ASSERT_NE(saved, nullptr);
          EXPECT_EQ(ExpectedKeys(*saved), model.Pairs());
          ExpectOnlyTheRuleChanged(bytesBefore, bytesAfter, model.name,
                                   save.addToProcess ? sizeKey : std::string());
          // The check finds what it found before, but in the sections the
          // save wrote, the rules that share the rule's size and those it
          // runs in turn, before and after.
          std::vector<std::string> besides = {model.name, model.name + "_inverse", "Process"};
          const auto add = [&besides](const std::string& list, char separator) {
            for (const std::string& name : SplitStringList(list, separator))
              besides.push_back(name);
          };
          add(ruleFile->GetSectionValue("Process", sizeKey), '/');
          for (const RuleKeyId key : {RuleKeyId::kIndividual, RuleKeyId::kSubProcess}) {
            add(model.keys.count(key) ? model.keys.at(key) : std::string(), ',');
            add(ruleBefore->GetSectionValue(model.name, KeyName(key)), ',');
            // Rules that run it, or a rule either file lacks (whose spelling
            // hint a new name may change).
            for (const auto& file : {ruleBefore, ruleFile}) {
              for (const std::string& section : file->SectionNames()) {
                for (const std::string& name :
                     SplitStringList(file->GetSectionValue(section, KeyName(key)), ',')) {
                  if (SameSectionName(name, model.name) || !ruleBefore->GetSection(name) ||
                      !ruleFile->GetSection(name))
                    besides.push_back(section);
                }
              }
            }
          }
          const auto elsewhere = [&besides](const std::vector<CheckFinding>& findings) {
            std::vector<std::string> lines;
            for (const CheckFinding& finding : findings) {
              bool excluded = false;
              for (const std::string& name : besides)
                excluded = excluded || SameSectionName(finding.section, name);
              if (!excluded) lines.push_back(FindingLine(finding));
            }
            return lines;
          };
          EXPECT_EQ(elsewhere(Findings()), elsewhere(findingsBefore));
          history.UseRuleFile(ruleFile);
          isNew = false;
        }
      }
      if (edited) {
        undo.push_back(before);
        redo.clear();
      }
      // The value holds what the model holds, and its slots read as Replace.
      SCOPED_TRACE(what);
      const RuleEdit& now = history.Current();
      EXPECT_EQ(now.Name(), model.name);
      EXPECT_EQ(now.Pairs(), model.Pairs());
      const std::optional<std::vector<int>> items = Items(now.Value(RuleKeyId::kReplace));
      if (items && now.BuildError().empty()) {
        for (long long slot = 0; slot < now.SlotCount(); ++slot) {
          const int item = ItemAt(*items, slot);
          ASSERT_EQ(now.CellInSlot(slot), now.Layout().HasCell(item) ? item : -1)
              << "slot " << slot;
        }
      }
      if (HasFailure()) return;
    }
  }
}

}  // namespace
