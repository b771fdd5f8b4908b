#pragma once
// One complete run: "NAMES.dat" in the current directory names the input data
// file and the three output files; every analysis block of the input is read,
// solved and reported.  Always returns to the caller; the result is the run
// status (0).
#include <cstdint>

namespace murena {

struct RunContext;

std::int32_t runAnalysis();

// The same run on a context the caller owns, so that tests can look at the
// station results in full precision afterwards.
std::int32_t runAnalysisWith(RunContext& ctx);

}  // namespace murena
