#include "setting/rule_section.h"

std::string RuleSectionText(const RuleSection& section, const std::string& lineEnd) {
  std::string text;
  for (const std::string& comment : section.comments) text += "; " + comment + lineEnd;
  text += "[" + section.name + "]" + lineEnd;
  for (const std::string& key : section.keys) text += key + lineEnd;
  return text;
}
