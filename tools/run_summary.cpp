#include "tools/run_summary.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "frontend/entry/text_lines.h"

namespace murena::runner {
namespace {

constexpr const char* kResultsHeading = "     RESULTS -- ITERATION";
constexpr const char* kNotClosed = "     ***** SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE *****";
constexpr const char* kDeflectionExceeded = "     ***** MAX ALLOWABLE DEFLECTION EXCEEDED AT ***";
constexpr const char* kTableHeading = "   STA I";
constexpr const char* kEndOfAnalysis = "     END OF ANALYSIS";

bool startsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

std::vector<std::string> tokens(const std::string& line) {
  std::vector<std::string> result;
  std::istringstream in(line);
  std::string token;
  while (in >> token) result.push_back(token);
  return result;
}

std::optional<long> parseInteger(const std::string& token) {
  if (token.empty()) return std::nullopt;
  errno = 0;
  char* end = nullptr;
  long value = std::strtol(token.c_str(), &end, 10);
  if (errno != 0 || *end != '\0') return std::nullopt;
  return value;
}

// Keeps the value of largest magnitude (the first one on ties).
void keepLargest(std::optional<Extreme>& extreme, double value, double depth) {
  if (!std::isfinite(value)) return;
  if (!extreme || std::fabs(value) > std::fabs(extreme->value)) extreme = Extreme{value, depth};
}

}  // namespace

SummaryUnits summaryUnits(int unitsCode) {
  switch (unitsCode) {
    case 1: return {"in", "lbs", "lbs-in", "English"};
    case 2: return {"m", "kN", "kN-m", "SI"};
    default: return {"L", "F", "F-L", "other"};
  }
}

std::optional<double> parseFieldNumber(const std::string& token) {
  if (token.empty()) return std::nullopt;
  errno = 0;
  char* end = nullptr;
  double value = std::strtod(token.c_str(), &end);
  if (end == token.c_str() || errno == ERANGE) return std::nullopt;
  if (*end == '\0') return value;
  // A three-digit exponent is written without its letter: mantissa, sign, digits.
  if ((*end == '+' || *end == '-') && end != token.c_str()) {
    char* exponentEnd = nullptr;
    long exponent = std::strtol(end, &exponentEnd, 10);
    if (*exponentEnd == '\0' && exponentEnd != end + 1) return value * std::pow(10.0, static_cast<double>(exponent));
  }
  return std::nullopt;
}

void readReport(const std::string& reportText, RunSummary& summary) {
  std::vector<std::string> lines = splitTextLines(reportText);
  summary.endOfAnalysis = false;
  std::size_t lastResults = lines.size();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (startsWith(lines[i], kEndOfAnalysis)) summary.endOfAnalysis = true;
    if (startsWith(lines[i], kResultsHeading)) lastResults = i;
  }
  summary.iterations.reset();
  summary.closed = false;
  summary.deflectionExceeded = false;
  if (lastResults == lines.size()) return;

  std::string number = lines[lastResults].substr(std::string(kResultsHeading).size());
  std::vector<std::string> numberTokens = tokens(number);
  if (numberTokens.size() == 1) {
    if (auto value = parseInteger(numberTokens[0])) summary.iterations = static_cast<int>(*value);
  }
  bool notClosed = false;
  for (std::size_t i = lastResults + 1; i < lines.size() && !startsWith(lines[i], kTableHeading); ++i) {
    if (startsWith(lines[i], kNotClosed)) notClosed = true;
    if (startsWith(lines[i], kDeflectionExceeded)) summary.deflectionExceeded = true;
  }
  summary.closed = !notClosed && !summary.deflectionExceeded;
}

bool readPlotResults(const std::string& plotText, RunSummary& summary) {
  std::vector<std::string> lines = splitTextLines(plotText);
  while (!lines.empty() && tokens(lines.back()).empty()) lines.pop_back();

  // The last result record is the last head line of three integers whose row
  // count equals the number of five-value lines that follow it to the end.
  std::size_t rowsBelow = 0;
  for (std::size_t i = lines.size(); i-- > 0;) {
    std::vector<std::string> items = tokens(lines[i]);
    if (items.size() == 3) {
      auto setCount = parseInteger(items[0]);
      auto rowCount = parseInteger(items[1]);
      auto units = parseInteger(items[2]);
      if (setCount && rowCount && units && *rowCount == static_cast<long>(rowsBelow)) {
        summary.unitsCode = static_cast<int>(*units);
        summary.resultRows = static_cast<int>(rowsBelow);
        summary.deflection.reset();
        summary.moment.reset();
        summary.shear.reset();
        // The last row is the fictitious station one increment below the
        // tip: it is no part of the wall and is left out of the extremes.
        std::size_t wallRows = rowsBelow >= 2 ? rowsBelow - 1 : rowsBelow;
        for (std::size_t row = 0; row < wallRows; ++row) {
          std::vector<std::string> values = tokens(lines[i + 1 + row]);
          auto depth = parseFieldNumber(values[0]);
          if (!depth) continue;
          if (auto v = parseFieldNumber(values[1])) keepLargest(summary.deflection, *v, *depth);
          if (auto v = parseFieldNumber(values[2])) keepLargest(summary.moment, *v, *depth);
          if (auto v = parseFieldNumber(values[3])) keepLargest(summary.shear, *v, *depth);
        }
        return true;
      }
    }
    if (items.size() != 5) return false;
    ++rowsBelow;
  }
  return false;
}

std::optional<std::string> readWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace murena::runner
