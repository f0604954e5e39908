#include "ruletools/spelling_hints.h"

#include "common/text.h"
#include "setting/ini_text.h"

namespace {

// Names longer than this are not worth a hint, and would cost a square of
// their length.
constexpr std::string::size_type kLongestHinted = 64;

// The folded text with one character dropped, for each character.
std::vector<std::string> WithOneDropped(const std::string& folded) {
  std::vector<std::string> variants;
  for (std::string::size_type i = 0; i < folded.size();) {
    const unsigned length = CharLength(folded.data(), folded.size(), i);
    variants.push_back(folded.substr(0, i) + folded.substr(i + length));
    i += length;
  }
  return variants;
}

}  // namespace

SpellingHints::SpellingHints(const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    if (name.empty() || name.size() > kLongestHinted) continue;
    const std::string folded = FoldedSectionName(name);
    byFolded.emplace(folded, name);
    byVariant.emplace(folded, name);
    for (const std::string& variant : WithOneDropped(folded)) byVariant.emplace(variant, name);
  }
}

std::string SpellingHints::For(const std::string& text) const {
  if (text.empty() || text.size() > kLongestHinted) return std::string();
  const std::string folded = FoldedSectionName(text);
  if (const auto found = byFolded.find(folded); found != byFolded.end()) {
    return found->second != text ? found->second : std::string();
  }
  // A name with one character more than text, or one less, or another.
  if (const auto found = byVariant.find(folded); found != byVariant.end()) return found->second;
  for (const std::string& variant : WithOneDropped(folded)) {
    if (variant.empty()) continue;
    if (const auto found = byVariant.find(variant); found != byVariant.end()) return found->second;
  }
  return std::string();
}
