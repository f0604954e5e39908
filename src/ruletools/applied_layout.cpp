#include "ruletools/applied_layout.h"

#include "convert/rule_error.h"

RuleLayout AppliedLayout(const ImageProcessor& rule, RuleLayout::Size image) {
  if (rule.IndividualRule().empty()) return LayoutOf(rule, image);
  try {
    return LayoutWithIndividual(rule, image,
                                ImageProcessor(rule.RuleFile(), rule.IndividualRule()));
  } catch (const RuleError& error) {
    throw RuleError(rule.IndividualRule(), error);
  }
}
