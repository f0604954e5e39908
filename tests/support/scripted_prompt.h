#pragma once

#include <deque>
#include <string>
#include <vector>

#include "common/user_prompt.h"

// Answers the core's questions from a script and records what it was asked;
// installed while it lives.
class ScriptedPrompt : public UserPrompt {
 public:
  ScriptedPrompt() { SetUserPrompt(this); }
  ~ScriptedPrompt() override { SetUserPrompt(nullptr); }

  void ShowNotice(const std::string& text) override { notices.push_back(text); }

  int ChooseRule(const std::string& fileName, const std::vector<std::string>& candidates,
                 const IImage&) override {
    questions.push_back({fileName, candidates});
    if (answers.empty()) return kSkipFile;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }

  struct Question {
    std::string fileName;
    std::vector<std::string> candidates;
  };

  std::vector<std::string> notices;
  std::vector<Question> questions;
  std::deque<int> answers;  // for ChooseRule, in order; skip when none is left
};
