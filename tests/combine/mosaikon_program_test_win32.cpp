// Mosaikon.exe as a user starts it, and its version record.
#include <windows.h>

#include <gtest/gtest.h>

#include "combine/combiner_texts.h"
#include "combine/combiner_window_win32.h"
#include "common/wide_win32.h"
#include "support/files.h"

namespace {

// The program of this build, on the drive under which wine shows "/".
std::string ProgramPath() {
  std::string path = "Z:" MOSAIKON_WINDOW_PROGRAM;
  for (char& c : path) c = c == '/' ? '\\' : c;
  return path;
}

TEST(MosaikonProgram, StartsEmptyAtWidth128WhateverItsCommandLineSaysAndEndsWithItsWindow) {
  TempFolder folder;
  WriteFile(folder / "a.bmp", "BM");
  std::string commandLine = "\"" + ProgramPath() + "\" \"" + folder / "a.bmp" + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  ASSERT_TRUE(CreateProcessA(ProgramPath().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                             nullptr, folder.Path().c_str(), &startup, &process));
  HWND window = nullptr;
  for (int i = 0; i < 300 && window == nullptr; ++i, Sleep(50))
    window = FindWindowW(nullptr, Wide(kCombinerCaption).c_str());
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(SendDlgItemMessageA(window, kSheetListBox, LB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(SendDlgItemMessageA(window, kRadio128, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, kPreviewScrollBar)));

  PostMessageA(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
    ADD_FAILURE() << "Mosaikon did not end with its window";
    TerminateProcess(process.hProcess, 1);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

TEST(MosaikonProgram, CarriesItsVersionRecordInJapanese) {
  const std::string path = ProgramPath();
  DWORD handle = 0;
  std::vector<char> record(GetFileVersionInfoSizeW(Wide(path).c_str(), &handle));
  ASSERT_FALSE(record.empty());
  ASSERT_TRUE(GetFileVersionInfoW(Wide(path).c_str(), 0, static_cast<DWORD>(record.size()),
                                  record.data()));
  auto text = [&](const std::string& name) {
    wchar_t* value = nullptr;
    UINT length = 0;
    const std::wstring key = Wide("\\StringFileInfo\\041104B0\\" + name);
    return VerQueryValueW(record.data(), key.c_str(), reinterpret_cast<void**>(&value), &length)
               ? Utf8(value)
               : "<none>";
  };
  EXPECT_EQ(text("FileDescription"), "付属ツール マップ素材結合");
  EXPECT_EQ(text("ProductName"), "Vomarin+");
  EXPECT_EQ(text("FileVersion"), "1.0.0.0");
  EXPECT_EQ(text("ProductVersion"), "1.0.0.0");
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
}

}  // namespace
