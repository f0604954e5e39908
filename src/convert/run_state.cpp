#include "convert/run_state.h"

RunState& RunState::Instance() {
  static RunState state;
  return state;
}

RunState::~RunState() { ClearList(); }

void RunState::ClearList() {
  images.clear();
  processors.clear();
  jobs.clear();
  listText.clear();
  otherFiles.clear();
  combineGroups.clear();
  lastOutputPaths.clear();
}
