#include "common/encoding.h"
#include "support/files.h"

void WriteRuleFile(const std::string& path, const std::string& text) {
  WriteFile(path, Utf8ToShiftJis(text));
}
