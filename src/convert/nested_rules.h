#pragma once

#include <memory>
#include <string>

#include "convert/image_processor.h"

// Rules that a rule runs in turn (Individual, SubProcess) are built for one
// use. Chains of them are limited, so that rules that name each other in a
// circle, or fan out without end, stop with a message instead of running on.

// How many nested rules deep a chain may reach below the outermost rule.
inline constexpr int kMaxNesting = 16;

// Counts one active Apply on this thread while it lives.
class ActiveApply {
 public:
  ActiveApply();
  ~ActiveApply();
  ActiveApply(const ActiveApply&) = delete;
  ActiveApply& operator=(const ActiveApply&) = delete;
};

enum class NestedUse { kIndividual, kSubProcess };

// Counts one run of the nested rule name; false, after one message on the
// error channel, when the chain is too deep or has run too many rules. Once
// a limit is met nothing further runs under the outermost Apply.
bool MayRunNestedRule(const std::string& name, NestedUse use);

// True once a limit has been met under the outermost Apply of this thread.
bool NestedRulesStopped();

// True at the first call under the outermost Apply of this thread, false
// after it: the notice that a palette could not be kept is given once per
// source file, whichever rules write its pieces.
bool FirstPaletteNotice();

// The rule name, or null after writing on the error channel why it cannot
// be built.
std::unique_ptr<ImageProcessor> BuildNestedRule(const std::string& name);
