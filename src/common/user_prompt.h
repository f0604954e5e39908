#pragma once

#include <string>
#include <vector>

// The questions and notices that the core puts to the user. The Windows
// program answers them with its message boxes and dialogs, the command line
// on the terminal, tests from a script. Front ends install theirs at start.
class UserPrompt {
 public:
  // Results of ChooseRule besides a candidate's index.
  static constexpr int kSkipFile = -1;        // the user passes this file over
  static constexpr int kStopAdding = -2;      // the user stops adding this and every later file
  static constexpr int kNobodyToChoose = -3;  // no one is there to choose: the file is left out

  virtual ~UserPrompt() = default;

  // A notice that waits for the user's OK.
  virtual void ShowNotice(const std::string& text) = 0;

  // Several rules fit the file: the index of the one the user picks from
  // candidates, kSkipFile, kStopAdding or kNobodyToChoose.
  virtual int ChooseRule(const std::string& fileName,
                         const std::vector<std::string>& candidates) = 0;
};

// The prompt in use: on a thread with a ThreadUserPrompt, that one;
// otherwise the one a front end installed, and until then a default whose
// notices go to the standard error stream and whose choices skip the file.
UserPrompt& CurrentUserPrompt();

// Installs prompt (not owned) for the process; nullptr returns to the default.
void SetUserPrompt(UserPrompt* prompt);

// While it lives, CurrentUserPrompt() on the thread that made it is prompt:
// a job that runs beside others keeps its notices with its own output.
class ThreadUserPrompt {
 public:
  explicit ThreadUserPrompt(UserPrompt& prompt);
  ~ThreadUserPrompt();
  ThreadUserPrompt(const ThreadUserPrompt&) = delete;
  ThreadUserPrompt& operator=(const ThreadUserPrompt&) = delete;

 private:
  UserPrompt* previous;
};
