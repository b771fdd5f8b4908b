#include "frontend/results/graph_ranges.h"

#include <algorithm>
#include <cmath>

namespace murena {

namespace {

// Powers of ten computed so that decimal steps stay exact (0.001 x 10 gives
// 0.01, not 0.010000000000000002).
double timesPowerOfTen(double n, int exponent) {
  return exponent < 0 ? n / std::pow(10.0, -exponent) : n * std::pow(10.0, exponent);
}

struct Step {
  int exponent = 0;
  bool valid = false;
};

Step stepOf(double width) {
  if (!(width > 0) || !std::isfinite(width)) return {};
  double lg = std::log10(width);
  // A width of exactly a power of ten must not fall a decade low.
  if (std::abs(lg - std::round(lg)) < 1e-12) lg = std::round(lg);
  int exponent = static_cast<int>(std::floor(lg));
  if (lg - exponent < std::log10(3.0)) --exponent;
  if (timesPowerOfTen(1, exponent) == 0) return {};
  return {exponent, true};
}

// The nearest whole number away from zero, forgiving the last bits of a
// quotient that is meant to be whole.
double awayFromZero(double q) {
  const double slack = 1e-9 * std::max(1.0, std::abs(q));
  return q < 0 ? std::floor(q + slack) : std::ceil(q - slack);
}

}  // namespace

double rangeStep(double width) {
  const Step s = stepOf(width);
  return s.valid ? timesPowerOfTen(1, s.exponent) : 0;
}

std::optional<AxisRange> roundedRange(double min, double max) {
  if (max == min) {
    min -= 0.01;
    max += 0.01;
  }
  const Step s = stepOf(max - min);
  if (!s.valid) return std::nullopt;
  const double step = timesPowerOfTen(1, s.exponent);
  return AxisRange{timesPowerOfTen(awayFromZero(min / step), s.exponent),
                   timesPowerOfTen(awayFromZero(max / step), s.exponent)};
}

std::optional<PanelRanges> curveRanges(const TCurveList& curves) {
  double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
  for (const TLine& curve : curves)
    for (const TFloatPoint& p : curve.Points) {
      if (!std::isfinite(p.X) || !std::isfinite(p.Y)) continue;
      if (p.X < xMin)
        xMin = p.X;
      else if (p.X > xMax)
        xMax = p.X;
      if (p.Y < yMin)
        yMin = p.Y;
      else if (p.Y > yMax)
        yMax = p.Y;
    }
  const std::optional<AxisRange> x = roundedRange(xMin, xMax);
  const std::optional<AxisRange> y = roundedRange(yMin, yMax);
  if (!x || !y) return std::nullopt;
  return PanelRanges{*x, *y};
}

}  // namespace murena
