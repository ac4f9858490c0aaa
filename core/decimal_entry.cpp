#include "core/decimal_entry.h"

#include <vector>

#include "core/text.h"

namespace brg {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The decimal points a user may type: the period, and the locale's own.
std::vector<std::string_view> DecimalPoints(const Separators& separators) {
  std::vector<std::string_view> points{"."};
  if (!separators.decimal.empty() && separators.decimal != ".") {
    points.push_back(separators.decimal);
  }
  return points;
}

// The length of the decimal point at `at`, or 0.
std::size_t PointAt(std::string_view text, std::size_t at,
                    const std::vector<std::string_view>& points) {
  for (std::string_view point : points) {
    if (text.substr(at, point.size()) == point) {
      return point.size();
    }
  }
  return 0;
}

std::size_t DigitsFrom(std::string_view text, std::size_t at) {
  std::size_t end = at;
  while (end < text.size() && IsDigit(text[end])) {
    ++end;
  }
  return end - at;
}

// One to three digits, then groups of three after `group`, then perhaps decimals: 9,600 or
// 1.000.000 or 1,000.5.
bool GroupedBy(std::string_view text, std::string_view group,
               const std::vector<std::string_view>& points) {
  if (group.empty()) {
    return false;
  }
  std::size_t lead = DigitsFrom(text, 0);
  if (lead == 0 || lead > 3) {
    return false;
  }
  std::size_t at = lead;
  int groups = 0;
  while (text.substr(at, group.size()) == group && DigitsFrom(text, at + group.size()) == 3) {
    at += group.size() + 3;
    ++groups;
  }
  if (groups == 0) {
    return false;
  }
  if (at == text.size()) {
    return true;
  }
  std::size_t point = PointAt(text, at, points);
  return point > 0 && text.substr(at, point) != group && DigitsFrom(text, at + point) > 0 &&
         at + point + DigitsFrom(text, at + point) == text.size();
}

bool Grouped(std::string_view text, const Separators& separators,
             const std::vector<std::string_view>& points) {
  return GroupedBy(text, separators.group, points) || GroupedBy(text, ",", points);
}

}  // namespace

DecimalEntry ReadDecimalEntry(std::string_view text, const Separators& separators) {
  DecimalEntry entry;
  std::string_view number = Trim(text);
  if (number.empty()) {
    entry.problem = EntryProblem::Empty;
    return entry;
  }
  std::vector<std::string_view> points = DecimalPoints(separators);
  std::string plain;
  std::string_view pointTyped;
  int pointCount = 0;
  for (std::size_t at = 0; at < number.size();) {
    if (IsDigit(number[at])) {
      plain.push_back(number[at++]);
    } else if (std::size_t point = PointAt(number, at, points); point > 0) {
      pointTyped = number.substr(at, point);
      plain.push_back('.');
      ++pointCount;
      at += point;
    } else {
      entry.problem =
          Grouped(number, separators, points) ? EntryProblem::Grouped : EntryProblem::NotANumber;
      return entry;
    }
  }
  // A period that the locale groups thousands with may mean either: 115.200.
  bool ambiguous = pointCount == 1 && pointTyped == separators.group;
  if (pointCount > 1 || (ambiguous && GroupedBy(number, separators.group, points))) {
    entry.problem =
        Grouped(number, separators, points) ? EntryProblem::Grouped : EntryProblem::NotANumber;
    return entry;
  }
  entry.value = PlainDecimal(plain);
  if (!entry.value) {
    entry.problem = EntryProblem::NotANumber;
    return entry;
  }
  entry.plain = plain;
  return entry;
}

}  // namespace brg
