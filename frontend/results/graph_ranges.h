#pragma once
// Data ranges of a graph panel: the range rule (the range always holds zero,
// a flat range is widened, both ends are rounded outward to multiples of a
// power-of-ten step) and the ranges of a curve list.
#include <optional>

#include "frontend/results/graph_plot.h"

namespace murena {

struct AxisRange {
  double min = 0;
  double max = 0;
  double width() const { return max - min; }
  double centre() const { return (min + max) / 2; }
  bool operator==(const AxisRange&) const = default;
};

struct PanelRanges {
  AxisRange x;
  AxisRange y;
  bool operator==(const PanelRanges&) const = default;
};

// The rounding step of a range width: the power of ten below the width,
// divided by ten when the width's leading digits are below 3 (25 -> 1,
// 37 -> 10).  Zero for a width that is not positive and finite.
double rangeStep(double width);

// A range from its smallest and largest value: widened by 0.01 each way when
// flat, then both ends moved away from zero to multiples of the step.  Empty
// when the step is zero (the graph window does not open).
std::optional<AxisRange> roundedRange(double min, double max);

// The ranges of every point of every curve of the list (active or not),
// starting from zero; points with a value that is not finite are left out.
std::optional<PanelRanges> curveRanges(const TCurveList& curves);

}  // namespace murena
