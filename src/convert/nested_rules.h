#pragma once

#include <memory>
#include <string>
#include <utility>

#include "convert/image_processor.h"
#include "convert/run_context.h"

// Rules that a rule runs in turn (Individual, SubProcess) are built for one
// use. Chains of them are limited, so that rules that name each other in a
// circle, or fan out without end, stop with a message instead of running on.

// How many nested rules deep a chain may reach below the outermost rule.
inline constexpr int kMaxNesting = 16;

enum class NestedUse { kIndividual, kSubProcess };

// The rules run under one outermost Apply, which makes it: the caller's
// context, handed on to every rule of the chain, the rule file that the
// outermost rule was read from, which every rule of the chain is built
// from, and the counts that limit the chain.
class RuleChain {
 public:
  RuleChain(const RunContext& context, std::shared_ptr<const RuleFileSnapshot> ruleFile)
      : context(context), ruleFile(std::move(ruleFile)) {}
  RuleChain(const RuleChain&) = delete;
  RuleChain& operator=(const RuleChain&) = delete;

  // Counts one active application of a rule of the chain while it lives.
  class Level {
   public:
    explicit Level(RuleChain& chain) : chain(chain) { ++chain.depth; }
    ~Level() { --chain.depth; }
    Level(const Level&) = delete;
    Level& operator=(const Level&) = delete;

   private:
    RuleChain& chain;
  };

  // Counts one run of the nested rule name; false, after one message on the
  // error channel, when the chain is too deep or has run too many rules.
  // Once a limit is met nothing further runs in the chain.
  bool MayRun(const std::string& name, NestedUse use);

  // True once a limit has been met.
  bool Stopped() const { return stopped; }

  // True at the first call, false after it: the notice that a palette could
  // not be kept is given once per source file, whichever rules write its
  // pieces.
  bool FirstPaletteNotice();

  // The rule name of the chain's rule file, or null after writing on the
  // error channel why it cannot be built.
  std::unique_ptr<ImageProcessor> Build(const std::string& name);

  const RunContext& context;

 private:
  void WriteError(const std::string& text);

  const std::shared_ptr<const RuleFileSnapshot> ruleFile;
  int depth = 0;  // active applications
  long individualRuns = 0;
  long subProcessRuns = 0;
  bool stopped = false;  // a limit was met and reported
  bool paletteNoticeGiven = false;
};
