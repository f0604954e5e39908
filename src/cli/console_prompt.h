#pragma once

#include <string>
#include <vector>

#include "common/user_prompt.h"

// The command line's answers to the core's questions. Notices go to the
// standard error. When several rules fit a file, a person at a terminal
// picks one by its number; without a terminal nobody can, and the file is
// left out with a reason that names the candidates.
class ConsolePrompt : public UserPrompt {
 public:
  explicit ConsolePrompt(bool interactive) : interactive(interactive) {}

  void ShowNotice(const std::string& text) override;
  // Without a terminal, kNobodyToChoose.
  int ChooseRule(const std::string& fileName, const std::vector<std::string>& candidates) override;

 private:
  int Ask(const std::string& fileName, const std::vector<std::string>& candidates);

  bool interactive;
};
