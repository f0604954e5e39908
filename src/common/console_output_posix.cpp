#include "common/console_output.h"

void WriteText(std::FILE* stream, const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stream);
}

void UseUtf8Output() {}
