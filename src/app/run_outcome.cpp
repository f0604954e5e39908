#include "app/run_outcome.h"

#include "common/messages.h"

std::string ClosingQuestion(const RunOutcome& outcome) {
  const int unfinished = outcome.Unfinished();
  const std::string count = std::to_string(unfinished);
  const std::string result = unfinished <= 0     ? Text(Message::kRunCompleted)
                             : outcome.cancelled ? Text(Message::kRunCancelled, {count})
                                                 : Text(Message::kRunEndedWithFailures, {count});
  return result + Text(Message::kRunOutputPlace) + Text(Message::kRunProcessMore);
}
