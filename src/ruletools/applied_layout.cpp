#include "ruletools/applied_layout.h"

#include "convert/rule_error.h"

RuleLayout AppliedLayout(const ImageProcessor& rule, RuleLayout::Size image) {
  const RuleLayout layout = LayoutOf(rule, image);
  if (rule.IndividualRule().empty()) return layout;
  try {
    const ImageProcessor individual(rule.IndividualRule());
    return LayoutOf(rule, image, LayoutOf(individual, layout.cell).ReturnedCanvas());
  } catch (const char* message) {
    ThrowRuleError(UnusableRuleMessage(rule.IndividualRule(), message));
  }
}
