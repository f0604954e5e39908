// The programs on a Windows whose code page is not Japanese (wine under
// LANG=C.UTF-8, code page 1252): names in any script, both kinds of rule
// file, and the windows in English, as a user outside Japan meets them.
#include <gtest/gtest.h>

#include "support/files.h"
#include "support/image_files.h"
#include "support/program.h"
#include "support/ui_driver_win32.h"
#include "support/windowed_program_win32.h"

namespace {

const std::string kWindowed = WinePath(VOMARIN_WINDOWED);
const std::string kConsole = WinePath(VOMARIN_CONSOLE);
const std::string kChecker = WinePath(VOMARIN_CHECKER);

const std::vector<std::string> kNames = {"草原", "中文地图", "한국어", "Ångström"};

std::string Sheet() { return PngFile(Picture{2, 2, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF}}, true); }

TEST(OtherLocale, TheConsoleProgramConvertsNamesInAnyScriptByEitherKindOfRuleFile) {
  ASSERT_NE(GetACP(), 932u) << "the test needs a code page other than Japanese";
  const struct {
    const char* what;
    std::string ruleFile;  // bytes
    std::string rule;
  } cases[] = {
      {"Shift-JIS with Japanese rule names",
       "[Process]\r\ndefault=\x83\x5e\x83\x43\x83\x8b\r\n[\x83\x5e\x83\x43\x83\x8b]\r\nNameFoot=_t\r\n",
       "タイル"},
      {"UTF-8 with its mark and Korean rule names",
       "\xEF\xBB\xBF[Process]\r\ndefault=타일\r\n[타일]\r\nNameFoot=_t\r\n", "타일"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const TempFolder maps;
    WriteFile(maps / "setting.ini", c.ruleFile);
    std::vector<std::string> files;
    std::string listed = "[" + c.rule + "]\n";
    for (const std::string& name : kNames) {
      WriteFile(maps / (name + ".png"), Sheet());
      files.push_back(name + ".png");
      listed += " " + name + ".png\n";
    }
    files.push_back("--utf8");
    const ProgramResult run = RunProgram(kConsole, files, maps.Path());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, listed.size()), listed);
    EXPECT_NE(run.out.find("Processing:"), std::string::npos) << run.out;
    for (const std::string& name : kNames) {
      EXPECT_EQ(ListFolder(maps / name), std::vector<std::string>{"[V]" + name + "_t.png"});
    }
  }
}

TEST(OtherLocale, APathLongerThanTwoHundredSixtyCharactersConverts) {
  const TempFolder root;
  std::string folder = root.Path();
  for (int i = 0; folder.size() < 300; ++i) {
    folder += "\\長いフォルダの名前_" + std::string(20, static_cast<char>('0' + i % 10));
    MakeFolder(folder);
  }
  WriteFile(folder + "\\setting.ini", "[Process]\r\ndefault=Copy\r\n[Copy]\r\nNameFoot=_c\r\n");
  WriteFile(folder + "\\草原.png", Sheet());
  const ProgramResult run = RunProgram(kConsole, {"--utf8", folder + "\\草原.png"}, folder);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ListFolder(folder + "\\草原"), std::vector<std::string>{"[V]草原_c.png"});
}

TEST(OtherLocale, TheWindowedProgramSpeaksEnglishAndConvertsDroppedFilesInAnyScript) {
  const TempFolder maps;
  std::vector<std::string> paths;
  for (const std::string& name : kNames) {
    paths.push_back(maps / (name + ".png"));
    WriteFile(paths.back(), Sheet());
  }
  ProgramUnderTest program(kWindowed, kChecker,
                           "[Process]\r\ndefault=Copy\r\n[Copy]\r\nNameFoot=_c\r\n");
  ASSERT_TRUE(program.Start());
  const DWORD id = program.Id();
  HWND main = WaitForWindow("Vomarin+", 30000, id);
  ASSERT_NE(main, nullptr);
  Settle(main);
  const struct {
    int id;
    const char* text;
  } controls[] = {{6, "File list:"}, {200, "Open file"},     {300, "Clear list"},
                  {301, "Pick transparency"}, {302, "Combine maps"}, {IDOK, "Start"},
                  {IDCANCEL, "Cancel"}};
  for (const auto& control : controls) EXPECT_EQ(ControlText(main, control.id), control.text);

  PressButton(main, IDOK);
  EXPECT_EQ(AnswerMessageBox("Please add files", IDOK, 10000, id),
            "There is nothing to process.\nPlease add files.");

  DropFiles(main, paths);
  std::string listed =
      "Classified as follows\r\nYou can add more files →\r\n"
      "Start begins the run\r\n\r\n[Copy]\r\n";
  for (const std::string& name : kNames) listed += " " + name + ".png\r\n";
  EXPECT_EQ(AwaitControlText(main, 100, listed), listed);
  PressButton(main, IDOK);
  EXPECT_NE(AnswerMessageBox("Work complete", IDNO, 20000, id).find("completed"),
            std::string::npos);
  EXPECT_EQ(program.WaitForExit(), 0);
  for (const std::string& name : kNames) {
    EXPECT_EQ(ListFolder(maps / name), std::vector<std::string>{"[V]" + name + "_c.png"});
  }
}

}  // namespace
