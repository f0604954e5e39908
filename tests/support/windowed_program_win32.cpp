#include "support/windowed_program_win32.h"

#include <algorithm>

#include "common/wide_win32.h"

std::string WinePath(const std::string& linuxPath) {
  std::string path = "Z:" + linuxPath;
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

ProgramUnderTest::ProgramUnderTest(const std::string& program, const std::string& checker,
                                   const std::string& rules) {
  const TempFolder& folder = copyFolder.emplace();
  const std::string name = program.substr(program.find_last_of('\\') + 1);
  executable = folder / name;
  CopyFileW(Wide(program).c_str(), Wide(executable).c_str(), FALSE);
  MakeFolder(folder / "resource");
  CopyFileW(Wide(checker).c_str(), Wide(folder / "resource\\check.bmp").c_str(), FALSE);
  WriteRuleFile(folder / "setting.ini", rules);
}

ProgramUnderTest::ProgramUnderTest(const std::string& installed) : executable(installed) {}

ProgramUnderTest::~ProgramUnderTest() {
  if (process.hProcess == nullptr) return;
  if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, 5000);
  }
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
}

bool ProgramUnderTest::Start() {
  // A start after the last run ended.
  if (process.hProcess != nullptr) {
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    process = {};
  }
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  std::wstring commandLine = Wide("\"" + executable + "\"");
  return CreateProcessW(Wide(executable).c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, Wide(elsewhere.Path()).c_str(), &startup, &process) != FALSE;
}

int ProgramUnderTest::WaitForExit(DWORD timeoutMs) {
  if (WaitForSingleObject(process.hProcess, timeoutMs) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  return static_cast<int>(code);
}
