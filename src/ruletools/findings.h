#pragma once

#include <cstddef>
#include <string>
#include <vector>

// One mistake found in the rule file: the section it belongs to and what is
// wrong there, in words for the user.
struct CheckFinding {
  std::string section;
  std::string text;
};

// The finding as one line of the check's report: "[section] text".
std::string FindingLine(const CheckFinding& finding);

// The findings of a check, collected in any order and given back by the
// place of their section in the file.
class FindingList {
 public:
  // A finding for the section at place order of the file.
  void Add(std::size_t order, const std::string& section, std::string text);
  // A finding that comes before every section (a section the file lacks).
  void AddFirst(const std::string& section, std::string text);

  // Sections in file order, the findings of each in the order they were added.
  std::vector<CheckFinding> InFileOrder() const;

 private:
  struct Entry {
    std::size_t order;
    CheckFinding finding;
  };
  std::vector<Entry> entries;
};

// Pieces of the findings' texts.

// text as a finding shows it: a long text cut after a list separator (else
// before an ASCII character) and marked with "…".
std::string Shown(const std::string& text);

// "key=value", the value as Shown.
std::string KeyValue(const std::string& key, const std::string& value);
