#include "app/process_job.h"

#include <exception>

#include "common/messages.h"
#include "convert/process_log.h"

namespace {

// Rules report their own failures; anything that still leaves Apply (memory
// running out, say) is reported here so that the run can go on.
void ApplyReporting(const Job& job, ImageProcessor& rule, const IImage& image,
                    const RunContext& context) {
  std::string reason;
  try {
    rule.Apply(image, context);
    return;
  } catch (const std::exception& error) {
    reason = error.what();
  } catch (const std::string& message) {
    reason = message;
  } catch (...) {
    reason = Text(Message::kJobUnknownError);
  }
  context.log.WriteLine(
      ProcessLog::kErrorChannel,
      Text(Message::kJobNotProcessed, {job.image->GetName(), rule.RuleName(), reason}));
}

// Appends path to the list of group; nothing for an empty path.
void RecordGroupOutput(const std::string& group, const std::string& path) {
  if (!path.empty()) RunState::Instance().combineGroups[group].push_back(path);
}

}  // namespace

JobResult ConvertJob(const Job& job, TransparencyPicker* picker, const RunContext& context) {
  RunState& run = RunState::Instance();
  ProcessLog& log = context.log;
  const std::size_t errorsBefore = log.Size(ProcessLog::kErrorChannel);

  log.Select(ProcessLog::kReportChannel);
  log.Write(Text(Message::kJobStarted));
  log.Write(job.image->GetName());
  log.EndLine();
  log.PushIndent(">");

  const IImage* image = job.image;
  std::unique_ptr<IImage> picked;
  if (!run.autoTransparent && picker != nullptr) {
    switch (picker->Pick(*job.image, picked)) {
      case TransparencyPicker::Result::kPicked:
        image = picked.get();
        break;
      case TransparencyPicker::Result::kGiveUp:
        run.autoTransparent = true;
        break;
      case TransparencyPicker::Result::kUnavailable:
        job.image->SetTransparentFromPalette();
        break;
    }
  }
  if (run.autoTransparent) {
    job.image->SetTransparentFromPalette();
    image = job.image;
  }

  // The job's own copy of the rule, which jobs of other images share: it
  // remembers the path it wrote last.
  ImageProcessor rule = *job.processor;
  ApplyReporting(job, rule, *image, context);

  JobResult result;
  result.imageName = image->GetName();
  result.outputPath = rule.GetLastOutputPath();
  picked.reset();

  log.PopIndent();
  log.WriteLine(ProcessLog::kReportChannel, Text(Message::kJobEnded));
  result.clean = log.Size(ProcessLog::kErrorChannel) == errorsBefore;
  return result;
}

void RecordJobOutput(const ImageProcessor& rule, const JobResult& result) {
  RunState& run = RunState::Instance();
  std::string& lastPath = run.lastOutputPaths[&rule];
  if (!result.outputPath.empty()) lastPath = result.outputPath;
  const std::string group = rule.GetGroup();
  if (group == "XPAuto") {
    // The picker's copy carries the input's name.
    RecordGroupOutput("XP/VX", result.imageName);
  } else if (!group.empty()) {
    RecordGroupOutput(group, lastPath);
  }
}

bool ProcessJob(const Job& job, TransparencyPicker* picker, const RunContext& context) {
  const JobResult result = ConvertJob(job, picker, context);
  RecordJobOutput(*job.processor, result);
  return result.clean;
}
