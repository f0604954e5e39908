#include "convert/rule_values.h"

#include <climits>
#include <stdexcept>

std::vector<std::string> SplitStringList(const std::string& text, char separator) {
  std::vector<std::string> items;
  std::string::size_type start = 0;
  for (;;) {
    const auto at = text.find(separator, start);
    if (at == std::string::npos) break;
    items.push_back(text.substr(start, at - start));
    start = at + 1;
  }
  items.push_back(text.substr(start));
  return items;
}

std::vector<int> SplitIntList(const std::string& text, char separator) {
  std::vector<int> numbers;
  for (const std::string& item : SplitStringList(text, separator))
    numbers.push_back(ParseInt(item));
  return numbers;
}

std::string JoinIntList(const std::vector<int>& numbers, char separator) {
  std::string text;
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    if (i > 0) text += separator;
    text += std::to_string(numbers[i]);
  }
  return text;
}

int ParseInt(const std::string& text) {
  if (text.empty()) return 0;
  std::string::size_type at = 0;
  while (at < text.size() && (text[at] == ' ' || (text[at] >= '\t' && text[at] <= '\r'))) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  if (at >= text.size() || text[at] < '0' || text[at] > '9') {
    throw std::invalid_argument(text);
  }
  long long value = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    value = value * 10 + (text[at] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) throw std::out_of_range(text);
  }
  if (negative) value = -value;
  if (value > INT_MAX || value < INT_MIN) throw std::out_of_range(text);
  return static_cast<int>(value);
}
