// The transparent-colour picker, driven as a user drives it: clicks on the
// picture, "クリア", OK and the scroll bars (cancel: batch_run_win32_test).
#include <gtest/gtest.h>

#include <functional>

#include "app/transparent_dialog_win32.h"
#include "common/app_context.h"
#include "support/files.h"
#include "support/image_files.h"
#include "support/ui_driver_win32.h"

namespace {

using Points = std::vector<std::pair<int, int>>;

// Every pixel a colour of its own, so a keyed colour names one pixel.
Picture UniquePicture(int width, int height) {
  Picture picture{width, height, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      picture.pixels.push_back(0xFF000000u | x << 12 | y);
    }
  }
  return picture;
}

Points TransparentPixels(const Picture& picture) {
  Points found;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      if ((picture.At(x, y) >> 24) == 0) found.emplace_back(x, y);
    }
  }
  return found;
}

class PickerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AppContext::Instance().moduleHandle = GetModuleHandleA(nullptr);
    AppContext::Instance().mainWindow = nullptr;
  }

  std::unique_ptr<IImage> Load(const std::string& name, const std::string& bytes) {
    WriteFile(folder / name, bytes);
    return OpenImage(folder / name);
  }

  // Opens the picker on image while script drives it, then OK; the pick.
  Picture Pick(const IImage& image, const std::function<void(HWND)>& script) {
    DialogTransparencyPicker picker;
    std::unique_ptr<IImage> picked;
    RunWithDriver([&] { picker.Pick(image, picked); },
                  [&] {
                    HWND dialog = WaitForWindow("Vomarin+  透過色の決定");
                    ASSERT_NE(dialog, nullptr);
                    script(dialog);
                    PressButton(dialog, IDOK);
                  });
    if (!picked) return {};
    picked->Save(folder / "picked.png");
    return ReadPngFile(ReadFile(folder / "picked.png"));
  }

  // Clicks the point (x, y) of the picture area.
  static void ClickPicture(HWND dialog, int x, int y) {
    POINT point = {x, y};
    MapWindowPoints(GetDlgItem(dialog, kPictureArea), dialog, &point, 1);
    ClickAt(dialog, point.x, point.y);
  }

  TempFolder folder;
};

TEST_F(PickerTest, EachPickStartsFromTheImageAndClearUndoesIt) {
  // Palette entry 0 magenta, then red, black and a see-through entry.
  IndexedPicture sheet{4, 1, {0xFFFF00FF, 0xFFFF0000, 0xFF000000, 0x00FFFFFF}, {0, 1, 2, 3}};
  const auto image = Load("sheet.png", PngFile(sheet, 8));

  const Picture untouched = Pick(*image, [](HWND) {});
  EXPECT_EQ(untouched.pixels, sheet.Expanded().pixels);

  // Red, then the free area below the picture, which keys opaque black.
  const Picture black = Pick(*image, [](HWND dialog) {
    ClickPicture(dialog, 1, 0);
    RECT client;
    GetClientRect(dialog, &client);
    ClickAt(dialog, 4, client.bottom - 4);
  });
  EXPECT_EQ(TransparentPixels(black), (Points{{2, 0}, {3, 0}}));

  const Picture cleared = Pick(*image, [](HWND dialog) {
    ClickPicture(dialog, 1, 0);
    PressButton(dialog, kClearPickButton);
  });
  EXPECT_EQ(TransparentPixels(cleared), (Points{{3, 0}}));
}

TEST_F(PickerTest, ReleasedThumbsScrollAndThePositionsAreKeptBetweenOpenings) {
  const auto large = Load("large.png", PngFile(UniquePicture(1000, 700), true));
  int lastLeft = 0;
  const Picture scrolled = Pick(*large, [&](HWND dialog) {
    const int viewWidth = PickerState::Instance().viewWidth;
    lastLeft = 1000 - viewWidth;
    ScrollBy(dialog, kHorizontalScroll, SB_LINERIGHT);
    ScrollBy(dialog, kHorizontalScroll, SB_THUMBTRACK, 300);
    EXPECT_EQ(ScrollPosition(dialog, kHorizontalScroll), 0);
    ScrollBy(dialog, kHorizontalScroll, SB_THUMBPOSITION, 60000);
    ScrollBy(dialog, kVerticalScroll, SB_THUMBPOSITION, 50);
    EXPECT_EQ(ScrollPosition(dialog, kHorizontalScroll), lastLeft);
    // The image's right edge stands at the right of the picture.
    ClickPicture(dialog, viewWidth - 1, 0);
  });
  EXPECT_EQ(TransparentPixels(scrolled), (Points{{999, 50}}));

  Pick(*large, [&](HWND dialog) {
    EXPECT_EQ(ScrollPosition(dialog, kHorizontalScroll), lastLeft);
    EXPECT_EQ(ScrollPosition(dialog, kVerticalScroll), 50);
  });

  const auto small = Load("small.png", PngFile(UniquePicture(16, 8), true));
  const Picture picked = Pick(*small, [](HWND dialog) {
    EXPECT_EQ(ScrollPosition(dialog, kHorizontalScroll), 0);
    EXPECT_EQ(ScrollPosition(dialog, kVerticalScroll), 0);
    ClickPicture(dialog, 3, 2);
  });
  EXPECT_EQ(TransparentPixels(picked), (Points{{3, 2}}));
}

}  // namespace
