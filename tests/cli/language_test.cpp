// The language of both command-line programs: the system's (natively the
// locale's LANG), or the one --lang names wherever it stands on the line;
// a --lang that names no language is a usage error in the system's.
#include <gtest/gtest.h>

#include "support/files.h"
#include "support/image_files.h"
#include "support/program.h"

namespace {

constexpr char kEnglishLocale[] = "C.UTF-8";

struct Case {
  const char* program;
  const char* locale;
  std::vector<std::string> arguments;
  int status;
  std::string expected;  // found in the standard output followed by the standard error
};

TEST(ProgramLanguage, TheLocaleOrLangChoosesJapaneseOrEnglish) {
  TempFolder folder;
  WriteFile(folder / "setting.ini", "[Process]\ndefault=A/B\n[A]\nSpecific=a\n[B]\nSpecific=b\n");
  WriteFile(folder / "x.png",
            PngFile(Picture{2, 2, std::vector<std::uint32_t>(4, 0xFF336699)}, true));

  const char* const ja = kJapaneseLocale;
  const char* const en = kEnglishLocale;
  const Case cases[] = {
      // --help
      {VOMARIN_PROGRAM, ja, {"--help"}, 0, "使い方: vomarin [--setting FILE]"},
      {VOMARIN_PROGRAM, en, {"--lang", "ja", "--help"}, 0, "使い方: vomarin [--setting FILE]"},
      {VOMARIN_PROGRAM, ja, {"--help", "--lang=en"}, 0, "Usage: vomarin [--setting FILE]"},
      {MOSAIKON_PROGRAM, ja, {"--help"}, 0, "使い方: mosaikon [--width 128|256]"},
      {MOSAIKON_PROGRAM, ja, {"--help", "--lang", "en"}, 0, "Usage: mosaikon [--width 128|256]"},
      // A usage error, and its language chosen after it on the line.
      {VOMARIN_PROGRAM,
       ja,
       {"--bogus"},
       2,
       "vomarin: 不明なオプションです: --bogus\n詳しくは vomarin --help を見て下さい\n"},
      {VOMARIN_PROGRAM,
       ja,
       {"--bogus", "--lang", "en"},
       2,
       "vomarin: unknown option: --bogus\nSee vomarin --help for more\n"},
      {MOSAIKON_PROGRAM,
       en,
       {"x.png", "--lang", "ja"},
       2,
       "mosaikon: 出力ファイル（-o）がありません\n使い方: mosaikon"},
      {MOSAIKON_PROGRAM,
       ja,
       {"--lang", "en", "x.png"},
       2,
       "mosaikon: no output file (-o)\nUsage: mosaikon"},
      // A language that is none: the system's language says so.
      {VOMARIN_PROGRAM,
       ja,
       {"--lang", "fr", "--help"},
       2,
       "vomarin: --langにはjaかenを指定してください: fr\n"},
      {MOSAIKON_PROGRAM,
       ja,
       {"--lang", "EN", "--help"},
       2,
       "mosaikon: --langにはjaかenを指定してください: EN\n"},
      // The reason a file is left out of the list.
      {VOMARIN_PROGRAM, ja, {"--dry-run", "x.png"}, 1, "[その他]\n 該当なし - x.png\n"},
      {VOMARIN_PROGRAM,
       ja,
       {"--lang", "en", "--dry-run", "x.png"},
       1,
       "[Other]\n no rule fits - x.png\n"},
#ifndef _WIN32
      // Natively the locale chooses; Windows takes the user's language.
      {VOMARIN_PROGRAM, en, {"--help"}, 0, "Usage: vomarin [--setting FILE]"},
      {MOSAIKON_PROGRAM, en, {"--help"}, 0, "Usage: mosaikon [--width 128|256]"},
      {VOMARIN_PROGRAM,
       en,
       {"--bogus"},
       2,
       "vomarin: unknown option: --bogus\nSee vomarin --help for more\n"},
      {VOMARIN_PROGRAM, en, {"--lang", "fr"}, 2, "vomarin: --lang takes ja or en: fr\n"},
      {MOSAIKON_PROGRAM, en, {"--lang"}, 2, "mosaikon: --lang needs a value\n"},
      {VOMARIN_PROGRAM, en, {"--dry-run", "x.png"}, 1, "[Other]\n no rule fits - x.png\n"},
#endif
  };
  for (const Case& c : cases) {
    const ProgramResult run =
        RunProgram(ProgramOfTheBuild(c.program), c.arguments, folder.Path(), std::string(),
                   std::chrono::milliseconds::zero(), c.locale);
    const std::string output = run.out + run.err;
    SCOPED_TRACE(std::string(c.program) + " in " + c.locale + ": " + c.expected);
    EXPECT_EQ(run.status, c.status) << output;
    EXPECT_NE(output.find(c.expected), std::string::npos) << output;
  }
}

}  // namespace
