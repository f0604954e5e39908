// Vomarin+.exe itself, started as a user starts it and driven through its
// windows from this process.
#include <gtest/gtest.h>

#include "support/image_files.h"
#include "support/ui_driver_win32.h"
#include "support/windowed_program_win32.h"

namespace {

const std::string kProgram = WinePath(VOMARIN_PROGRAM);
const std::string kChecker = WinePath(VOMARIN_CHECKER);

TEST(Program, ConvertsAFileOpenedInItsWindowWithThePickedColour) {
  TempFolder maps;
  IndexedPicture sheet{4, 1, {0xFFFF00FF, 0xFF00FF00}, {0, 1, 0, 1}};
  WriteFile(maps / "地図.png", PngFile(sheet, 8));
  ProgramUnderTest program(kProgram, kChecker,
                           "[Process]\r\n4,1=Copy\r\n[Copy]\r\nReplace=0\r\nNameFoot=_c\r\n");
  ASSERT_TRUE(program.Start());
  const DWORD id = program.Id();
  HWND main = WaitForWindow("Vomarin+", 30000, id);
  ASSERT_NE(main, nullptr);

  // The rule file next to the program is found after the open dialog.
  PressButton(main, 200);
  AnswerFileDialog("ファイルを開く", maps / "地図.png", 10000, id);
  const std::string listed =
      "以下のように判別されました\r\nさらにファイルを追加できます→\r\n"
      "開始ボタンで処理を開始します\r\n\r\n[Copy]\r\n 地図.png\r\n";
  EXPECT_EQ(AwaitControlText(main, 100, listed), listed);

  SendMessageTimeoutA(GetDlgItem(main, 301), BM_SETCHECK, BST_CHECKED, 0, SMTO_NORMAL, 5000,
                      nullptr);
  PressButton(main, IDOK);
  HWND picker = WaitForWindow("Vomarin+  透過色の決定", 10000, id);
  ASSERT_NE(picker, nullptr);
  POINT green = {1, 0};
  MapWindowPoints(GetDlgItem(picker, 100), picker, &green, 1);
  ClickAt(picker, green.x, green.y);
  PressButton(picker, IDOK);
  EXPECT_EQ(AnswerMessageBox("作業の完了", IDNO, 10000, id),
            "変換が正常に完了しました。\n生成画像は元画像と同じ場所に出力されています。\n\n"
            "続けて他のファイルも処理しますか？");
  EXPECT_EQ(program.WaitForExit(), 0);

  const Picture out = ReadPngFile(ReadFile(maps / "地図\\[V]地図_c.png"));
  EXPECT_EQ(out.pixels, (std::vector<std::uint32_t>{0xFFFF00FF, 0, 0xFFFF00FF, 0}));
}

TEST(Program, CarriesItsIconVersionAndManifest) {
  DWORD ignored = 0;
  std::string record(GetFileVersionInfoSizeA(kProgram.c_str(), &ignored), '\0');
  ASSERT_FALSE(record.empty());
  ASSERT_TRUE(GetFileVersionInfoA(kProgram.c_str(), 0, record.size(), record.data()));
  char* product = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(record.data(), "\\StringFileInfo\\041104B0\\ProductName",
                             reinterpret_cast<void**>(&product), &length));
  EXPECT_STREQ(product, "Vomarin+");
  VS_FIXEDFILEINFO* fixed = nullptr;
  ASSERT_TRUE(VerQueryValueA(record.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);

  HMODULE module = LoadLibraryExA(kProgram.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(1), RT_GROUP_ICON), nullptr);
  EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST), nullptr);
  for (const wchar_t* dialog : {L"MAIN", L"PROGRESS", L"TRANSPARENT", L"SELECT"}) {
    EXPECT_NE(FindResourceW(module, dialog, RT_DIALOG), nullptr) << dialog;
  }
  FreeLibrary(module);
}

// The main window's check boxes 301, 302 and 304 as "0"/"1".
std::string Boxes(HWND main) {
  std::string boxes;
  for (const int id : {301, 302, 304}) {
    DWORD_PTR state = 0;
    SendMessageTimeoutA(GetDlgItem(main, id), BM_GETCHECK, 0, 0, SMTO_NORMAL, 5000, &state);
    boxes += state == BST_CHECKED ? "1" : "0";
  }
  return boxes;
}

TEST(Program, KeepsItsCheckBoxesAndLanguageInAFileOfItsOwn) {
  ProgramUnderTest program(kProgram, kChecker, "[Process]\r\n4,1=Copy\r\n[Copy]\r\nReplace=0\r\n");
  const std::string options = program.Folder() + "\\Vomarin+.options";
  // Each start: what the boxes show at opening, then the clicks of the user.
  const struct {
    const char* before;  // the file before the start, or null for none
    const char* shown;
    std::vector<int> clicks;
    const char* indexTableText;
  } starts[] = {
      {nullptr, "000", {302, 304}, "対応表を書く"},
      {"", "011", {301, 302}, "対応表を書く"},
      // Damaged: the defaults.
      {"\xff\xfe garbage\r\nWriteIndexTable=maybe\r\n", "000", {}, "対応表を書く"},
      {"Language=en\nCombineMaps=1\n", "010", {304, 304}, "Write index tables"},
  };
  for (const auto& start : starts) {
    if (start.before != nullptr && *start.before != '\0') WriteFile(options, start.before);
    ASSERT_TRUE(program.Start());
    HWND main = WaitForWindow("Vomarin+", 30000, program.Id());
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(Boxes(main), start.shown) << start.shown;
    for (const int id : start.clicks) {
      SendMessageTimeoutA(GetDlgItem(main, id), BM_CLICK, 0, 0, SMTO_NORMAL, 5000, nullptr);
    }
    EXPECT_EQ(AwaitControlText(main, 304, start.indexTableText), start.indexTableText);
    PressButton(main, IDCANCEL);
    EXPECT_EQ(program.WaitForExit(), 0);
  }
  // The boxes as the user left them, with the language that the user wrote.
  EXPECT_EQ(ReadFile(options),
            "ChooseTransparency=0\nCombineMaps=1\nWriteIndexTable=0\nLanguage=en\n");
}

}  // namespace
