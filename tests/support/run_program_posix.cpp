#include <sys/wait.h>

#include <cstdio>

#include "support/run_program.h"

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments) {
  // Each word in single quotes for the shell, its own quotes closed and escaped.
  auto quoted = [](const std::string& word) {
    std::string text = "'";
    for (const char c : word) text += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return text + "'";
  };
  std::string command = quoted(program);
  for (const std::string& argument : arguments) command += " " + quoted(argument);
  ProgramRun run;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    run.output.append(buffer, got);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}
