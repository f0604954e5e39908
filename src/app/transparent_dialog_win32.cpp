#include "app/transparent_dialog_win32.h"

#include <algorithm>

#include "common/app_context.h"
#include "common/messages.h"
#include "common/window_text_win32.h"

namespace {

// The working image over the checker into the canvas.
void RenderWorkingImage(PickerState& state) {
  if (state.canvasDC != nullptr && state.workingImage)
    state.workingImage->PaintTo(state.canvasDC, 0, 0);
}

// Starts the pick afresh from the unchanged source image.
void FreshWorkingImage(PickerState& state) {
  state.workingImage.reset();
  state.workingImage = state.sourceImage->Clone();
}

// The part of the canvas that the scroll positions select, 1:1, at the
// picture's top left; beside and below a smaller image the dialog's face.
void PaintPicture(const PickerState& state, HDC target) {
  const int left = state.hScroll.info.nPos;
  const int top = state.vScroll.info.nPos;
  int shownWidth = 0;
  int shownHeight = 0;
  if (state.canvasDC != nullptr && state.workingImage) {
    shownWidth = std::clamp(state.workingImage->GetWidth() - left, 0, state.viewWidth);
    shownHeight = std::clamp(state.workingImage->GetHeight() - top, 0, state.viewHeight);
    BitBlt(target, 0, 0, shownWidth, shownHeight, state.canvasDC, left, top, SRCCOPY);
  }
  const HBRUSH face = GetSysColorBrush(COLOR_3DFACE);
  const RECT right = {shownWidth, 0, state.viewWidth, state.viewHeight};
  const RECT below = {0, shownHeight, shownWidth, state.viewHeight};
  FillRect(target, &right, face);
  FillRect(target, &below, face);
}

void SetUpAxis(ScrollAxis& axis, HWND handle, int imageSide, int viewSide) {
  axis.handle = handle;
  SCROLLINFO& info = axis.info;
  info.nMin = 0;
  info.nMax = std::max(imageSide, 0);
  info.nPage = static_cast<UINT>(viewSide);
  info.nPos = std::clamp(info.nPos, 0, std::max(0, info.nMax - viewSide));
  // Range and position first, then the page.
  info.fMask = SIF_RANGE | SIF_POS;
  SetScrollInfo(handle, SB_CTL, &info, FALSE);
  info.fMask = SIF_PAGE;
  SetScrollInfo(handle, SB_CTL, &info, FALSE);
}

void InitPicker(HWND dialog) {
  SetDialogTexts(dialog, Message::kPickerCaption,
                 {{kPickerHintText, Message::kPickerHint},
                  {kClearPickButton, Message::kClear},
                  {IDOK, Message::kOk},
                  {IDCANCEL, Message::kCancel}});
  PickerState& state = PickerState::Instance();
  state.pictureControl = GetDlgItem(dialog, kPictureArea);
  RECT picture = {};
  GetWindowRect(state.pictureControl, &picture);
  state.viewWidth = picture.right - picture.left;
  state.viewHeight = picture.bottom - picture.top;
  SetUpAxis(state.hScroll, GetDlgItem(dialog, kHorizontalScroll), state.sourceImage->GetWidth(),
            state.viewWidth);
  SetUpAxis(state.vScroll, GetDlgItem(dialog, kVerticalScroll), state.sourceImage->GetHeight(),
            state.viewHeight);
  FreshWorkingImage(state);

  const HDC pictureDC = GetDC(state.pictureControl);
  state.canvasDC = CreateCompatibleDC(pictureDC);
  state.canvasBitmap = CreateCompatibleBitmap(pictureDC, state.workingImage->GetWidth(),
                                              state.workingImage->GetHeight());
  ReleaseDC(state.pictureControl, pictureDC);
  if (state.canvasDC != nullptr && state.canvasBitmap != nullptr) {
    state.displacedBitmap = SelectObject(state.canvasDC, state.canvasBitmap);
  } else {
    // An image too large for a bitmap of the display: picking still works,
    // only the picture stays empty.
    if (state.canvasBitmap != nullptr) DeleteObject(state.canvasBitmap);
    if (state.canvasDC != nullptr) DeleteDC(state.canvasDC);
    state.canvasBitmap = nullptr;
    state.canvasDC = nullptr;
  }
  RenderWorkingImage(state);
}

void ReleaseCanvas(PickerState& state) {
  if (state.canvasDC != nullptr) {
    SelectObject(state.canvasDC, state.displacedBitmap);
    DeleteObject(state.canvasBitmap);
    DeleteDC(state.canvasDC);
  }
  state.canvasDC = nullptr;
  state.canvasBitmap = nullptr;
  state.displacedBitmap = nullptr;
}

// The position a released thumb asks for. The message carries 16 bits; a
// longer image is read from the bar's 32-bit track position.
int ThumbPosition(const ScrollAxis& axis, WPARAM wParam) {
  if (axis.info.nMax <= 0xFFFF) return HIWORD(wParam);
  SCROLLINFO track = {sizeof track, SIF_TRACKPOS, 0, 0, 0, 0, 0};
  GetScrollInfo(axis.handle, SB_CTL, &track);
  return track.nTrackPos;
}

void PickAt(HWND dialog, LPARAM lParam) {
  PickerState& state = PickerState::Instance();
  POINT point = {static_cast<LONG>(LOWORD(lParam)) + state.hScroll.info.nPos,
                 static_cast<LONG>(HIWORD(lParam)) + state.vScroll.info.nPos};
  ClientToScreen(dialog, &point);
  ScreenToClient(state.pictureControl, &point);
  FreshWorkingImage(state);
  state.workingImage->SetTransparentFromPixel(point.x, point.y);
  RenderWorkingImage(state);
  InvalidateRect(dialog, nullptr, TRUE);
}

void OnCommand(HWND dialog, int id) {
  PickerState& state = PickerState::Instance();
  switch (id) {
    case IDOK:
      EndDialog(dialog, 0);
      break;
    case IDCANCEL:
      if (ShowMessage(dialog, Text(Message::kPickerCloseQuestion),
                      Text(Message::kPickerCloseCaption), MB_YESNO) == IDYES) {
        EndDialog(dialog, kPickerGaveUp);
      }
      break;
    case kClearPickButton:
      FreshWorkingImage(state);
      RenderWorkingImage(state);
      InvalidateRect(dialog, nullptr, TRUE);
      break;
    default:
      break;
  }
}

}  // namespace

PickerState& PickerState::Instance() {
  static PickerState state;
  return state;
}

void SetScrollPosition(ScrollAxis& axis, int position) {
  const int last = axis.info.nMax - static_cast<int>(axis.info.nPage);
  axis.info.nPos = std::max(std::min(position, last), 0);
  axis.info.fMask = SIF_POS;
  SetScrollInfo(axis.handle, SB_CTL, &axis.info, FALSE);
}

INT_PTR CALLBACK TransparentDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  PickerState& state = PickerState::Instance();
  switch (message) {
    case WM_INITDIALOG:
      InitPicker(dialog);
      return TRUE;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(dialog, &paint);
      EndPaint(dialog, &paint);
      const HDC pictureDC = GetDC(state.pictureControl);
      PaintPicture(state, pictureDC);
      ReleaseDC(state.pictureControl, pictureDC);
      return TRUE;
    }
    case WM_DRAWITEM: {
      // The picture's own repaints draw the same.
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item->CtlID != kPictureArea) return FALSE;
      PaintPicture(state, item->hDC);
      return TRUE;
    }
    case WM_LBUTTONDOWN:
      PickAt(dialog, lParam);
      return TRUE;
    case WM_HSCROLL:
    case WM_VSCROLL: {
      ScrollAxis& axis = message == WM_HSCROLL ? state.hScroll : state.vScroll;
      if (LOWORD(wParam) == SB_THUMBPOSITION) SetScrollPosition(axis, ThumbPosition(axis, wParam));
      InvalidateRect(dialog, nullptr, FALSE);
      return TRUE;
    }
    case WM_COMMAND:
      OnCommand(dialog, LOWORD(wParam));
      return TRUE;
    case WM_DESTROY:
      ReleaseCanvas(state);
      return TRUE;
    default:
      return FALSE;
  }
}

TransparencyPicker::Result DialogTransparencyPicker::Pick(const IImage& image,
                                                          std::unique_ptr<IImage>& picked) {
  PickerState& state = PickerState::Instance();
  const AppContext& app = AppContext::Instance();
  state.sourceImage = &image;
  const INT_PTR result =
      DialogBoxParamW(app.moduleHandle, L"TRANSPARENT", app.mainWindow, TransparentDialogProc, 0);
  state.sourceImage = nullptr;
  if (result == 0 && state.workingImage) {
    picked = std::move(state.workingImage);
    return Result::kPicked;
  }
  state.workingImage.reset();
  return result == kPickerGaveUp ? Result::kGiveUp : Result::kUnavailable;
}
