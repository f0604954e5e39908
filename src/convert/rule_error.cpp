#include "convert/rule_error.h"

void ThrowRuleError(const std::string& message) {
  thread_local std::string text;
  text = message;
  throw static_cast<const char*>(text.c_str());
}

std::string MissingRuleMessage(const std::string& ruleName) {
  return "規則[" + ruleName + "]がsetting.iniにありません";
}

std::string MessageInLine(const std::string& message) {
  std::string text = message;
  while (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}

std::string UnusableRuleMessage(const std::string& ruleName, const std::string& message) {
  return "規則[" + ruleName + "]を使えません: " + MessageInLine(message);
}
