// mosaikon [--width 128|256] -o OUT.png SHEET...
// Stacks map sheets into one PNG of a fixed width, as the combiner window
// does: sheets in the order given, wider ones cut into strips of the width,
// palette entry 0 transparent.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/usage_error.h"
#include "combine/combined_sheet_file.h"
#include "common/console_output.h"
#include "common/messages.h"
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include "common/wide_win32.h"
#include "image/gdiplus_session_win32.h"
#endif

namespace {

constexpr int kWritten = 0;
constexpr int kFailed = 1;
constexpr int kUsageError = 2;

struct Arguments {
  int width = 128;
  std::string output;
  std::vector<std::string> sheets;
  std::optional<Language> language;
  bool help = false;
  bool version = false;
  std::optional<UsageError> error;

  // Whichever of help, version and a mistake comes first is the answer.
  bool Answered() const { return help || version || error; }
};

// Reads the arguments to the end, so that a --lang anywhere chooses the
// language of the answer.
Arguments ReadArguments(const std::vector<std::string>& argv) {
  const std::size_t argc = argv.size();
  Arguments arguments;
  const auto note = [&arguments](UsageError mistake) {
    if (!arguments.Answered()) arguments.error = std::move(mistake);
  };
  bool outputGiven = false;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < argc; ++i) {
    const std::string& argument = argv[i];
    if (optionsEnded || argument.empty() || argument[0] != '-' || argument == "-") {
      arguments.sheets.push_back(argument);
    } else if (argument == "--") {
      optionsEnded = true;
    } else if (argument == "--help" || argument == "-h") {
      if (!arguments.Answered()) arguments.help = true;
    } else if (argument == "--version") {
      if (!arguments.Answered()) arguments.version = true;
    } else if (argument == "--utf8") {
      UseUtf8Output();
    } else if (argument == "--lang") {
      if (i + 1 >= argc) {
        note({Message::kCliValueNeeded, {argument}});
      } else if (auto mistake = ReadLanguageOption(argv[++i], arguments.language)) {
        note(*mistake);
      }
    } else if (argument == "--width") {
      if (i + 1 >= argc) {
        note({Message::kCliMosaikonNoWidth, {}});
        continue;
      }
      const std::string width = argv[++i];
      if (width != "128" && width != "256") note({Message::kCliMosaikonBadWidth, {width}});
      arguments.width = width == "256" ? 256 : 128;
    } else if (argument == "-o") {
      if (i + 1 >= argc) {
        note({Message::kCliMosaikonNoOutputValue, {}});
        continue;
      }
      if (outputGiven) note({Message::kCliMosaikonOneOutput, {}});
      arguments.output = argv[++i];
      outputGiven = true;
    } else {
      note({Message::kCliMosaikonUnknownOption, {argument}});
    }
  }
  if (arguments.output.empty()) note({Message::kCliMosaikonNoOutput, {}});
  if (arguments.sheets.empty()) note({Message::kCliMosaikonNoSheets, {}});
  return arguments;
}

}  // namespace

#ifdef _WIN32
// The Windows shell leaves "*.png" to the program: the C runtime expands
// such patterns in the arguments, as a user of the command prompt expects.
int _dowildcard = -1;
#endif

namespace {

int RunMosaikon(const std::vector<std::string>& argv) {
  const Arguments arguments = ReadArguments(argv);
  if (arguments.language) SetLanguage(*arguments.language);
  if (arguments.help) {
    WriteText(stdout, Text(Message::kCliMosaikonUsage));
    return kWritten;
  }
  if (arguments.version) {
    WriteText(stdout, std::string("mosaikon ") + VOMARIN_VERSION + " (Vomarin+)\n");
    return kWritten;
  }
  if (arguments.error) {
    WriteText(stderr, "mosaikon: " + arguments.error->Text() + "\n" +
                          Text(Message::kCliMosaikonUsage));
    return kUsageError;
  }

#ifdef _WIN32
  const GdiplusSession gdiplus;
#endif
  const std::vector<std::string> problems =
      WriteCombinedSheet(arguments.sheets, arguments.width, arguments.output);
  for (const std::string& problem : problems)
    WriteText(stderr, "mosaikon: " + problem + "\n");
  if (!problems.empty()) return kFailed;
  return kWritten;
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
  // Lines end in "\n" as in the native build and as vomarin.exe writes them.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back(Utf8(argv[i]));
  return RunMosaikon(arguments);
}
#else
int main(int argc, char** argv) {
  return RunMosaikon(std::vector<std::string>(argv + 1, argv + argc));
}
#endif
