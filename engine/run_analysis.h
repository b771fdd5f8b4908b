#pragma once
// One complete run: "NAMES.dat" in the current directory names the input data
// file and the three output files; every analysis block of the input is read,
// solved and reported.  Always returns to the caller; the result is the run
// status (0).
#include <cstdint>

namespace murena {

std::int32_t runAnalysis();

}  // namespace murena
