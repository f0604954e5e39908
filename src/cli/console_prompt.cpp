#include "cli/console_prompt.h"

#include <cstdio>
#include <cstdlib>

void ConsolePrompt::ShowNotice(const std::string& text) {
  std::fprintf(stderr, "%s\n", text.c_str());
  std::fflush(stderr);
}

int ConsolePrompt::ChooseRule(const std::string& fileName,
                              const std::vector<std::string>& candidates) {
  if (interactive) return Ask(fileName, candidates);
  std::string names;
  for (const std::string& candidate : candidates) names += (names.empty() ? "" : "/") + candidate;
  reason = "自動判別できません（候補:" + names + "）";
  throw static_cast<const char*>(reason.c_str());
}

int ConsolePrompt::Ask(const std::string& fileName, const std::vector<std::string>& candidates) {
  // The same question as the windowed program's box, then its list.
  std::fprintf(stderr,
               "%sは画像の自動判別ができません\n"
               "次のウィンドウで適切なものを手動選択して下さい\n"
               "\n[Vomarin+ 規格の選別] ファイル名:%s\n",
               fileName.c_str(), fileName.c_str());
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    std::fprintf(stderr, "  %s: %s\n", std::to_string(i + 1).c_str(), candidates[i].c_str());
  }
  std::fprintf(stderr,
               "  s: キャンセル（このファイルを無視します）\n"
               "  q: 以降全ての追加を中止します\n");
  for (;;) {
    std::fprintf(stderr, "選択してください [1]: ");
    std::fflush(stderr);
    char line[256];
    if (std::fgets(line, sizeof line, stdin) == nullptr) {
      std::fprintf(stderr, "\n");
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
    std::fprintf(stderr, "1から%sまでの番号、sまたはqを入力して下さい\n",
                 std::to_string(candidates.size()).c_str());
  }
}
