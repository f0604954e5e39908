#include "app/run_outcome.h"

#include <algorithm>

#include "common/messages.h"

namespace {

// A message box has room for a screenful of lines.
constexpr std::size_t kShownErrorLines = 12;

}  // namespace

std::string ClosingQuestion(const RunOutcome& outcome) {
  const int unfinished = outcome.Unfinished();
  const std::string count = std::to_string(unfinished);
  const std::string result = unfinished <= 0     ? Text(Message::kRunCompleted)
                             : outcome.cancelled ? Text(Message::kRunCancelled, {count})
                                                 : Text(Message::kRunEndedWithFailures, {count});
  std::string errors;
  const std::size_t shown = std::min(outcome.errorLines.size(), kShownErrorLines);
  for (std::size_t i = 0; i < shown; ++i) errors += outcome.errorLines[i] + "\n";
  if (outcome.errorLines.size() > shown) {
    errors += Text(Message::kRunMoreErrorLines, {std::to_string(outcome.errorLines.size() - shown)});
  }
  if (!errors.empty()) errors = "\n" + errors + "\n";
  return result + errors + Text(Message::kRunOutputPlace) + Text(Message::kRunProcessMore);
}
