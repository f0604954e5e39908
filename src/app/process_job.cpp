#include "app/process_job.h"

#include <exception>

#include "convert/process_log.h"

namespace {

// Rules report their own failures; anything that still leaves Apply (memory
// running out, say) is reported here so that the run can go on.
void ApplyReporting(const Job& job, const IImage& image) {
  std::string reason;
  try {
    job.processor->Apply(image);
    return;
  } catch (const std::exception& error) {
    reason = error.what();
  } catch (const char* message) {
    reason = message;
  } catch (const std::string& message) {
    reason = message;
  } catch (...) {
    reason = "不明なエラー";
  }
  ProcessLog::Instance().WriteLine(ProcessLog::kErrorChannel, job.image->GetName() + "を規則[" +
                                                                  job.processor->RuleName() +
                                                                  "]で処理できませんでした: " + reason);
}

}  // namespace

void RecordGroupOutput(const std::string& group, const std::string& path) {
  if (!path.empty()) RunState::Instance().combineGroups[group].push_back(path);
}

bool ProcessJob(const Job& job, TransparencyPicker* picker) {
  RunState& run = RunState::Instance();
  ProcessLog& log = ProcessLog::Instance();
  const std::size_t errorsBefore = log.Size(ProcessLog::kErrorChannel);

  log.Select(ProcessLog::kReportChannel);
  log.Write("加工を開始:");
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

  ApplyReporting(job, *image);

  const std::string group = job.processor->GetGroup();
  if (group == "XPAuto") {
    // The picker's copy carries the input's name.
    RecordGroupOutput("XP/VX", image->GetName());
  } else if (!group.empty()) {
    RecordGroupOutput(group, job.processor->GetLastOutputPath());
  }
  picked.reset();

  log.PopIndent();
  log.WriteLine(ProcessLog::kReportChannel, "加工の終了");
  return log.Size(ProcessLog::kErrorChannel) == errorsBefore;
}
