#include "tools/field_text.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace murena::runner {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

}  // namespace

std::vector<std::string_view> lineItems(std::string_view line) {
  std::vector<std::string_view> items;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && isBlank(line[i])) ++i;
    std::size_t start = i;
    while (i < line.size() && !isBlank(line[i])) ++i;
    if (i > start) items.push_back(line.substr(start, i - start));
  }
  return items;
}

std::string_view trimmedText(std::string_view text) {
  std::size_t first = 0, last = text.size();
  while (first < last && isBlank(text[first])) ++first;
  while (last > first && isBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

std::optional<long> parseInteger(std::string_view item) {
  std::size_t i = !item.empty() && (item[0] == '-' || item[0] == '+') ? 1 : 0;
  if (i == item.size() || item.size() - i > 18) return std::nullopt;
  long value = 0;
  for (std::size_t k = i; k < item.size(); ++k) {
    if (item[k] < '0' || item[k] > '9') return std::nullopt;
    value = value * 10 + (item[k] - '0');
  }
  return item[0] == '-' ? -value : value;
}

std::optional<double> parseFieldNumber(std::string_view item) {
  if (item.empty() || item.find('*') != std::string_view::npos) return std::nullopt;
  const std::string token(item);
  char* end = nullptr;
  double value = std::strtod(token.c_str(), &end);
  if (end == token.c_str()) return std::nullopt;
  if (*end != '\0') {
    // A three-digit exponent is written without its letter: mantissa, sign, digits.
    if (*end != '+' && *end != '-') return std::nullopt;
    char* exponentEnd = nullptr;
    long exponent = std::strtol(end, &exponentEnd, 10);
    if (*exponentEnd != '\0' || exponentEnd == end + 1) return std::nullopt;
    value *= std::pow(10.0, static_cast<double>(exponent));
  }
  // strtod also takes "nan" and "inf"; an overflowing value becomes infinite.
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace murena::runner
