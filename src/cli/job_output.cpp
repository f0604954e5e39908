#include "cli/job_output.h"
#include "common/console_output.h"

void JobOutput::Add(std::FILE* stream, const std::string& text) {
  if (!text.empty()) pieces.emplace_back(stream, text);
}

void JobOutput::ShowNotice(const std::string& text) {
  ++notices;
  Add(stderr, text + "\n");
}

int JobOutput::ChooseRule(const std::string&, const std::vector<std::string>&) { return kSkipFile; }

void JobOutput::Print() const {
  for (const auto& [stream, text] : pieces) {
    WriteText(stream, text);
    std::fflush(stream);
  }
}
