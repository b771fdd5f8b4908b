#pragma once
// Reads the engine's report line by line and keeps what the runner judges a
// run by: the end-of-analysis line, the first input-error line, the notices
// of the last results block and any results row whose values are not finite
// numbers or overflowed their fields.
#include <optional>
#include <string>
#include <string_view>

namespace murena::runner {

class ReportScan {
 public:
  void addLine(std::string_view line);

  bool endOfAnalysis = false;       // "END OF ANALYSIS" was reached
  std::optional<int> iterations;    // of the last results block
  bool notClosed = false;           // the last results block did not close within tolerance
  bool deflectionExceeded = false;  // the last results block exceeded the allowable deflection
  int exceededStations = 0;         // stations beyond the allowable deflection (last block)
  std::string inputError;           // the first input-error line, blanks trimmed
  std::string unfitResult;          // the first results row with an unusable value
  std::string lastLine;             // the last non-empty line, blanks trimmed

 private:
  bool inResults_ = false;     // between a results heading and the end of the block's results
  bool inNotices_ = false;     // between a results heading and its table heading
};

}  // namespace murena::runner
