// A whole conversion by a fuzzed rule file applied to a small fixed sheet,
// with its index tables, and the rule explained with its picture: whatever
// the rules say, the run ends, reports what went wrong, and writes nowhere
// but the sheet's own output folder. The check of the rule file goes first
// and must come to its end on any file.
#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

#include "convert/image_processor.h"
#include "convert/process_log.h"
#include "convert/rule_error.h"
#include "convert/run_context.h"
#include "fuzz/fuzz_input.h"
#include "image/image.h"
#include "ruletools/rule_check.h"
#include "ruletools/rule_explanation.h"
#include "support/image_files.h"
#include "support/rule_file.h"
#include "support/scripted_prompt.h"

namespace {

// Large sizes only make the fuzzer wait for big allocations and PNG
// encoding; the limits on them are the image layer's, tested there.
bool HasLargeNumber(const std::string& text) {
  int digits = 0;
  for (const char c : text) {
    digits = (c >= '0' && c <= '9') ? digits + 1 : 0;
    if (digits > 3) return true;
  }
  return false;
}

// A rule file may chain a rule onto itself with a fine FileDiv and so write
// thousands of pieces; that is bounded, but slow. Once a run has logged this
// much, it is cancelled as a user would, and its next rule stops at once.
constexpr int kLogPiecesBeforeCancel = 1000;
int loggedPieces = 0;

const std::string& Sheet() {
  static const std::string path = [] {
    MakeFolder(FuzzFolder() / "maps");
    Picture picture{64, 32, {}};
    for (int i = 0; i < 64 * 32; ++i)
      picture.pixels.push_back(0xFF000000u | (i * 2654435761u >> 8));
    const std::string sheet = FuzzFolder() / "maps" + "/sheet.png";
    WriteFile(sheet, PngFile(picture, true));
    return sheet;
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = AsText(data, size);
  UseRuleFile(FuzzFolder(), "[R]\n" + text);
  for (const CheckFinding& finding : CheckRuleFile()) {
    if (finding.section.empty() || finding.text.empty())
      __builtin_trap();  // each says where and what
  }
  if (HasLargeNumber(text)) return 0;
  static ScriptedPrompt prompt;  // folder notices are collected, not shown
  prompt.notices.clear();
  loggedPieces = 0;
  std::atomic<bool> cancel{false};
  ProcessLog log;
  log.SetEcho([&cancel](int, const std::string&) {
    if (++loggedPieces == kLogPiecesBeforeCancel) cancel = true;
  });
  RunContext context{log, &cancel};
  context.writeIndexTable = true;
  static const auto image = OpenImage(Sheet());
  try {
    ImageProcessor rule("R");
    rule.Apply(*image, context);
  } catch (const RuleError&) {
    // a rule that cannot be built
  }
  ExplainRule({"R", Sheet(), std::nullopt, FuzzFolder() / "maps" + "/sheet/explained.png"});
  // Nothing but the sheet, its output folder and the rule file may exist.
  for (const std::string& name : ListFolder(FuzzFolder().Path())) {
    if (name != "maps" && name != "setting.ini" && name != "input") __builtin_trap();
  }
  for (const std::string& name : ListFolder(FuzzFolder() / "maps")) {
    if (name != "sheet.png" && name != "sheet") __builtin_trap();
  }
  // Keep the output folder small over millions of runs.
  const std::string output = FuzzFolder() / "maps" + "/sheet";
  const std::vector<std::string> written = ListFolder(output);
  if (written.size() > 256) {
    for (const std::string& name : written) std::remove((output + "/" + name).c_str());
  }
  return 0;
}
