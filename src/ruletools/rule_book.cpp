#include "ruletools/rule_book.h"

#include <utility>

#include "common/messages.h"
#include "convert/rule_error.h"
#include "ruletools/findings.h"
#include "setting/ini_text.h"
#include "setting/setting_section.h"

namespace {

// A list the reader cut fills its buffer up to the two closing NULs.
bool FillsBuffer(const std::vector<std::string>& strings, std::size_t bufferSize) {
  return ProfileListBytes(strings) + 1 > bufferSize;
}

}  // namespace

bool IsSizeTableName(const std::string& name) { return FoldedSectionName(name) == "PROCESS"; }

bool BookSection::HasKey(const std::string& key) const {
  for (const auto& entry : entries) {
    if (entry.first == key) return true;
  }
  return false;
}

std::string BookSection::Value(const std::string& key) const {
  std::string value;
  for (const auto& entry : entries) {
    if (entry.first == key) value = entry.second;
  }
  return value;
}

std::string BookSection::Written(RuleKeyId key) const {
  return KeyValue(KeyName(key), Value(KeyName(key)));
}

RuleBook::RuleBook(std::shared_ptr<const RuleFileSnapshot> file)
    : ruleFile(std::move(file)), hints(ruleFile->SectionNames()) {
  const std::vector<std::string>& names = ruleFile->SectionNames();
  namesCut = FillsBuffer(names, kSectionNamesBufferSize);

  std::map<std::string, const BookSection*> byFolded;
  for (std::size_t order = 0; order < names.size(); ++order) {
    auto section = std::make_unique<BookSection>();
    section->name = names[order];
    section->order = order;
    const auto [first, isFirst] = byFolded.emplace(FoldedSectionName(section->name), section.get());
    if (!isFirst) {
      section->shadowedBy = first->second;
      byName.emplace(section->name, first->second);
      sections.push_back(std::move(section));
      continue;
    }
    byName.emplace(section->name, section.get());

    if (const SettingSection* read = ruleFile->GetSection(section->name)) {
      section->cut = FillsBuffer(read->Lines(), kSectionBufferSize);
      SectionEntries split = SplitSectionLines(read->Lines());
      section->entries = std::move(split.entries);
      section->skippedLines = std::move(split.skipped);
    }
    if (!IsSizeTableName(section->name)) {
      try {
        section->rule = std::make_unique<ImageProcessor>(ruleFile, section->name);
      } catch (const RuleError& error) {
        section->buildError = error;
      }
    }
    sections.push_back(std::move(section));
  }
}

std::string RuleBook::MissingRuleText(const std::string& name) const {
  const std::string hint = hints.For(name);
  return Text(Message::kToolNoRule, {name}) +
         (hint.empty() || IsSizeTableName(hint)
              ? ""
              : Text(Message::kCheckDidYouMean, {"[" + hint + "]"}));
}

BookSection& RuleBook::Put(const std::string& name) {
  const std::string folded = FoldedSectionName(name);
  for (const auto& section : sections) {
    if (section->shadowedBy == nullptr && FoldedSectionName(section->name) == folded) {
      BookSection& put = *section;
      byName.erase(put.name);
      const std::size_t order = put.order;
      put = BookSection();
      put.name = name;
      put.order = order;
      byName[name] = &put;
      return put;
    }
  }
  sections.push_back(std::make_unique<BookSection>());
  BookSection& put = *sections.back();
  put.name = name;
  put.order = sections.size() - 1;
  byName[name] = &put;
  return put;
}

const BookSection* RuleBook::Find(const std::string& name) const {
  const auto found = byName.find(name);
  return found == byName.end() ? nullptr : found->second;
}
