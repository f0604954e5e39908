#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "convert/rule_error.h"  // kDoNothingRule
#include "image/image.h"

// Classification of the files the user adds: each file gets the rule whose
// layout it is in, from its pixel size (the size table "Process" of the rule
// file) and its file name, and goes into the processing list of RunState
// with that rule. Files that cannot be added are listed under "その他" in the
// list text, with the reason.

// The list-text key of the files that were not added: it sorts among the
// rule names by these bytes, and the list shows it in the user's language.
inline constexpr char kOtherListKey[] = "その他";

// Why classifying leaves a file out of the list. What the program does goes
// by these; the list shows their text.
enum class LeftOutReason {
  kNoRuleFits,   // no candidate fits the file name
  kSkipped,      // the user passed the file over
  kUndecided,    // several rules fit and nobody was there to choose
  kNoSizeTable,  // the rule file has no [Process]
  kLeftAlone,    // the file's rule is kDoNothingRule
};

// Thrown while a file is classified: it is left out for reason. detail is
// the candidates of kUndecided, "/" separated.
struct FileLeftOut {
  LeftOutReason reason;
  std::string detail;
};

// Thrown while a file is classified when the user stops the adding.
struct AddingStopped {};

// What one call of AddFiles did with its paths.
struct AddSummary {
  int added = 0;         // enqueued as jobs
  int doNothing = 0;     // classified to kDoNothingRule
  int failed = 0;        // listed under "その他" for any other reason
  bool stopped = false;  // the user stopped the adding; later paths were not looked at
};

// How the files are opened, one after another in the order of the paths:
// OpenImage, or images decoded ahead of their turn.
using ImageOpener = std::function<std::unique_ptr<IImage>(const std::string& path)>;

class ImageProcessor;
class RuleFileSnapshot;

// Where an added file goes, with its image and the rule of the list that it
// takes: EnqueueJob, or a caller that converts it at once.
using JobSink = std::function<void(std::unique_ptr<IImage> image, ImageProcessor* rule)>;

// Puts the job into the processing list of RunState, which owns the image.
void EnqueueJob(std::unique_ptr<IImage> image, ImageProcessor* rule);

// Classifies the files at paths (full paths, in the user's order) and hands
// each added file to sink as soon as it is added. A file that cannot be
// added is listed with its reason and the others go on; when the user stops
// the adding, the files added so far stay.
AddSummary AddFiles(const std::vector<std::string>& paths, const ImageOpener& open = OpenImage,
                    const JobSink& sink = EnqueueJob);

// The same with rule for every file, without looking at sizes or names.
AddSummary AddFilesAs(const std::vector<std::string>& paths, const std::string& rule,
                      const ImageOpener& open = OpenImage, const JobSink& sink = EnqueueJob);

// After the rule file changed: the setting store reads it again and the
// list follows. Every rule of the list is built anew from the file as read
// now, in place, so that its jobs convert with the rule as saved. The files
// of a rule that no longer builds leave the list, and they and the files
// under "その他" that a rule may fit are classified again: each joins the
// list or is listed under "その他" with its reason, as adding it now would.
AddSummary ReadRuleFileAgain();

// The rule among candidates (rule names separated by "/") of ruleFile that
// fits the file name fileName. Asks the user (CurrentUserPrompt), showing
// sheet, the file's image, when several remain.
// Throws FileLeftOut (kNoRuleFits, kSkipped, kUndecided) or AddingStopped.
std::string ClassifyByName(const RuleFileSnapshot& ruleFile, const std::string& candidates,
                           const std::string& fileName, const IImage& sheet);
