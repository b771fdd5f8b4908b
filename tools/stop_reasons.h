#pragma once
// Why a run ended before "END OF ANALYSIS", told from what the engine wrote
// to its console: the soil models end a run with a short stop code ("1",
// "2", "4") or with a warning and no code.
#include <string>
#include <string_view>

namespace murena::runner {

struct StopReason {
  std::string code;     // the stop code, empty for a stop without one
  std::string meaning;  // what the stop means for the data, empty when unknown
};

StopReason stopReason(std::string_view consoleText);

// The sentence the runner reports for a run that did not reach the end of
// the analysis; `reportLastLine` is the last non-empty line of the report.
std::string stopMessage(const StopReason& reason, const std::string& reportLastLine);

}  // namespace murena::runner
