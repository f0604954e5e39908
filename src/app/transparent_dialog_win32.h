#pragma once

#include <windows.h>

#include <memory>

#include "app/transparency_picker.h"
#include "image/image.h"

// Controls of the picker.
constexpr int kPictureArea = 100;
constexpr int kVerticalScroll = 200;
constexpr int kHorizontalScroll = 201;
constexpr int kPickerHintText = 101;
constexpr int kClearPickButton = 202;
// Result of the picker when the user closed it and chose automatic colours.
constexpr INT_PTR kPickerGaveUp = -2;

// One scroll bar of the picture and its scroll record.
struct ScrollAxis {
  HWND handle = nullptr;
  SCROLLINFO info = {sizeof(SCROLLINFO), 0, 0, 0, 0, 0, 0};
};

// The picker's state. It outlives each opening: the scroll positions of one
// opening are where the next one starts.
struct PickerState {
  static PickerState& Instance();

  const IImage* sourceImage = nullptr;   // the job's image, set before each opening
  std::unique_ptr<IImage> workingImage;  // the copy the pick is made on
  HWND pictureControl = nullptr;
  int viewWidth = 0;
  int viewHeight = 0;
  HDC canvasDC = nullptr;          // holds the working image over the checker
  HBITMAP canvasBitmap = nullptr;  // selected into canvasDC
  HGDIOBJ displacedBitmap = nullptr;
  ScrollAxis hScroll;
  ScrollAxis vScroll;

 private:
  PickerState() = default;
};

// Moves axis to position, kept within 0 .. maximum - page.
void SetScrollPosition(ScrollAxis& axis, int position);

// The dialog "TRANSPARENT" over PickerState's sourceImage: 0 on OK (the
// pick is PickerState's workingImage), kPickerGaveUp on a confirmed cancel.
INT_PTR CALLBACK TransparentDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The picker of the windowed program: the dialog, modal on the calling
// thread, owned by the main window.
class DialogTransparencyPicker : public TransparencyPicker {
 public:
  Result Pick(const IImage& image, std::unique_ptr<IImage>& picked) override;
};
