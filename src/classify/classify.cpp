#include "classify/classify.h"

#include <functional>
#include <memory>
#include <utility>

#include "common/file_failure.h"
#include "common/messages.h"
#include "common/path.h"
#include "common/user_prompt.h"
#include "convert/image_processor.h"
#include "convert/rule_error.h"
#include "convert/rule_keys.h"
#include "convert/rule_values.h"
#include "convert/run_state.h"
#include "image/image.h"
#include "setting/rule_file_snapshot.h"
#include "setting/setting_store.h"

namespace {

bool Contains(const std::string& name, const std::string& text) {
  return name.find(text) != std::string::npos;
}

// True when name contains any of the "/"-separated texts of list; an empty
// text (a doubled or trailing "/") is found in every name.
bool ContainsAny(const std::string& name, const std::string& list) {
  for (const std::string& text : SplitStringList(list, '/')) {
    if (Contains(name, text)) return true;
  }
  return false;
}

// The rule for the image loaded from the file fileName; throws as ClassifyByName.
using RuleChooser = std::function<std::string(const IImage& image, const std::string& fileName)>;

// A file's line under its rule in the list text.
std::string ListedLine(const std::string& path) { return " " + FilePart(path) + "\r\n"; }

void AddFile(const std::string& path, const std::shared_ptr<const RuleFileSnapshot>& ruleFile,
             const RuleChooser& chooseRule, const ImageOpener& open, const JobSink& sink) {
  RunState& run = RunState::Instance();
  std::unique_ptr<IImage> image = open(path);
  const std::string rule = chooseRule(*image, FilePart(path));
  if (IsDoNothingRule(rule)) throw FileLeftOut{LeftOutReason::kLeftAlone, {}};
  // A name that no section has is listed only under "その他": a heading for a
  // rule that does not exist would say nothing.
  if (ruleFile->GetSection(rule) == nullptr) throw RuleError(RuleErrorKind::kMissingRule, rule);

  // Listed before the rule is built: a file whose rule cannot be built shows
  // under its rule and, with the rule's message, under "その他".
  run.listText[rule] += ListedLine(path);
  auto processor = run.processors.find(rule);
  if (processor == run.processors.end()) {
    auto built = std::make_unique<ImageProcessor>(ruleFile, rule);
    processor = run.processors.emplace(rule, std::move(built)).first;
  }
  sink(std::move(image), processor->second.get());
}

// The list's text of reason; a detail stands for its "{1}".
Message LeftOutMessage(LeftOutReason reason) {
  switch (reason) {
    case LeftOutReason::kNoRuleFits:
      return Message::kListNoRuleFits;
    case LeftOutReason::kSkipped:
      return Message::kListSkipped;
    case LeftOutReason::kUndecided:
      return Message::kListRuleUndecided;
    case LeftOutReason::kNoSizeTable:
      return Message::kListNoSizeTable;
    case LeftOutReason::kLeftAlone:
      break;
  }
  return Message::kListLeftAlone;
}

// Lists the file at path under "その他" with reason.
// failure, where the file could not be opened, follows the file's name.
// mayFitLater: no rule told to leave the file alone, so a rule file
// changed later may have one for it.
void ListLeftOut(const std::string& path, const std::string& reason,
                 const FileResult& failure = FileResult(), bool mayFitLater = true) {
  RunState& run = RunState::Instance();
  const std::string line = " " + reason + " - " + WithFileFailure(FilePart(path), failure) + "\r\n";
  run.listText[kOtherListKey] += line;
  if (mayFitLater) run.otherFiles.push_back({path, line});
}

AddSummary AddAll(const std::vector<std::string>& paths,
                  const std::shared_ptr<const RuleFileSnapshot>& ruleFile,
                  const RuleChooser& chooseRule, const ImageOpener& open, const JobSink& sink) {
  AddSummary summary;
  for (const std::string& path : paths) {
    try {
      AddFile(path, ruleFile, chooseRule, open, sink);
      ++summary.added;
    } catch (const AddingStopped&) {
      summary.stopped = true;
      break;
    } catch (const FileLeftOut& leftOut) {
      ++(leftOut.reason == LeftOutReason::kLeftAlone ? summary.doNothing : summary.failed);
      ListLeftOut(path, Text(LeftOutMessage(leftOut.reason), {leftOut.detail}), FileResult(),
                  leftOut.reason != LeftOutReason::kLeftAlone);
    } catch (const RuleError& error) {
      ++summary.failed;
      ListLeftOut(path, error.ListedText());
    } catch (const InvalidImageError& error) {
      ++summary.failed;
      ListLeftOut(path, error.what(), error.Reason());
    }
  }
  return summary;
}

// Takes the jobs of rule out of the list, their lines under it with them,
// and adds their paths to paths.
void TakeOutJobsOf(const std::string& rule, const ImageProcessor* processor,
                   std::vector<std::string>& paths) {
  RunState& run = RunState::Instance();
  std::string& listed = run.listText[rule];
  for (std::size_t i = 0; i < run.jobs.size();) {
    if (run.jobs[i].processor != processor) {
      ++i;
      continue;
    }
    const std::string path = run.jobs[i].image->GetName();
    const std::size_t at = listed.find(ListedLine(path));
    if (at != std::string::npos) listed.erase(at, ListedLine(path).size());
    paths.push_back(path);
    run.jobs.erase(run.jobs.begin() + static_cast<std::ptrdiff_t>(i));
    run.images.erase(run.images.begin() + static_cast<std::ptrdiff_t>(i));
  }
  if (listed.empty()) run.listText.erase(rule);
  run.lastOutputPaths.erase(processor);
}

}  // namespace

void EnqueueJob(std::unique_ptr<IImage> image, ImageProcessor* rule) {
  RunState& run = RunState::Instance();
  run.images.push_back(std::move(image));
  run.jobs.push_back({run.images.back().get(), rule});
}

AddSummary AddFiles(const std::vector<std::string>& paths, const ImageOpener& open,
                    const JobSink& sink) {
  // Every file is classified by one read of the rule file, whatever reads
  // it meanwhile (a question to the user).
  const std::shared_ptr<const RuleFileSnapshot> ruleFile = SettingStore::Instance().Snapshot();
  const SettingSection* sizeTable = ruleFile->GetSection("Process");
  const RuleChooser bySize = [&ruleFile, sizeTable](const IImage& image,
                                                    const std::string& fileName) {
    if (sizeTable == nullptr) throw FileLeftOut{LeftOutReason::kNoSizeTable, {}};
    const std::string sizeKey =
        std::to_string(image.GetWidth()) + "," + std::to_string(image.GetHeight());
    // Without either key the rule name would be empty; the reason names
    // what is missing instead (a size table cut at its length limit, say).
    const char* key = sizeTable->HasKey(sizeKey) ? sizeKey.c_str() : "default";
    if (!sizeTable->HasKey(key)) {
      throw RuleError(RuleErrorKind::kNoSizeOrDefault, "", {sizeKey});
    }
    const std::string value = sizeTable->GetValue(key);
    return value.find('/') == std::string::npos ? value
                                                : ClassifyByName(*ruleFile, value, fileName, image);
  };
  return AddAll(paths, ruleFile, bySize, open, sink);
}

AddSummary AddFilesAs(const std::vector<std::string>& paths, const std::string& rule,
                      const ImageOpener& open, const JobSink& sink) {
  const RuleChooser given = [&rule](const IImage&, const std::string&) { return rule; };
  return AddAll(paths, SettingStore::Instance().Snapshot(), given, open, sink);
}

std::string ClassifyByName(const RuleFileSnapshot& ruleFile, const std::string& candidates,
                           const std::string& fileName, const IImage& sheet) {
  std::vector<std::string> remaining;
  for (const std::string& candidate : SplitStringList(candidates, '/')) {
    // A rule with a "Specific" text is for names with that text and no other.
    const std::string specific = ruleFile.GetSectionValue(candidate, KeyName(RuleKeyId::kSpecific));
    if (!specific.empty()) {
      if (Contains(fileName, specific)) return candidate;
      continue;
    }
    const std::string force = ruleFile.GetSectionValue(candidate, KeyName(RuleKeyId::kForce));
    if (!force.empty() && ContainsAny(fileName, force)) return candidate;
    const std::string except = ruleFile.GetSectionValue(candidate, KeyName(RuleKeyId::kExcept));
    if (!except.empty() && ContainsAny(fileName, except)) continue;
    remaining.push_back(candidate);
  }

  if (remaining.empty()) throw FileLeftOut{LeftOutReason::kNoRuleFits, {}};
  if (remaining.size() == 1) return remaining.front();
  const int choice = CurrentUserPrompt().ChooseRule(fileName, remaining, sheet);
  if (choice == UserPrompt::kStopAdding) throw AddingStopped();
  if (choice == UserPrompt::kNobodyToChoose) {
    std::string names;
    for (const std::string& name : remaining) names += (names.empty() ? "" : "/") + name;
    throw FileLeftOut{LeftOutReason::kUndecided, names};
  }
  if (choice < 0 || choice >= static_cast<int>(remaining.size())) {
    throw FileLeftOut{LeftOutReason::kSkipped, {}};
  }
  return remaining[static_cast<std::size_t>(choice)];
}

AddSummary ReadRuleFileAgain() {
  SettingStore::Instance().ReadAgain();
  const std::shared_ptr<const RuleFileSnapshot> ruleFile = SettingStore::Instance().Snapshot();
  RunState& run = RunState::Instance();
  std::vector<std::string> paths;
  for (auto rule = run.processors.begin(); rule != run.processors.end();) {
    try {
      *rule->second = ImageProcessor(ruleFile, rule->first);
      ++rule;
    } catch (const RuleError&) {
      // Never converted by the rule as it was: classified again, the file
      // goes where adding it now would.
      TakeOutJobsOf(rule->first, rule->second.get(), paths);
      rule = run.processors.erase(rule);
    }
  }

  std::string& others = run.listText[kOtherListKey];
  for (const RunState::OtherFile& file : run.otherFiles) {
    paths.push_back(file.path);
    const std::size_t at = others.find(file.line);
    if (at != std::string::npos) others.erase(at, file.line.size());
  }
  if (others.empty()) run.listText.erase(kOtherListKey);
  run.otherFiles.clear();
  return AddFiles(paths);
}
