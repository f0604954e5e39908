#include "convert/rule_error.h"

#include <utility>

#include "common/messages.h"

bool IsDoNothingRule(const std::string& name) { return name == kDoNothingRule; }

RuleError::RuleError(RuleErrorKind kind, std::string rule, std::vector<std::string> arguments)
    : kind(kind), rule(std::move(rule)), arguments(std::move(arguments)) {}

RuleError::RuleError(std::string rule, const RuleError& cause)
    : kind(RuleErrorKind::kUnusable),
      rule(std::move(rule)),
      cause(std::make_shared<const RuleError>(cause)) {}

std::string RuleError::Reason() const {
  switch (kind) {
    case RuleErrorKind::kMissingRule:
      return ::Text(Message::kRuleMissing, {rule});
    case RuleErrorKind::kBadSrcDiv:
      return ::Text(Message::kRuleBadSrcDiv);
    case RuleErrorKind::kBadFileDiv:
      return ::Text(Message::kRuleBadFileDiv);
    case RuleErrorKind::kNotANumber:
      return ::Text(Message::kRuleValueNotANumber, arguments);
    case RuleErrorKind::kTooLarge:
      return ::Text(Message::kRuleValueTooLarge, arguments);
    case RuleErrorKind::kTooFewValues:
      return ::Text(Message::kRuleTooFewValues, arguments);
    case RuleErrorKind::kNegative:
      return ::Text(Message::kRuleNegativeValue, arguments);
    case RuleErrorKind::kNotZeroOrOne:
      return ::Text(Message::kRuleValueNotZeroOrOne, arguments);
    case RuleErrorKind::kNotPositive:
      return ::Text(Message::kRuleValueNotPositive, arguments);
    case RuleErrorKind::kNotOneOf:
      return ::Text(Message::kRuleValueNotOneOf, arguments);
    case RuleErrorKind::kLeavesTheFolder:
      return ::Text(Message::kRuleNameFootLeavesFolder, arguments);
    case RuleErrorKind::kNoSizeOrDefault:
      return ::Text(Message::kRuleNoSizeOrDefault, arguments);
    case RuleErrorKind::kUnusable:
      return ::Text(Message::kRuleUnusable, {rule, cause->Text()});
  }
  return "";
}

std::string RuleError::Text() const {
  switch (kind) {
    case RuleErrorKind::kNotANumber:
    case RuleErrorKind::kTooLarge:
    case RuleErrorKind::kTooFewValues:
    case RuleErrorKind::kNegative:
    case RuleErrorKind::kNotZeroOrOne:
    case RuleErrorKind::kNotPositive:
    case RuleErrorKind::kNotOneOf:
    case RuleErrorKind::kLeavesTheFolder:
      return ::Text(Message::kRuleKeyOfRule, {rule, Reason()});
    default:
      return Reason();
  }
}

std::string RuleError::ListedText() const {
  return kind == RuleErrorKind::kBadFileDiv ? Text() + "\n" : Text();
}

const char* RuleError::what() const noexcept {
  try {
    shown = Text();
  } catch (...) {
    return "RuleError";  // no memory for the text
  }
  return shown.c_str();
}
