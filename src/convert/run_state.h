#pragma once

#include <atomic>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "convert/image_processor.h"
#include "image/image.h"

// One entry of the processing list. It points at what the run state owns.
struct Job {
  IImage* image = nullptr;
  ImageProcessor* processor = nullptr;
};

// The current batch: the processing list with the images and rules it owns,
// the text that describes it, the run options, and the combiner's groups.
class RunState {
 public:
  static RunState& Instance();

  // Releases everything the list owns and empties it; the flags stay.
  void ClearList();

  // Group name to the paths of the images the run made for it.
  std::map<std::string, std::vector<std::string>> combineGroups;
  // The last piece each rule of the list wrote, as far as the jobs have
  // been recorded in order.
  std::map<const ImageProcessor*, std::string> lastOutputPaths;
  std::vector<std::unique_ptr<IImage>> images;
  std::vector<Job> jobs;
  // One rule per name, shared by every job of that rule.
  std::map<std::string, std::unique_ptr<ImageProcessor>> processors;
  // Rule name (or "その他") to the lines that list its files.
  std::map<std::string, std::string> listText;
  // The files listed under "その他" that a rule may fit once the rule file
  // has one (not those a rule told to leave alone), each with its line.
  struct OtherFile {
    std::string path;
    std::string line;
  };
  std::vector<OtherFile> otherFiles;
  // True: no transparent-colour picker, palette entry 0 instead.
  bool autoTransparent = false;
  // Set once by the window thread, polled by the worker and, through the
  // run's context, by the rules it applies.
  std::atomic<bool> cancelRequested{false};

 private:
  RunState() = default;
  ~RunState();
};
