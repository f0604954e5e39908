#include "common/messages.h"

#include <atomic>

namespace {

struct Entry {
  const char* japanese;
  const char* english;
};

const Entry kTable[] = {
#define MESSAGE(id, japanese, english) {japanese, english},
#include "common/message_table.h"
#undef MESSAGE
};
static_assert(sizeof kTable / sizeof kTable[0] == static_cast<std::size_t>(Message::kCount),
              "one entry per message");

std::atomic<int>& Current() {
  static std::atomic<int> current{static_cast<int>(SystemLanguage())};
  return current;
}

}  // namespace

void SetLanguage(Language language) { Current() = static_cast<int>(language); }

Language CurrentLanguage() { return static_cast<Language>(Current().load()); }

bool LanguageFromName(const std::string& name, Language* language) {
  if (name == "ja") {
    *language = Language::Japanese;
  } else if (name == "en") {
    *language = Language::English;
  } else {
    return false;
  }
  return true;
}

const char* TextIn(Language language, Message id) {
  const Entry& entry = kTable[static_cast<std::size_t>(id)];
  return language == Language::Japanese ? entry.japanese : entry.english;
}

const char* Text(Message id) { return TextIn(CurrentLanguage(), id); }

std::string Text(Message id, const std::vector<std::string>& arguments) {
  const std::string pattern = Text(id);
  std::string text;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '{' && i + 2 < pattern.size() && pattern[i + 2] == '}' &&
        pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
      const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
      if (index < arguments.size()) text += arguments[index];
      i += 2;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

std::string ListText(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) {
    text += (text.empty() ? "" : Text(Message::kListSeparator)) + item;
  }
  return text;
}
