#include "convert/progress_state.h"

ProgressState& ProgressState::Instance() {
  static ProgressState state;
  return state;
}
