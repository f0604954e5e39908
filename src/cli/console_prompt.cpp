#include "cli/console_prompt.h"

#include <cstdio>
#include <cstdlib>

#include "common/console_output.h"
#include "common/messages.h"

void ConsolePrompt::ShowNotice(const std::string& text) {
  WriteText(stderr, text + "\n");
  std::fflush(stderr);
}

int ConsolePrompt::ChooseRule(const std::string& fileName,
                              const std::vector<std::string>& candidates) {
  return interactive ? Ask(fileName, candidates) : kNobodyToChoose;
}

int ConsolePrompt::Ask(const std::string& fileName, const std::vector<std::string>& candidates) {
  // The same question as the windowed program's box, then its list.
  WriteText(stderr, Text(Message::kRuleNotTold, {fileName}));
  WriteText(stderr, Text(Message::kCliChooseRuleHeading, {fileName}));
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    WriteText(stderr, "  " + std::to_string(i + 1) + ": " + candidates[i] + "\n");
  }
  WriteText(stderr, Text(Message::kCliSkipOrStop));
  for (;;) {
    WriteText(stderr, Text(Message::kCliChoose));
    std::fflush(stderr);
    char line[256];
    if (std::fgets(line, sizeof line, stdin) == nullptr) {
      WriteText(stderr, "\n");
      return kSkipFile;  // the input has ended: nobody is there to choose
    }
    std::string answer = line;
    while (!answer.empty() &&
           (answer.back() == '\n' || answer.back() == '\r' || answer.back() == ' ')) {
      answer.pop_back();
    }
    if (answer.empty()) return 0;
    if (answer == "s" || answer == "S") return kSkipFile;
    if (answer == "q" || answer == "Q") return kStopAdding;
    char* end = nullptr;
    const long number = std::strtol(answer.c_str(), &end, 10);
    if (*end == '\0' && number >= 1 && number <= static_cast<long>(candidates.size())) {
      return static_cast<int>(number - 1);
    }
    WriteText(stderr, Text(Message::kCliChoiceRange, {std::to_string(candidates.size())}) + "\n");
  }
}
