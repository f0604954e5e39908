#include <cstdlib>
#include <cstring>

#include "common/messages.h"

Language SystemLanguage() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    if (value && *value) {
      return std::strncmp(value, "ja", 2) == 0 ? Language::Japanese : Language::English;
    }
  }
  return Language::English;
}
