#include "convert/nested_rules.h"

#include "common/messages.h"
#include "convert/process_log.h"
#include "convert/rule_error.h"

namespace {

// Under one outermost Apply: per-cell rules run once per cell, follow-on
// rules each on the whole source, writing files.
constexpr long kMaxIndividualRuns = 100000;
constexpr long kMaxSubProcessRuns = 256;

struct Nesting {
  int depth = 0;  // active Apply calls
  long individualRuns = 0;
  long subProcessRuns = 0;
  bool stopped = false;  // a limit was met and reported
  bool paletteNoticeGiven = false;
};
thread_local Nesting nesting;

void WriteError(const std::string& text) {
  ProcessLog::Instance().WriteLine(ProcessLog::kErrorChannel, text);
}

}  // namespace

ActiveApply::ActiveApply() { ++nesting.depth; }

ActiveApply::~ActiveApply() {
  if (--nesting.depth == 0) nesting = Nesting();
}

bool MayRunNestedRule(const std::string& name, NestedUse use) {
  if (nesting.stopped) return false;
  long& runs = use == NestedUse::kIndividual ? nesting.individualRuns : nesting.subProcessRuns;
  const long maxRuns = use == NestedUse::kIndividual ? kMaxIndividualRuns : kMaxSubProcessRuns;
  if (nesting.depth > kMaxNesting) {
    WriteError(Text(Message::kNestedRulesTooDeep, {name, std::to_string(kMaxNesting)}));
    nesting.stopped = true;
  } else if (runs >= maxRuns) {
    WriteError(Text(Message::kNestedRulesTooMany, {name, std::to_string(maxRuns)}));
    nesting.stopped = true;
  }
  if (nesting.stopped) return false;
  ++runs;
  return true;
}

bool NestedRulesStopped() { return nesting.stopped; }

bool FirstPaletteNotice() {
  const bool first = !nesting.paletteNoticeGiven;
  nesting.paletteNoticeGiven = true;
  return first;
}

std::unique_ptr<ImageProcessor> BuildNestedRule(const std::string& name) {
  try {
    return std::make_unique<ImageProcessor>(name);
  } catch (const RuleError& error) {
    WriteError(RuleError(name, error).Text());
    return nullptr;
  }
}
