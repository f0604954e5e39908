#include "combine/combiner_state.h"

int PreviewScroll::Clamped(int wanted) const {
  if (wanted < 0) return 0;
  return wanted < LargestPosition() ? wanted : LargestPosition();
}

CombinerState& CombinerState::Instance() {
  static CombinerState state;
  return state;
}
