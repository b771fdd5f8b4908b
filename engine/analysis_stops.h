#pragma once
// The messages that stop the analysis of a block: each is written to the
// report where the condition is met, and the run goes to its normal end.
#include <string_view>

#include "engine/run_context.h"
#include "engine/run_errors.h"

namespace murena {

// Two empty lines and `message` in the report, then the analysis stops.
[[noreturn]] void stopAnalysis(TextOutput& report, std::string_view message);

// Two empty lines and "     ERROR STOP -- STATIONS NOT IN ORDER".
[[noreturn]] void stopStationsNotInOrder(RunContext& ctx);

// "     TOO MUCH DATA FOR AVAILABLE STORAGE" with two empty lines before and after.
[[noreturn]] void stopTooMuchData(RunContext& ctx);

// The last line of a run that a soil model stopped, after two empty lines:
// "     RUN STOPPED WITH CODE 1 -- " and the reason ("     RUN STOPPED -- "
// for a stop without a code).
void writeStopLine(TextOutput& report, const StopCode& stop);

}  // namespace murena
