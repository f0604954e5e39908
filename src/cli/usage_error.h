#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/messages.h"

// A mistake on a command line, kept as its message and arguments and made
// into text only when shown: by then --lang, wherever it stood, has chosen
// the language.
struct UsageError {
  Message message;
  std::vector<std::string> arguments;

  std::string Text() const { return ::Text(message, arguments); }
};

// The language a --lang value names; a usage error for any other value.
inline std::optional<UsageError> ReadLanguageOption(const std::string& value,
                                                    std::optional<Language>& language) {
  Language named = Language::Japanese;
  if (!LanguageFromName(value, &named)) return UsageError{Message::kCliBadLanguage, {value}};
  language = named;
  return std::nullopt;
}
