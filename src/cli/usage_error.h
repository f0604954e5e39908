#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/messages.h"

// A mistake on a command line, kept as its message and arguments and made
// into text only when shown: by then --lang, wherever it stood, has chosen
// the language.
struct UsageError {
  UsageError(Message message, std::vector<std::string> arguments,
             std::vector<std::string> list = {})
      : message(message), arguments(std::move(arguments)), list(std::move(list)) {}

  Message message;
  std::vector<std::string> arguments;
  // Items of one more argument, joined in the language of the text.
  std::vector<std::string> list;

  std::string Text() const {
    if (list.empty()) return ::Text(message, arguments);
    std::vector<std::string> all = arguments;
    all.push_back(ListText(list));
    return ::Text(message, all);
  }
};

// The language a --lang value names; a usage error for any other value.
inline std::optional<UsageError> ReadLanguageOption(const std::string& value,
                                                    std::optional<Language>& language) {
  Language named = Language::Japanese;
  if (!LanguageFromName(value, &named)) return UsageError{Message::kCliBadLanguage, {value}};
  language = named;
  return std::nullopt;
}
