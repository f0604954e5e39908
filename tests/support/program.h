#pragma once

#include <string>
#include <vector>

// Runs other programs of the build from tests, as a user at a shell would.

struct ProgramResult {
  int status = -1;  // exit status; -1 when the program could not be run or did not exit
  std::string out;  // what it wrote on the standard output
  std::string err;  // and on the standard error
};

// Runs program with arguments in folder, input on its standard input (a
// file, not a terminal), and waits for it to end.
ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& folder, const std::string& input = std::string());

// The folder of the running test program, ending with the path separator.
std::string TestProgramFolder();
