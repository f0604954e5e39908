#pragma once

#include <string>

// What a processing run got done, for the question that closes it.
struct RunOutcome {
  int total = 0;    // jobs in the list
  int started = 0;  // jobs the run began
  int failed = 0;   // begun jobs that stopped or left a piece or folder unwritten
  bool cancelled = false;

  // Jobs that did not get through: never begun, or failed.
  int Unfinished() const { return total - started + failed; }
};

// The closing question of a run: that the conversion finished normally only
// when every job got through; otherwise how many files did not, after a
// cancel or not. Every form asks whether to process more files.
std::string ClosingQuestion(const RunOutcome& outcome);
