#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <thread>
#include <vector>

#include "support/files.h"
#include "support/program.h"

ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& folder, const std::string& input,
                         std::chrono::milliseconds timeLimit, const std::string& locale) {
  // Files, not pipes: nothing can fill up while nobody reads.
  const TempFolder capture;
  const std::string inPath = capture / "in", outPath = capture / "out", errPath = capture / "err";
  WriteFile(inPath, input);

  std::vector<std::string> words{program};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  std::vector<std::string> settings{"LANG=" + locale};
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string setting = *entry;
    const std::string name = setting.substr(0, setting.find('='));
    if (name != "LANG" && name != "LC_ALL" && name != "LC_MESSAGES") settings.push_back(setting);
  }
  std::vector<char*> envp;
  for (std::string& setting : settings) envp.push_back(setting.data());
  envp.push_back(nullptr);

  ProgramResult result;
  const pid_t child = fork();
  if (child == 0) {
    const int in = open(inPath.c_str(), O_RDONLY);
    const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (in < 0 || out < 0 || err < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0 ||
        chdir(folder.c_str()) != 0) {
      _exit(127);
    }
    execve(argv[0], argv.data(), envp.data());
    _exit(127);
  }
  if (child < 0) return result;
  int status = 0;
  const auto deadline = std::chrono::steady_clock::now() + timeLimit;
  for (;;) {
    const pid_t ended = waitpid(child, &status, timeLimit.count() > 0 ? WNOHANG : 0);
    if (ended == child) break;
    if (ended < 0) continue;  // interrupted
    if (std::chrono::steady_clock::now() >= deadline) {
      kill(child, SIGKILL);
      while (waitpid(child, &status, 0) < 0) {
      }
      result.timedOut = true;
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (WIFEXITED(status)) result.status = WEXITSTATUS(status);
  result.out = ReadFile(outPath);
  result.err = ReadFile(errPath);
  return result;
}

std::string TestProgramFolder() {
  std::vector<char> buffer(PATH_MAX + 1, '\0');
  const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  std::string path(buffer.data(), length > 0 ? static_cast<std::size_t>(length) : 0);
  return path.substr(0, path.rfind('/') + 1);
}

unsigned long EndedProcess() {
  const pid_t child = fork();
  if (child < 0) return 0;
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);
  return static_cast<unsigned long>(child);
}

unsigned long ThisProcess() { return static_cast<unsigned long>(getpid()); }
