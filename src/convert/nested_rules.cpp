#include "convert/nested_rules.h"

#include "common/messages.h"
#include "convert/process_log.h"
#include "convert/rule_error.h"

namespace {

// Under one outermost Apply: per-cell rules run once per cell, follow-on
// rules each on the whole source, writing files.
constexpr long kMaxIndividualRuns = 100000;
constexpr long kMaxSubProcessRuns = 256;

}  // namespace

void RuleChain::WriteError(const std::string& text) {
  context.log.WriteLine(ProcessLog::kErrorChannel, text);
}

bool RuleChain::MayRun(const std::string& name, NestedUse use) {
  if (stopped) return false;
  long& runs = use == NestedUse::kIndividual ? individualRuns : subProcessRuns;
  const long maxRuns = use == NestedUse::kIndividual ? kMaxIndividualRuns : kMaxSubProcessRuns;
  if (depth > kMaxNesting) {
    WriteError(Text(Message::kNestedRulesTooDeep, {name, std::to_string(kMaxNesting)}));
    stopped = true;
  } else if (runs >= maxRuns) {
    WriteError(Text(Message::kNestedRulesTooMany, {name, std::to_string(maxRuns)}));
    stopped = true;
  }
  if (stopped) return false;
  ++runs;
  return true;
}

bool RuleChain::FirstPaletteNotice() {
  const bool first = !paletteNoticeGiven;
  paletteNoticeGiven = true;
  return first;
}

std::unique_ptr<ImageProcessor> RuleChain::Build(const std::string& name) {
  try {
    return std::make_unique<ImageProcessor>(ruleFile, name);
  } catch (const RuleError& error) {
    WriteError(RuleError(name, error).Text());
    return nullptr;
  }
}
