#include <windows.h>

#include "common/encoding.h"
#include "common/wide_win32.h"
#include "support/files.h"
#include "support/program.h"

namespace {

// One argument as the C runtime splits a command line back into argv.
std::string Quoted(const std::string& argument) {
  std::string quoted = "\"";
  std::size_t backslashes = 0;
  for (const char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, '\\');
  return quoted + "\"";
}

// What a program wrote to a file, as the tests' UTF-8: the programs write
// Shift-JIS there, as scripts read them, unless --utf8 asks for UTF-8. Code
// page 932 reads back the wave dash of the programs' texts (U+301C) as a
// full-width tilde (U+FF5E); the tests' literals keep the wave dash.
std::string AsText(const std::string& written, const std::vector<std::string>& arguments) {
  for (const std::string& argument : arguments) {
    if (argument == "--utf8") return written;
  }
  std::string text = ShiftJisToUtf8(written);
  const std::string tilde = "\xEF\xBD\x9E", waveDash = "\xE3\x80\x9C";
  for (auto at = text.find(tilde); at != std::string::npos; at = text.find(tilde, at)) {
    text.replace(at, tilde.size(), waveDash);
  }
  return text;
}

HANDLE OpenInherited(const std::string& path, bool write) {
  SECURITY_ATTRIBUTES security = {sizeof security, nullptr, TRUE};
  return CreateFileW(Wide(path).c_str(), write ? GENERIC_WRITE : GENERIC_READ,
                     FILE_SHARE_READ | FILE_SHARE_WRITE, &security,
                     write ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& folder, const std::string& input,
                         std::chrono::milliseconds timeLimit, const std::string&) {
  // The locale is not passed on: a Windows program takes its language from
  // the user's settings, which the test session makes Japanese.
  // Files, not pipes: nothing can fill up while nobody reads.
  const TempFolder capture;
  const std::string inPath = capture / "in", outPath = capture / "out", errPath = capture / "err";
  WriteFile(inPath, input);

  std::string commandLine = Quoted(program);
  for (const std::string& argument : arguments) commandLine += " " + Quoted(argument);

  ProgramResult result;
  std::wstring wideCommandLine = Wide(commandLine);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = OpenInherited(inPath, false);
  startup.hStdOutput = OpenInherited(outPath, true);
  startup.hStdError = OpenInherited(errPath, true);
  PROCESS_INFORMATION process = {};
  const BOOL started =
      CreateProcessW(Wide(program).c_str(), wideCommandLine.data(), nullptr, nullptr, TRUE,
                     CREATE_NO_WINDOW, nullptr, Wide(folder).c_str(), &startup, &process);
  CloseHandle(startup.hStdInput);
  CloseHandle(startup.hStdOutput);
  CloseHandle(startup.hStdError);
  if (!started) return result;
  const DWORD wait = timeLimit.count() > 0 ? static_cast<DWORD>(timeLimit.count()) : INFINITE;
  if (WaitForSingleObject(process.hProcess, wait) == WAIT_TIMEOUT) {
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, INFINITE);
    result.timedOut = true;
  }
  DWORD status = 0;
  GetExitCodeProcess(process.hProcess, &status);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  result.status = result.timedOut ? -1 : static_cast<int>(status);
  result.out = AsText(ReadFile(outPath), arguments);
  result.err = AsText(ReadFile(errPath), arguments);
  return result;
}

std::string TestProgramFolder() {
  wchar_t buffer[5120] = {};
  const DWORD length = GetModuleFileNameW(nullptr, buffer, 5119);
  const std::string path = Utf8(std::wstring(buffer, length));
  return path.substr(0, path.rfind('\\') + 1);
}

unsigned long EndedProcess() {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  wchar_t command[] = L"cmd.exe /c exit";
  if (!CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                      nullptr, &startup, &process)) {
    return 0;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return process.dwProcessId;
}

unsigned long ThisProcess() { return GetCurrentProcessId(); }
