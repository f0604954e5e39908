#include <windows.h>
#include <io.h>

#include <atomic>

#include "common/console_output.h"
#include "common/encoding.h"
#include "common/wide_win32.h"

namespace {

std::atomic<bool> utf8Output{false};

}  // namespace

void WriteText(std::FILE* stream, const std::string& text) {
  const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
  DWORD mode = 0;
  if (handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
    // What the runtime holds for the stream goes first, in order.
    std::fflush(stream);
    const std::wstring wide = Wide(text);
    DWORD written = 0;
    WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
  const std::string bytes = utf8Output ? text : Utf8ToShiftJis(text);
  std::fwrite(bytes.data(), 1, bytes.size(), stream);
}

void UseUtf8Output() { utf8Output = true; }
