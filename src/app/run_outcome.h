#pragma once

#include <string>
#include <vector>

// What a processing run got done, for the question that closes it.
struct RunOutcome {
  int total = 0;    // jobs in the list
  int started = 0;  // jobs the run began
  int failed = 0;   // begun jobs that stopped or left a piece or folder unwritten
  bool cancelled = false;
  std::vector<std::string> errorLines;  // what the run's log said went wrong, in order

  // Jobs that did not get through: never begun, or failed.
  int Unfinished() const { return total - started + failed; }
};

// The closing question of a run: that the conversion finished normally only
// when every job got through; otherwise how many files did not, after a
// cancel or not, and the first of the error lines, so that the user can
// read why without a console. Every form asks whether to process more files.
std::string ClosingQuestion(const RunOutcome& outcome);
