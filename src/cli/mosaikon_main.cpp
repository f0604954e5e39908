// mosaikon [--width 128|256] -o OUT.png SHEET...
// Stacks map sheets into one PNG of a fixed width, as the combiner window
// does: sheets in the order given, wider ones cut into strips of the width,
// palette entry 0 transparent.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "combine/combined_sheet_file.h"
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include "image/gdiplus_session_win32.h"
#endif

namespace {

constexpr char kUsage[] =
    "使い方: mosaikon [--width 128|256] -o 出力.png シート...\n"
    "\n"
    "シートを指定の順に上から積み、横幅 128 か 256 ピクセルの1枚の PNG にします。\n"
    "横幅より広いシートは横幅ごとの帯に切り、左から順に下へ積みます。拡大・縮小はしません。\n"
    "パレットを持つ画像は、パレットの0番の色が透明になります。\n"
    "\n"
    "  --width 128|256  結合する横幅（既定: 128）\n"
    "  -o 出力.png      書き出す PNG ファイル（あれば上書きします）\n"
    "  --help           この説明を表示して終わる\n"
    "  --version        版を表示して終わる\n"
    "\n"
    "終了コード: 0 書き出した / 1 読み込めないシートがあった、または書き出せなかった /\n"
    "2 引数の誤り\n";

constexpr int kWritten = 0;
constexpr int kFailed = 1;
constexpr int kUsageError = 2;

struct Arguments {
  int width = 128;
  std::string output;
  std::vector<std::string> sheets;
};

int UsageError(const std::string& problem) {
  std::fprintf(stderr, "mosaikon: %s\n%s", problem.c_str(), kUsage);
  return kUsageError;
}

// Reads the arguments into arguments; an exit status when the program ends
// here (help, version or a usage error), -1 to go on.
int ReadArguments(int argc, char** argv, Arguments& arguments) {
  bool outputGiven = false;
  bool optionsEnded = false;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (optionsEnded || argument.empty() || argument[0] != '-' || argument == "-") {
      arguments.sheets.push_back(argument);
    } else if (argument == "--") {
      optionsEnded = true;
    } else if (argument == "--help" || argument == "-h") {
      std::fputs(kUsage, stdout);
      return kWritten;
    } else if (argument == "--version") {
      std::printf("mosaikon %s (Vomarin+)\n", VOMARIN_VERSION);
      return kWritten;
    } else if (argument == "--width") {
      if (i + 1 >= argc) return UsageError("--width に横幅がありません");
      const std::string width = argv[++i];
      if (width != "128" && width != "256") {
        return UsageError("横幅は 128 か 256 です: " + width);
      }
      arguments.width = width == "128" ? 128 : 256;
    } else if (argument == "-o") {
      if (i + 1 >= argc) return UsageError("-o に出力ファイルがありません");
      if (outputGiven) return UsageError("-o は1つだけ指定できます");
      arguments.output = argv[++i];
      outputGiven = true;
    } else {
      return UsageError("知らないオプションです: " + argument);
    }
  }
  if (arguments.output.empty()) return UsageError("出力ファイル（-o）がありません");
  if (arguments.sheets.empty()) return UsageError("結合するシートがありません");
  return -1;
}

}  // namespace

#ifdef _WIN32
// The Windows shell leaves "*.png" to the program: the C runtime expands
// such patterns in the arguments, as a user of the command prompt expects.
int _dowildcard = -1;
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
  // Lines end in "\n" as in the native build and as vomarin.exe writes them.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
  Arguments arguments;
  const int ended = ReadArguments(argc, argv, arguments);
  if (ended >= 0) return ended;

#ifdef _WIN32
  const GdiplusSession gdiplus;
#endif
  const std::vector<std::string> problems =
      WriteCombinedSheet(arguments.sheets, arguments.width, arguments.output);
  for (const std::string& problem : problems) std::fprintf(stderr, "mosaikon: %s\n", problem.c_str());
  if (!problems.empty()) return kFailed;
  return kWritten;
}
