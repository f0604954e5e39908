#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "convert/image_processor.h"
#include "convert/rule_error.h"
#include "convert/rule_keys.h"
#include "ruletools/spelling_hints.h"
#include "setting/rule_file_snapshot.h"

// A rule file as the check reads it: every section in file order with its
// lines split into keys, and the rule built from it.
struct BookSection {
  std::string name;
  std::size_t order = 0;  // place in the file
  // The section of the same name (letter case aside) that the reader finds
  // in its place, or null when this one is read.
  const BookSection* shadowedBy = nullptr;
  // Keys and values in file order, up to the first line without "=".
  std::vector<std::pair<std::string, std::string>> entries;
  // The first line without "=" and every line after it: the reader skips them.
  std::vector<std::string> skippedLines;
  // The lines filled the reader's buffer and were cut.
  bool cut = false;
  // The rule, or null for the size table and for a rule that cannot be
  // built; then buildError holds why.
  std::unique_ptr<ImageProcessor> rule;
  std::optional<RuleError> buildError;

  bool HasKey(const std::string& key) const;
  bool HasKey(RuleKeyId key) const { return HasKey(KeyName(key)); }
  // The value a conversion reads (the last of a key written twice).
  std::string Value(const std::string& key) const;
  // "key=value" with that value, as a finding shows it.
  std::string Written(RuleKeyId key) const;
};

class RuleBook {
 public:
  explicit RuleBook(std::shared_ptr<const RuleFileSnapshot> ruleFile);
  RuleBook(const RuleBook&) = delete;
  RuleBook& operator=(const RuleBook&) = delete;

  const std::vector<std::unique_ptr<BookSection>>& Sections() const { return sections; }
  // The section that a conversion reads for name, or null when the file has
  // no section of exactly that name.
  const BookSection* Find(const std::string& name) const;
  // "規則[name]がありません", with the rule's name that name may have been
  // meant to be.
  std::string MissingRuleText(const std::string& name) const;
  // The list of section names filled the reader's buffer and was cut.
  bool NamesCut() const { return namesCut; }

  // An empty section in place of the one read under name (letter case
  // aside), or after the last one, for a rule that is not saved yet: the
  // caller fills it in.
  BookSection& Put(const std::string& name);

  const std::shared_ptr<const RuleFileSnapshot>& RuleFile() const { return ruleFile; }

 private:
  std::shared_ptr<const RuleFileSnapshot> ruleFile;
  std::vector<std::unique_ptr<BookSection>> sections;
  std::map<std::string, const BookSection*> byName;  // exact names, each to the section read
  bool namesCut = false;
  SpellingHints hints;
};

// The construction's message of rule ruleName as a finding shows it.
std::string BuildErrorText(const char* message, const std::string& ruleName);

// True for the name of the size table, "Process", in any letter case: such a
// section is no rule.
bool IsSizeTableName(const std::string& name);
