#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "support/files.h"

// The Windows path of a file named by a Linux path, as wine maps it (the
// build passes its file names to tests as Linux paths).
std::string WinePath(const std::string& linuxPath);

// A program of the build run as a user runs it: copied into a folder of its
// own with a rule file and the checker texture beside it, or left where it
// was installed, and started from another working directory, so that it must
// find them itself.
class ProgramUnderTest {
 public:
  // program and checker are Windows paths; rules is the text of setting.ini.
  ProgramUnderTest(const std::string& program, const std::string& checker,
                   const std::string& rules);
  // The program at the Windows path installed, with whatever lies beside it.
  explicit ProgramUnderTest(const std::string& installed);
  // Ends the program if it still runs.
  ~ProgramUnderTest();
  ProgramUnderTest(const ProgramUnderTest&) = delete;
  ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

  // Starts the program, again once it has ended; false when it could not
  // be started.
  bool Start();
  DWORD Id() const { return process.dwProcessId; }
  // The folder the program was copied into.
  const std::string& Folder() const { return copyFolder->Path(); }
  // Waits for the program to end; its exit code, or -1 when it still runs
  // after timeoutMs.
  int WaitForExit(DWORD timeoutMs = 20000);

 private:
  std::optional<TempFolder> copyFolder;
  TempFolder elsewhere;
  std::string executable;
  PROCESS_INFORMATION process = {};
};
