#pragma once

#include <atomic>

class ProcessLog;
class ProgressState;

// What a run of rules reaches besides the rules and the image, owned by the
// caller: a run of the windowed program, each job of the command line and
// each preview has its own, so that none sees another's cancel, progress or
// log (a preview after a cancelled run composes in full).
struct RunContext {
  // Receives what the rules report.
  ProcessLog& log;
  // Polled as each rule starts; null for a run that nobody cancels.
  const std::atomic<bool>* cancel = nullptr;
  // Shows the file and the rule under way; null where nothing shows them.
  const ProgressState* progress = nullptr;
  // Every application of a rule writes its index table beside its pieces.
  bool writeIndexTable = false;
  // Every piece gets a Tiled tileset beside it.
  bool writeTilesets = false;
  // False: the rules only compose their canvas (a preview): no pieces, no
  // index table, no follow-on rules.
  bool writeFiles = true;
};
