#pragma once
// Records of the plot data file.  Free-form lines carry each value after one
// blank: integers in decimal, reals with nine significant digits.
#include <initializer_list>
#include <string>

#include "engine/run_context.h"

namespace murena {

std::string plotInteger(long long value);
std::string plotReal(double value);

// A free-form line of integers, e.g. the head of a record.
std::string plotIntegers(std::initializer_list<long long> values);

// The result record: head (result set count, row count, units code) and one
// row per station of the last block solved.
void writeResultRecord(RunContext& ctx);

}  // namespace murena
