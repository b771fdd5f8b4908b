#include "tools/report_scan.h"

#include <string>
#include <vector>

#include "tools/plot_scan.h"

namespace murena::runner {
namespace {

// The engine writes its own messages with five leading blanks; the echoed
// titles start further in, so a title cannot pass for a message.
constexpr std::string_view kResultsHeading = "     RESULTS -- ITERATION";
constexpr std::string_view kNotClosed = "     ***** SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE *****";
constexpr std::string_view kDeflectionExceeded = "     ***** MAX ALLOWABLE DEFLECTION EXCEEDED AT ***";
constexpr std::string_view kTableHeading = "   STA I";
constexpr std::string_view kTiebackHeading = "     TIE BACK RESULTS";
constexpr std::string_view kEndOfAnalysis = "     END OF ANALYSIS";
constexpr std::string_view kBanner = "     =====";
constexpr std::string_view kInputErrors[] = {"     ERROR -- ", "     ERROR STOP -- ",
                                             "     TOO MUCH DATA FOR AVAILABLE STORAGE"};

bool startsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

std::string_view trimmed(std::string_view text) {
  std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  std::size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

bool isInteger(std::string_view item) {
  if (item.empty()) return false;
  for (char c : item)
    if (c < '0' || c > '9') return false;
  return true;
}

}  // namespace

void ReportScan::addLine(std::string_view line) {
  if (!trimmed(line).empty()) lastLine = std::string(trimmed(line));

  if (startsWith(line, kEndOfAnalysis)) {
    endOfAnalysis = true;
    inResults_ = false;
    return;
  }
  if (inputError.empty()) {
    for (std::string_view prefix : kInputErrors)
      if (startsWith(line, prefix)) inputError = std::string(trimmed(line));
  }
  if (startsWith(line, kBanner)) inResults_ = false;  // the head of the next block

  if (startsWith(line, kResultsHeading)) {
    inResults_ = true;
    inNotices_ = true;
    notClosed = false;
    deflectionExceeded = false;
    exceededStations = 0;
    iterations.reset();
    std::vector<std::string_view> items = lineItems(line.substr(kResultsHeading.size()));
    if (items.size() == 1 && isInteger(items[0]) && items[0].size() < 9) iterations = std::stoi(std::string(items[0]));
    return;
  }
  if (!inResults_) return;
  if (inNotices_) {
    if (startsWith(line, kNotClosed)) notClosed = true;
    if (startsWith(line, kDeflectionExceeded)) {
      deflectionExceeded = true;
      std::vector<std::string_view> items = lineItems(line.substr(kDeflectionExceeded.size()));
      if (!items.empty() && isInteger(items[0]) && items[0].size() < 9) exceededStations = std::stoi(std::string(items[0]));
    }
    if (startsWith(line, kTableHeading)) inNotices_ = false;
    return;
  }
  if (startsWith(line, kTiebackHeading)) return;

  // Rows of the station and tieback tables begin with an integer; every other
  // item of such a row is a number.
  if (!unfitResult.empty()) return;
  std::vector<std::string_view> items = lineItems(line);
  if (items.size() < 2 || !isInteger(items[0])) return;
  for (std::size_t i = 1; i < items.size(); ++i) {
    if (!parseFieldNumber(items[i])) {
      unfitResult = "row " + std::string(items[0]) + ": " + std::string(items[i]);
      return;
    }
  }
}

}  // namespace murena::runner
