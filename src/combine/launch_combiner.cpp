#include "combine/launch_combiner.h"

#include <algorithm>

#include "combine/combiner_state.h"

int SheetWidthForGroup(const std::string& group) {
  return group == kNarrowGroup ? CombinerState::kNarrowWidth : CombinerState::kWideWidth;
}

void LaunchCombiner(CombineGroups& groups,
                    const std::function<void(const std::string& group)>& openWindow) {
  // std::string compares its bytes as unsigned char, the shorter first on a
  // tie: the order wanted for Shift-JIS paths; the map keeps its keys so.
  for (auto& [group, paths] : groups) {
    std::sort(paths.begin(), paths.end());
    CombinerState& state = CombinerState::Instance();
    state.sheetWidth = SheetWidthForGroup(group);
    state.initialFiles = paths;
    openWindow(group);
  }
}
