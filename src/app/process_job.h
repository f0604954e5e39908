#pragma once

#include <string>

#include "app/transparency_picker.h"
#include "convert/run_context.h"
#include "convert/run_state.h"

// What a converted job leaves for the rest of the run.
struct JobResult {
  bool clean = false;      // no error on the error channel
  std::string imageName;   // of the image the rule ran on
  std::string outputPath;  // of the last piece the rule tried to write; empty for none
};

// One job of a processing run: logs it in the context's log, settles the
// image's transparent colour and applies the job's rule within context.
// With automatic transparency (RunState's autoTransparent) palette entry 0
// becomes transparent; otherwise the user picks with picker, and without a
// picker the image is converted as it is. Jobs of other images may convert
// on other threads at the same time (each with its own context); the run
// state is only read.
JobResult ConvertJob(const Job& job, TransparencyPicker* picker, const RunContext& context);

// Records what a job of rule made for the combiner in the run state's
// combine groups. Called in the order of the jobs: a rule's group takes the
// last piece it wrote, in this job or, when this job wrote none, an earlier
// one.
void RecordJobOutput(const ImageProcessor& rule, const JobResult& result);

// ConvertJob and RecordJobOutput, on the run's one worker; true when the job
// was clean.
bool ProcessJob(const Job& job, TransparencyPicker* picker, const RunContext& context);
