#pragma once

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "classify/classify.h"
#include "image/image.h"

// Decodes the images of a list of files on several threads ahead of the one
// that takes them in list order, so that adding files, which looks at one
// file at a time and may ask about it, does not wait for each decoder in
// turn. Nothing is decoded that open would not decode one by one, and no
// more than lookAhead files are decoded or decoding beyond those taken.
class ImagePrefetch {
 public:
  ImagePrefetch(std::vector<std::string> paths, int threads, std::size_t lookAhead,
                ImageOpener open = OpenImage);
  // Stops the decoding of files not yet begun and waits for the rest.
  ~ImagePrefetch();
  ImagePrefetch(const ImagePrefetch&) = delete;
  ImagePrefetch& operator=(const ImagePrefetch&) = delete;

  // The image of path, the next file of the list, or what open threw for
  // it; a path out of turn is opened on the spot.
  std::unique_ptr<IImage> Next(const std::string& path);

 private:
  struct Slot {
    bool done = false;
    std::unique_ptr<IImage> image;
    std::exception_ptr error;
  };

  void Decode();

  const std::vector<std::string> paths;
  const std::size_t lookAhead;
  const ImageOpener open;
  std::vector<Slot> slots;
  std::size_t taken = 0;    // files handed out by Next
  std::size_t started = 0;  // files a decoder has begun
  bool stopping = false;
  std::mutex mutex;
  std::condition_variable decoded;   // a file decoded
  std::condition_variable advanced;  // a file taken, or stopping
  std::vector<std::thread> decoders;
};
