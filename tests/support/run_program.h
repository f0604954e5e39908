#pragma once

#include <string>
#include <vector>

// Runs a program of the build with arguments and waits for it: its exit
// status and what it wrote to its standard output and error, together.
// Windows: a program path such as /work/.../x.exe is taken as wine's Z:.
struct ProgramRun {
  int status = -1;
  std::string output;
};

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments);
