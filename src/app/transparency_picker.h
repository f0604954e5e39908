#pragma once

#include <memory>

#include "image/image.h"

// Lets the user pick the transparent colour of an image before it is
// converted: the picker window on Windows, nothing on the command line.
class TransparencyPicker {
 public:
  enum class Result {
    kPicked,       // picked holds the copy to convert (perhaps without a picked colour)
    kGiveUp,       // the user wants automatic colours for the rest of the run
    kUnavailable,  // the picker could not be shown
  };

  virtual ~TransparencyPicker() = default;
  virtual Result Pick(const IImage& image, std::unique_ptr<IImage>& picked) = 0;
};
