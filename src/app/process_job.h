#pragma once

#include <string>

#include "app/transparency_picker.h"
#include "convert/run_state.h"

// One job of a processing run, on the run's worker: logs it, settles the
// image's transparent colour, applies the job's rule and records the
// output for the combiner. With automatic transparency (RunState's
// autoTransparent) palette entry 0 becomes transparent; otherwise the user
// picks with picker, and without a picker the image is converted as it is.
// True when the job went through without an error on the error channel.
bool ProcessJob(const Job& job, TransparencyPicker* picker);

// Appends path to the list of group in the run state's combine groups;
// nothing for an empty path.
void RecordGroupOutput(const std::string& group, const std::string& path);
