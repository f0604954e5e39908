#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "common/path.h"

// Runs other programs of the build from tests, as a user at a shell would.

struct ProgramResult {
  int status = -1;        // exit status; -1 when the program could not be run or did not exit
  std::string out;        // what it wrote on the standard output
  std::string err;        // and on the standard error
  bool timedOut = false;  // it was still running at the time limit and was killed
};

// The locale that programs run in unless a test names another: Japanese,
// whose texts the tests compare, whatever the locale of the machine.
inline constexpr char kJapaneseLocale[] = "ja_JP.UTF-8";

// Runs program with arguments in folder, input on its standard input (a
// file, not a terminal), and waits for it to end; with a time limit above
// zero, for that long at most, after which the program is killed. Natively
// the program's environment is the test's with LANG set to locale and
// without LC_ALL and LC_MESSAGES, which would come before LANG; on Windows
// the program has the user's language whatever the locale.
ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& folder, const std::string& input = std::string(),
                         std::chrono::milliseconds timeLimit = std::chrono::milliseconds::zero(),
                         const std::string& locale = kJapaneseLocale);

// The id of a process that was running a moment ago and has ended (0 when
// none could be started), and the id of this one.
unsigned long EndedProcess();
unsigned long ThisProcess();

// The lines of a program's output, without their line ends.
inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::string::size_type start = 0;
  while (start < text.size()) {
    const auto end = text.find('\n', start);
    lines.push_back(text.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lines;
}

// The folder of the running test program, ending with the path separator.
std::string TestProgramFolder();

// A program of the build given by its path relative to the test program's
// folder, "/" separated.
inline std::string ProgramOfTheBuild(const std::string& relative) {
  std::string program = TestProgramFolder() + relative;
  for (char& c : program) {
    if (c == '/') c = kPathSeparator;
  }
  return program;
}
