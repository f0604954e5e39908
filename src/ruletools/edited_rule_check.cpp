#include "ruletools/edited_rule_check.h"

#include <memory>
#include <string>

#include "ruletools/layout_findings.h"
#include "ruletools/rule_book.h"
#include "ruletools/section_findings.h"
#include "ruletools/size_table_findings.h"

std::vector<CheckFinding> CheckEditedRule(const RuleEdit& edit) {
  RuleBook book(edit.LaidOutAmong());
  BookSection& section = book.Put(edit.Name());
  section.entries = edit.Pairs();
  try {
    section.rule = std::make_unique<ImageProcessor>(edit.BuildRule());
  } catch (const RuleError& error) {
    section.buildError = error;
  }

  FindingList findings;
  FindSectionMistakes(book, findings);
  // The size table's own mistakes are not this rule's.
  FindingList tableFindings;
  std::vector<SizeTableUse> uses = FindSizeTableMistakes(book, tableFindings);
  const RuleEdit::Size sheet = edit.Sheet();
  if (section.rule && sheet.width > 0 && sheet.height > 0) {
    uses.push_back({sheet, std::to_string(sheet.width) + "," + std::to_string(sheet.height), &section});
  }
  FindLayoutMistakes(book, uses, findings);

  std::vector<CheckFinding> own;
  for (CheckFinding& finding : findings.InFileOrder()) {
    if (finding.section == edit.Name()) own.push_back(std::move(finding));
  }
  return own;
}
