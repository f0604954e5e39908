#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "app/job_lanes.h"
#include "app/process_job.h"
#include "cli/job_output.h"
#include "image/image.h"

class ImageProcessor;

// The conversion of a batch while its files are still being classified:
// each file added converts on the jobs' threads at once, its image going as
// soon as it is converted, and the adding waits while every thread has a job
// to convert, so that a batch of any length holds a few images at a time.
// What each job shows is held back until ShowAll, after the list, and comes
// out in input order, as with one job at a time.
class ConversionStream {
 public:
  // holdBack: nothing converts before ShowAll, and then one job at a time
  // (see ReadsAnotherOutput). writeIndexTable, writeTilesets: every
  // conversion writes its index table, and a Tiled tileset for each piece,
  // beside its pieces.
  ConversionStream(int jobs, bool holdBack, bool writeIndexTable, bool writeTilesets);

  // Takes the next job of the batch; a JobSink.
  void Add(std::unique_ptr<IImage> image, ImageProcessor* rule);

  // Shows each job's output in input order, after a progress line on a
  // terminal, and records what it made for the combiner; true when every job
  // went through without an error or a notice.
  bool ShowAll();

 private:
  struct Entry {
    std::unique_ptr<IImage> image;
    ImageProcessor* rule = nullptr;
    std::string name;  // of the image
    std::string lane;
    JobOutput output;
    JobResult result;
  };

  void Convert(Entry& entry);

  const std::size_t jobs;
  const bool holdBack;
  const bool writeIndexTable;
  const bool writeTilesets;
  // Each entry belongs to the thread converting it until it is converted.
  std::vector<std::unique_ptr<Entry>> entries;
  std::size_t started = 0;  // entries handed to the lanes
  JobLanes lanes;           // last, so that its threads stop before the entries go
};

// True when a file of paths (absolute paths, as resolved) lies in the output
// folder of another (a piece of an earlier run, say): converting the other
// first would change what it holds, so the batch is decoded before anything
// converts.
bool ReadsAnotherOutput(const std::vector<std::string>& paths);
