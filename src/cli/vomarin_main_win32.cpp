// vomarin.exe: the converter on the command line (see vomarin --help).
#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "cli/converter_command.h"
#include "common/console_output.h"
#include "common/messages.h"
#include "common/wide_win32.h"
#include "image/gdiplus_session_win32.h"

// The Windows shell leaves "*.png" to the program: the C runtime expands
// such patterns in the arguments, as a user of the command prompt expects.
int _dowildcard = -1;

int wmain(int argc, wchar_t** argv) {
  // Bytes pass unchanged: lines end in "\n" as in the native build.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  const GdiplusSession gdiplus;
  if (!gdiplus.Started()) {
    WriteText(stderr, std::string("vomarin: ") + Text(Message::kCliNoGdiplus) + "\n");
    return kExitNotConverted;
  }
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back(Utf8(argv[i]));
  return RunConverterCommand(arguments);
}
