// Linked into every Windows test program that makes images: GDI+ is started
// before the first test and shut down after the last, as the programs do at
// start-up and exit.
// GDI+ needs the Windows and COM types declared first.
// clang-format off
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
// clang-format on

#include <gtest/gtest.h>

namespace {

class GdiplusEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    Gdiplus::GdiplusStartupInput input;
    ASSERT_EQ(Gdiplus::GdiplusStartup(&token, &input, nullptr), Gdiplus::Ok);
  }
  void TearDown() override { Gdiplus::GdiplusShutdown(token); }

 private:
  ULONG_PTR token = 0;
};

testing::Environment* const environment = testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

}  // namespace
