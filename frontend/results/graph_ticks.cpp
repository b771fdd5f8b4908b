#include "frontend/results/graph_ticks.h"

#include <cmath>
#include <cstdlib>

#include "frontend/entry/general_format.h"

namespace murena {

namespace {

// More minor ticks than this cannot be drawn apart on any device.
constexpr long long kMaxMinorTicks = 100000;

}  // namespace

double AxisTicks::value(long long k) const {
  const double v = static_cast<double>(k) * minorStep;
  return std::abs(v) < minorStep * 1e-9 ? 0.0 : v;
}

std::string AxisTicks::label(long long k) const { return formatGeneral(value(k), 4); }

AxisTicks axisTicks(const AxisRange& range, double length, double spacing) {
  AxisTicks ticks;
  const long long len = std::llabs(std::llround(length));
  const long long space = std::llround(spacing);
  if (space <= 0) return ticks;
  const long long intervals = len / space;
  const double width = range.width();
  if (intervals == 0 || !(width > 0) || !std::isfinite(width)) return ticks;

  const double raw = width / static_cast<double>(intervals);
  const double g = std::pow(10.0, std::floor(std::log10(raw)));
  const long long h = static_cast<long long>(std::floor(raw / g + 1e-9));
  const double factor = h <= 1 ? 1 : h <= 4 ? 2 : h <= 8 ? 5 : 10;
  ticks.majorStep = factor * g;
  ticks.minorStep = ticks.majorStep / 5;
  if (!(ticks.minorStep > 0)) return AxisTicks{};

  const double slack = 1e-9;
  const double first = std::ceil(range.min / ticks.minorStep - slack);
  const double last = std::floor(range.max / ticks.minorStep + slack);
  if (!std::isfinite(first) || !std::isfinite(last) || last - first > kMaxMinorTicks) return AxisTicks{};
  ticks.first = static_cast<long long>(first);
  ticks.last = static_cast<long long>(last);
  return ticks;
}

}  // namespace murena
