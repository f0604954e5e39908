#include "ruletools/findings.h"

#include <algorithm>

#include "common/text.h"

namespace {

// Longer texts are shown up to a list separator within this many bytes.
constexpr std::size_t kShownTextBytes = 60;

}  // namespace

void FindingList::Add(std::size_t order, const std::string& section, std::string text) {
  entries.push_back({order + 1, {section, std::move(text)}});
}

void FindingList::AddFirst(const std::string& section, std::string text) {
  entries.push_back({0, {section, std::move(text)}});
}

std::vector<CheckFinding> FindingList::InFileOrder() const {
  std::vector<Entry> sorted = entries;
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const Entry& a, const Entry& b) { return a.order < b.order; });
  std::vector<CheckFinding> findings;
  findings.reserve(sorted.size());
  for (Entry& entry : sorted) findings.push_back(std::move(entry.finding));
  return findings;
}

std::string FindingLine(const CheckFinding& finding) {
  return "[" + finding.section + "] " + finding.text;
}

std::string Shown(const std::string& text) {
  if (text.size() <= kShownTextBytes) return text;
  // "," and "/" are never part of a double-byte character, in either encoding.
  std::string::size_type cut = text.find_last_of(",/", kShownTextBytes);
  if (cut != std::string::npos) return text.substr(0, cut + 1) + "…";
  // An ASCII byte where a character begins is a character of its own, in
  // Shift-JIS and in UTF-8.
  for (std::string::size_type i = 0; i <= kShownTextBytes;
       i += CharLength(text.data(), text.size(), i)) {
    if (static_cast<unsigned char>(text[i]) < 0x80) cut = i;
  }
  if (cut == std::string::npos || cut == 0) return text;
  return text.substr(0, cut) + "…";
}

std::string KeyValue(const std::string& key, const std::string& value) {
  return key + "=" + Shown(value);
}
