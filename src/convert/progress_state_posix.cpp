#include "convert/progress_state.h"

void ProgressState::SetText(int, const std::string&) const {}
