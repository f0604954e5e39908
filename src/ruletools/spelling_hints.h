#pragma once

#include <map>
#include <string>
#include <vector>

// Which of a set of names a misspelt one was meant to be: the same letters
// in another case, or one character added, dropped or changed (two
// neighbours swapped count too), letter case aside.
class SpellingHints {
 public:
  explicit SpellingHints(const std::vector<std::string>& names);

  // The name that text may have been meant to be, or empty.
  std::string For(const std::string& text) const;

 private:
  // The names by their folded letters, and by those with one character
  // dropped.
  std::map<std::string, std::string> byFolded;
  std::map<std::string, std::string> byVariant;
};
