#include <windows.h>

#include "common/messages.h"

Language SystemLanguage() {
  return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE ? Language::Japanese
                                                                     : Language::English;
}
