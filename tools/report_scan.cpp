#include "tools/report_scan.h"

#include <string>
#include <vector>

#include "tools/field_text.h"

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

}  // namespace

void ReportScan::addLine(std::string_view line) {
  if (!trimmedText(line).empty()) lastLine = std::string(trimmedText(line));

  if (line.starts_with(kEndOfAnalysis)) {
    endOfAnalysis = true;
    inResults_ = false;
    return;
  }
  if (inputError.empty()) {
    for (std::string_view prefix : kInputErrors)
      if (line.starts_with(prefix)) inputError = std::string(trimmedText(line));
  }
  if (line.starts_with(kBanner)) inResults_ = false;  // the head of the next block

  if (line.starts_with(kResultsHeading)) {
    inResults_ = true;
    inNotices_ = true;
    notClosed = false;
    deflectionExceeded = false;
    exceededStations = 0;
    iterations.reset();
    std::vector<std::string_view> items = lineItems(line.substr(kResultsHeading.size()));
    if (items.size() == 1 && parseInteger(items[0]) && items[0].size() < 9) iterations = static_cast<int>(*parseInteger(items[0]));
    return;
  }
  if (!inResults_) return;
  if (inNotices_) {
    if (line.starts_with(kNotClosed)) notClosed = true;
    if (line.starts_with(kDeflectionExceeded)) {
      deflectionExceeded = true;
      std::vector<std::string_view> items = lineItems(line.substr(kDeflectionExceeded.size()));
      if (!items.empty() && parseInteger(items[0]) && items[0].size() < 9)
        exceededStations = static_cast<int>(*parseInteger(items[0]));
    }
    if (line.starts_with(kTableHeading)) inNotices_ = false;
    return;
  }
  if (line.starts_with(kTiebackHeading)) return;

  // Rows of the station and tieback tables begin with an integer; every other
  // item of such a row is a number.
  if (!unfitResult.empty()) return;
  std::vector<std::string_view> items = lineItems(line);
  if (items.size() < 2 || !parseInteger(items[0])) return;
  for (std::size_t i = 1; i < items.size(); ++i) {
    if (!parseFieldNumber(items[i])) {
      unfitResult = "row " + std::string(items[0]) + ": " + std::string(items[i]);
      return;
    }
  }
}

}  // namespace murena::runner
