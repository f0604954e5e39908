#pragma once

// The top-left corner that puts a window whose rectangle ends at (right,
// bottom) in the middle of a display of the given size. The window is moved
// by its right and bottom edges, which are its size for a window at the
// origin; a window larger than the display gets negative coordinates.
struct WindowPosition {
  int x;
  int y;
};

inline WindowPosition CentredPosition(int displayWidth, int displayHeight, int right, int bottom) {
  return {(displayWidth - right) / 2, (displayHeight - bottom) / 2};
}
