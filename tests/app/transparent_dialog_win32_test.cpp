// The transparent-colour picker, driven as a user drives it: clicks on the
// picture, "クリア", OK, cancel, and the scroll bars.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "app/transparent_dialog_win32.h"
#include "common/app_context.h"
#include "support/files.h"
#include "support/image_files.h"
#include "support/ui_driver_win32.h"

namespace {

const char kCaption[] = "Vomarin+  透過色の決定";
const char kGiveUpCaption[] = "透過色指定キャンセルの確認";

// Every pixel a colour of its own, so a keyed colour names one pixel.
Picture UniquePicture(int width, int height) {
  Picture picture{width, height, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      picture.pixels.push_back(0xFF000000u | (x & 0xFF) << 16 | ((x >> 8) | (y >> 8) << 4) << 8 |
                               (y & 0xFF));
    }
  }
  return picture;
}

// The pixels that are fully transparent, as (x, y) pairs.
std::vector<std::pair<int, int>> TransparentPixels(const Picture& picture) {
  std::vector<std::pair<int, int>> found;
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

  // Opens the picker on image while script drives it; the pixels of the
  // pick, or none when there was no pick.
  std::optional<Picture> Pick(const IImage& image, const std::function<void(HWND)>& script,
                              TransparencyPicker::Result expected) {
    DialogTransparencyPicker picker;
    std::unique_ptr<IImage> picked;
    TransparencyPicker::Result result{};
    RunWithDriver([&] { result = picker.Pick(image, picked); },
                  [&] {
                    HWND dialog = WaitForWindow(kCaption);
                    EXPECT_NE(dialog, nullptr);
                    if (dialog != nullptr) script(dialog);
                  });
    EXPECT_EQ(result, expected);
    if (!picked) return std::nullopt;
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

TEST_F(PickerTest, OnlyTheLastClickedColourIsKeyedAndClearUndoesIt) {
  // Red left half, blue right half; one pixel transparent in the file.
  Picture halves{8, 4, std::vector<std::uint32_t>(32, 0xFFFF0000)};
  for (int y = 0; y < 4; ++y) {
    for (int x = 4; x < 8; ++x) halves.pixels[y * 8 + x] = 0xFF0000FF;
  }
  halves.pixels[31] = 0x00000000;
  const auto image = Load("halves.png", PngFile(halves, true));

  const auto twoClicks = Pick(
      *image,
      [](HWND dialog) {
        ClickPicture(dialog, 1, 1);
        ClickPicture(dialog, 6, 2);
        PressButton(dialog, IDOK);
      },
      TransparencyPicker::Result::kPicked);
  ASSERT_TRUE(twoClicks);
  EXPECT_EQ(twoClicks->At(1, 1), 0xFFFF0000u);
  EXPECT_EQ(twoClicks->At(5, 0) >> 24, 0u);

  const auto cleared = Pick(
      *image,
      [](HWND dialog) {
        ClickPicture(dialog, 1, 1);
        PressButton(dialog, kClearButton);
        PressButton(dialog, IDOK);
      },
      TransparencyPicker::Result::kPicked);
  ASSERT_TRUE(cleared);
  EXPECT_EQ(TransparentPixels(*cleared), (std::vector<std::pair<int, int>>{{7, 3}}));
  EXPECT_EQ(cleared->At(1, 1), 0xFFFF0000u);
}

TEST_F(PickerTest, OkWithoutAClickKeepsThePaletteAndTheFreeAreaKeysBlack) {
  IndexedPicture sheet{4, 1, {0xFFFF00FF, 0xFF000000}, {0, 1, 0, 1}};
  const auto image = Load("palette.png", PngFile(sheet, 8));

  const auto untouched = Pick(
      *image, [](HWND dialog) { PressButton(dialog, IDOK); }, TransparencyPicker::Result::kPicked);
  ASSERT_TRUE(untouched);
  EXPECT_EQ(untouched->pixels, sheet.Expanded().pixels);

  const auto black = Pick(
      *image,
      [](HWND dialog) {
        // Below the picture, beside the hint text.
        RECT client;
        GetClientRect(dialog, &client);
        ClickAt(dialog, 4, client.bottom - 4);
        PressButton(dialog, IDOK);
      },
      TransparencyPicker::Result::kPicked);
  ASSERT_TRUE(black);
  EXPECT_EQ(TransparentPixels(*black), (std::vector<std::pair<int, int>>{{1, 0}, {3, 0}}));
}

TEST_F(PickerTest, CancelAsksAndOnlyYesGivesUp) {
  const auto image = Load("small.png", PngFile(UniquePicture(4, 4), true));
  std::string question;
  const auto none = Pick(
      *image,
      [&](HWND dialog) {
        ClickPicture(dialog, 1, 1);
        PressButton(dialog, IDCANCEL);
        question = AnswerMessageBox(kGiveUpCaption, IDNO);
        EXPECT_TRUE(IsWindowVisible(dialog));
        PostMessageA(dialog, WM_CLOSE, 0, 0);  // the close box asks the same
        EXPECT_NE(AnswerMessageBox(kGiveUpCaption, IDYES), "<no box>");
      },
      TransparencyPicker::Result::kGiveUp);
  EXPECT_FALSE(none);
  EXPECT_EQ(question,
            "ウィンドウが閉じられようとしています\n以降全ての透過色を自動設定してよろしいですか？");
  EXPECT_FALSE(PickerState::Instance().workingImage);
}

TEST_F(PickerTest, ScrollPositionsFollowReleasedThumbsAndAreKeptBetweenOpenings) {
  const auto large = Load("large.png", PngFile(UniquePicture(1000, 700), true));
  int lastLeft = 0;
  const auto scrolled = Pick(
      *large,
      [&](HWND dialog) {
        const PickerState& state = PickerState::Instance();
        Settle(dialog);
        lastLeft = 1000 - state.viewWidth;
        ASSERT_GT(lastLeft, 0);
        ScrollBy(dialog, kHorizontalScroll, SB_LINERIGHT);
        ScrollBy(dialog, kHorizontalScroll, SB_THUMBTRACK, 300);
        EXPECT_EQ(ScrollPosition(dialog, kHorizontalScroll), 0);
        ScrollBy(dialog, kHorizontalScroll, SB_THUMBPOSITION, 60000);
        ScrollBy(dialog, kVerticalScroll, SB_THUMBPOSITION, 50);
        EXPECT_EQ(ScrollPosition(dialog, kHorizontalScroll), lastLeft);
        EXPECT_EQ(ScrollPosition(dialog, kVerticalScroll), 50);
        // The right edge of the image stands at the right of the picture.
        ClickPicture(dialog, state.viewWidth - 1, 0);
        PressButton(dialog, IDOK);
      },
      TransparencyPicker::Result::kPicked);
  ASSERT_TRUE(scrolled);
  EXPECT_EQ(TransparentPixels(*scrolled), (std::vector<std::pair<int, int>>{{999, 50}}));

  Pick(
      *large,
      [&](HWND dialog) {
        EXPECT_EQ(ScrollPosition(dialog, kHorizontalScroll), lastLeft);
        EXPECT_EQ(ScrollPosition(dialog, kVerticalScroll), 50);
        PressButton(dialog, IDOK);
      },
      TransparencyPicker::Result::kPicked);

  const auto small = Load("small.png", PngFile(UniquePicture(16, 8), true));
  const auto picked = Pick(
      *small,
      [&](HWND dialog) {
        EXPECT_EQ(ScrollPosition(dialog, kHorizontalScroll), 0);
        EXPECT_EQ(ScrollPosition(dialog, kVerticalScroll), 0);
        ClickPicture(dialog, 3, 2);
        PressButton(dialog, IDOK);
      },
      TransparencyPicker::Result::kPicked);
  ASSERT_TRUE(picked);
  EXPECT_EQ(TransparentPixels(*picked), (std::vector<std::pair<int, int>>{{3, 2}}));
}

}  // namespace
