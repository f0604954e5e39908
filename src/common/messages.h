#pragma once

#include <string>
#include <vector>

// Every text that a user reads comes from one table (message_table.h), in
// Japanese and in English. Decisions never go by these texts: code keeps an
// identity (an enum, an error type) and makes the text only where it is
// shown, so that the language cannot change what the programs do.

enum class Language { Japanese, English };

// The language that the user's system asks for: Japanese where the user's
// language is Japanese (Windows: the user's interface language; natively:
// the first of LC_ALL, LC_MESSAGES and LANG that is set), English elsewhere.
Language SystemLanguage();

// The language of every text from now on; until it is set, the system's.
void SetLanguage(Language language);
Language CurrentLanguage();

// "ja" or "en"; false for anything else.
bool LanguageFromName(const std::string& name, Language* language);

enum class Message {
#define MESSAGE(id, japanese, english) id,
#include "common/message_table.h"
#undef MESSAGE
  kCount
};

// The text of id in the current language, or in language.
const char* Text(Message id);
const char* TextIn(Language language, Message id);

// The text with "{1}", "{2}", ... replaced by the arguments in order.
std::string Text(Message id, const std::vector<std::string>& arguments);

// The items in one line, joined as the current language lists words.
std::string ListText(const std::vector<std::string>& items);
