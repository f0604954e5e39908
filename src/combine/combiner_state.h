#pragma once

#include <map>
#include <string>
#include <vector>

#include "combine/sheet_list.h"
#include "common/platform_handles.h"

// The preview's vertical scroll state, in pixels of the combined sheet.
struct PreviewScroll {
  int minimum = 0;
  int maximum = 0;   // the height that can be shown
  int page = 0;      // the preview's height
  int position = 0;  // the first row shown at the top of the preview
  int trackPosition = 0;

  // maximum - page when that is positive, else 0.
  int LargestPosition() const { return maximum - page > 0 ? maximum - page : 0; }
  // position kept between 0 and LargestPosition().
  int Clamped(int position) const;
};

// The combiner's state for the whole process. It outlives the window: the
// width and the files to load carry over from one opening to the next, and
// every opening starts with an empty list.
class CombinerState {
 public:
  static CombinerState& Instance();

  static constexpr int kNarrowWidth = 128;
  static constexpr int kWideWidth = 256;

  // Command word to control id, filled each time the window opens.
  std::map<std::string, int> commandIds;
  SheetList sheetList;
  DeviceContextHandle memoryDC = nullptr;  // holds the preview picture
  BitmapHandle previewBitmap = nullptr;    // the bitmap selected into memoryDC
  WindowHandle dialogWindow = nullptr;
  WindowHandle previewControl = nullptr;
  WindowHandle radio128 = nullptr;
  WindowHandle radio256 = nullptr;
  WindowHandle scrollBar = nullptr;
  PreviewScroll scrollInfo;
  int sheetWidth = kNarrowWidth;
  // Loaded into the list, in order, each time the window opens.
  std::vector<std::string> initialFiles;

 private:
  CombinerState() = default;
};
