#include "ruletools/chain_findings.h"

#include <map>
#include <set>

#include "common/messages.h"

namespace {

// Longer chains show their first and last names only.
constexpr std::size_t kShownChainNames = 12;

// A rule that a rule runs in turn, and the key that names it.
struct NestedRule {
  const BookSection* rule;
  RuleKeyId key;
};

std::vector<NestedRule> NestedRules(const RuleBook& book, const BookSection& section) {
  std::vector<NestedRule> nested;
  if (!section.rule) return nested;
  std::set<const BookSection*> seen;
  const auto add = [&](const std::string& name, RuleKeyId key) {
    const BookSection* found = book.Find(name);
    if (found != nullptr && found->rule && seen.insert(found).second)
      nested.push_back({found, key});
  };
  if (!section.rule->IndividualRule().empty())
    add(section.rule->IndividualRule(), RuleKeyId::kIndividual);
  for (const std::string& name : section.rule->SubProcesses()) add(name, RuleKeyId::kSubProcess);
  return nested;
}

}  // namespace

std::string ChainText(const std::vector<std::string>& names) {
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    const bool shown = names.size() <= kShownChainNames || i < kShownChainNames / 2 ||
                       i >= names.size() - kShownChainNames / 2;
    if (shown) {
      text += (i == 0 ? "" : " → ") + names[i];
    } else if (i == kShownChainNames / 2) {
      text += " → …";
    }
  }
  return text;
}

void FindCircularChains(const RuleBook& book, FindingList& findings) {
  // Depth first over every rule, without recursion: a chain may be thousands
  // of rules long.
  enum class State { kNew, kOnPath, kDone };
  std::map<const BookSection*, State> state;
  struct Step {
    const BookSection* rule;
    std::vector<NestedRule> next;
    std::size_t taken = 0;
  };
  for (const auto& start : book.Sections()) {
    if (!start->rule || state[start.get()] != State::kNew) continue;
    std::vector<Step> path;
    path.push_back({start.get(), NestedRules(book, *start)});
    state[start.get()] = State::kOnPath;
    while (!path.empty()) {
      Step& step = path.back();
      if (step.taken == step.next.size()) {
        state[step.rule] = State::kDone;
        path.pop_back();
        continue;
      }
      const NestedRule nested = step.next[step.taken++];
      State& nestedState = state[nested.rule];
      if (nestedState == State::kOnPath) {
        std::vector<std::string> circle;
        bool inCircle = false;
        for (const Step& onPath : path) {
          inCircle = inCircle || onPath.rule == nested.rule;
          if (inCircle) circle.push_back(onPath.rule->name);
        }
        circle.push_back(nested.rule->name);
        const BookSection& closing = *step.rule;
        findings.Add(closing.order, closing.name,
                     Text(Message::kCheckCircularCall,
                          {closing.Written(nested.key), ChainText(circle)}));
      } else if (nestedState == State::kNew) {
        nestedState = State::kOnPath;
        path.push_back({nested.rule, NestedRules(book, *nested.rule)});
      }
    }
  }
}
