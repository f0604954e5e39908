#include "ruletools/rule_check.h"

#include "ruletools/chain_findings.h"
#include "ruletools/layout_findings.h"
#include "ruletools/rule_book.h"
#include "ruletools/section_findings.h"
#include "ruletools/size_table_findings.h"
#include "setting/setting_store.h"

std::vector<CheckFinding> CheckRuleFile() {
  const RuleBook book(SettingStore::Instance().Snapshot());
  FindingList findings;
  FindSectionMistakes(book, findings);
  const std::vector<SizeTableUse> uses = FindSizeTableMistakes(book, findings);
  FindCircularChains(book, findings);
  FindLayoutMistakes(book, uses, findings);
  return findings.InFileOrder();
}
