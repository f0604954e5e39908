#include "cli/conversion_stream.h"

#include <cstdio>
#include <set>
#include <utility>

#include "cli/console.h"
#include "common/console_output.h"
#include "common/path.h"
#include "convert/output_folder.h"
#include "convert/process_log.h"
#include "convert/run_context.h"

namespace {

// The log's lines end with CR LF, as the windowed program keeps them; the
// command line prints "\n".
std::string WithLineFeeds(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return out;
}

}  // namespace

ConversionStream::ConversionStream(int jobs, bool holdBack, bool writeIndexTable,
                                   bool writeTilesets)
    : jobs(static_cast<std::size_t>(jobs > 1 ? jobs : 1)),
      holdBack(holdBack),
      writeIndexTable(writeIndexTable),
      writeTilesets(writeTilesets),
      // Held back, the files convert one after another: the order in which
      // pieces replace files of the batch is then the one of a single job,
      // wherever the imaging library keeps a decoded file open.
      lanes(holdBack ? 1 : jobs) {}

void ConversionStream::Add(std::unique_ptr<IImage> image, ImageProcessor* rule) {
  auto entry = std::make_unique<Entry>();
  entry->name = image->GetName();
  entry->lane = FolderLaneKey(OutputFolderOf(entry->name));
  entry->image = std::move(image);
  entry->rule = rule;
  entries.push_back(std::move(entry));
  if (holdBack) return;
  Entry& added = *entries.back();
  lanes.Add(added.lane, [this, &added] { Convert(added); });
  ++started;
  lanes.WaitForPendingAtMost(jobs);
}

// Converts entry on the running thread into its output: the report channel
// of its own log for the standard output, the error channel and the notices
// for the standard error. No picker: the image is keyed from its palette,
// or converted as it is. Nothing cancels a job of the command line.
void ConversionStream::Convert(Entry& entry) {
  ProcessLog log;
  log.SetEcho([&entry](int channel, const std::string& text) {
    entry.output.Add(channel == ProcessLog::kErrorChannel ? stderr : stdout, WithLineFeeds(text));
  });
  RunContext context{log};
  context.writeIndexTable = writeIndexTable;
  context.writeTilesets = writeTilesets;
  {
    const ThreadUserPrompt promptScope(entry.output);
    entry.result = ConvertJob({entry.image.get(), entry.rule}, nullptr, context);
  }
  entry.image.reset();
}

bool ConversionStream::ShowAll() {
  for (; started < entries.size(); ++started) {
    Entry& entry = *entries[started];
    lanes.Add(entry.lane, [this, &entry] { Convert(entry); });
  }
  const bool showProgress = ErrorIsTerminal();
  bool allConverted = true;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    lanes.WaitConverted(i);
    Entry& entry = *entries[i];
    if (showProgress) {
      WriteText(stderr, std::to_string(i + 1) + "/" + std::to_string(entries.size()) + " " +
                            FilePart(entry.name) + "\n");
      std::fflush(stderr);
    }
    entry.output.Print();
    RecordJobOutput(*entry.rule, entry.result);
    if (!entry.result.clean || entry.output.NoticeCount() != 0) allConverted = false;
    entry.output = JobOutput();
  }
  return allConverted;
}

bool ReadsAnotherOutput(const std::vector<std::string>& paths) {
  std::set<std::string> outputFolders;
  for (const std::string& path : paths) outputFolders.insert(FolderLaneKey(OutputFolderOf(path)));
  for (const std::string& path : paths) {
    for (std::string folder = FolderPart(path); !folder.empty(); folder = FolderPart(folder)) {
      if (outputFolders.count(FolderLaneKey(folder)) != 0) return true;
    }
  }
  return false;
}
