#pragma once
// Tick marks of an axis: as many labelled intervals as fit (one per six text
// heights, four in the three-panel view), a major step of 1, 2, 5 or 10
// times a power of ten, and five minor ticks per major step.
#include <string>

#include "frontend/results/graph_ranges.h"

namespace murena {

struct AxisTicks {
  double majorStep = 0;
  double minorStep = 0;
  // Minor ticks sit at k * minorStep for k = first .. last; every fifth
  // (k divisible by 5) is a major tick with a label and a grid line.
  long long first = 0;
  long long last = -1;

  bool empty() const { return last < first; }
  static bool isMajor(long long k) { return k % 5 == 0; }
  double value(long long k) const;
  // The label of tick k: general format with 4 significant digits.
  std::string label(long long k) const;
};

// The ticks of a range drawn over `length` device units when one labelled
// interval needs `spacing` units.  Empty when no interval fits.
AxisTicks axisTicks(const AxisRange& range, double length, double spacing);

}  // namespace murena
