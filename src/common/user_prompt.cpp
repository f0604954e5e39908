#include "common/user_prompt.h"

#include <cstdio>

namespace {

class StandardErrorPrompt : public UserPrompt {
 public:
  void ShowNotice(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
  int ChooseRule(const std::string&, const std::vector<std::string>&, const IImage&) override {
    return kSkipFile;
  }
};

StandardErrorPrompt standardErrorPrompt;
UserPrompt* installed = nullptr;
thread_local UserPrompt* threadPrompt = nullptr;

}  // namespace

UserPrompt& CurrentUserPrompt() {
  if (threadPrompt != nullptr) return *threadPrompt;
  return installed ? *installed : standardErrorPrompt;
}

void SetUserPrompt(UserPrompt* prompt) { installed = prompt; }

ThreadUserPrompt::ThreadUserPrompt(UserPrompt& prompt) : previous(threadPrompt) {
  threadPrompt = &prompt;
}

ThreadUserPrompt::~ThreadUserPrompt() { threadPrompt = previous; }
