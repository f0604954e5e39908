#pragma once

#include <exception>
#include <memory>
#include <string>
#include <vector>

// The reserved rule name of files that are to be left alone; it needs no
// section. It is a name from the user's rule file, never translated.
inline constexpr char kDoNothingRule[] = "何もしない";

// True for the reserved name kDoNothingRule.
bool IsDoNothingRule(const std::string& name);

// Why a rule cannot be built; the comment names the arguments each takes.
enum class RuleErrorKind {
  kMissingRule,      // the rule file has no section of the rule's name
  kBadSrcDiv,        // SrcDiv with a 0
  kBadFileDiv,       // FileDiv with a 0
  kNotANumber,       // key, the item
  kTooLarge,         // key, the item
  kTooFewValues,     // key, how many are needed
  kNegative,         // key
  kNotZeroOrOne,     // key, the value
  kNotPositive,      // key (a size below 1)
  kNotOneOf,         // key, the value, the words it may be
  kLeavesTheFolder,  // key (a name foot with a separator or "..")
  kNoSizeOrDefault,  // the size key that the size table lacks, as "W,H"
  kUnusable,         // the rule named cannot be built: the cause
};

// A rule that cannot be built, thrown by its construction and by what builds
// the rules it names. Decisions go by Kind(); the text is made from the
// message table in the current language where it is shown.
class RuleError : public std::exception {
 public:
  RuleError(RuleErrorKind kind, std::string rule, std::vector<std::string> arguments = {});
  // rule cannot be used where it is to run: building it failed with cause.
  RuleError(std::string rule, const RuleError& cause);

  RuleErrorKind Kind() const { return kind; }
  const std::string& Rule() const { return rule; }
  // The message in one line, naming the rule.
  std::string Text() const;
  // The message without the "[rule] " that the messages naming a key begin
  // with, for a text that names the rule already.
  std::string Reason() const;
  // The message as the processing list has always shown it: the FileDiv
  // message ends its line there.
  std::string ListedText() const;

  const char* what() const noexcept override;

 private:
  RuleErrorKind kind;
  std::string rule;
  std::vector<std::string> arguments;
  std::shared_ptr<const RuleError> cause;
  mutable std::string shown;  // what() keeps its text here
};
