#pragma once

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "common/user_prompt.h"

// What one job of the command line shows, kept while other jobs convert
// beside it until its turn comes: the pieces its log and its notices wrote,
// each for the standard output or the standard error, in the order they
// came.
class JobOutput : public UserPrompt {
 public:
  void Add(std::FILE* stream, const std::string& text);

  // A notice of the output step: a line on the standard error, counted.
  void ShowNotice(const std::string& text) override;
  // Rules are chosen on the thread that adds the files: a job asks for none.
  int ChooseRule(const std::string& fileName, const std::vector<std::string>& candidates,
                 const IImage& sheet) override;

  int NoticeCount() const { return notices; }

  // Writes every piece to its stream, in order, each flushed as it was
  // when one job at a time wrote straight to the streams.
  void Print() const;

 private:
  std::vector<std::pair<std::FILE*, std::string>> pieces;
  int notices = 0;
};
