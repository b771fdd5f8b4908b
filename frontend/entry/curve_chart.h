#pragma once
// The chart of the curve editor (p-y curves, moment-EI data): the y column of
// a chart table against its x column, a second series with a legend when the
// table has a third data column, axis titles from the columns' first caption
// lines, axes inverted by the table's settings, and labels "#,##0.###" or,
// for ranges beyond 100000 or entirely below 0.001 in magnitude,
// "#.0##E-0".  When every y value is the same the y axis runs from 0.9 to 1.1
// times that value and the second point is drawn 1.001 times higher.
//
//   CurveChart chart = curveChartOf(table);
//   draw::Drawing d = drawCurveChart(chart, 400, 300, metrics);
#include <string>
#include <utility>
#include <vector>

#include "frontend/results/drawing.h"

namespace murena {

class GridTable;

struct ChartAxis {
  std::string title;
  double min = 0;  // min < max
  double max = 1;
  std::vector<double> ticks;  // ascending, inside [min, max]
  bool inverted = false;      // max at the left (x) or at the bottom (y)
  bool scientific = false;    // labels "#.0##E-0"
};

struct ChartSeries {
  std::string title;
  std::vector<std::pair<double, double>> points;  // (x, y) in data units
};

struct CurveChart {
  ChartAxis x, y;
  std::vector<ChartSeries> series;
  bool legend = false;
};

// Whether a table's editor shows a chart: a chart table whose x and y
// columns are real columns and which holds no sub-tables (a list of curve
// sets is not itself a curve).
bool tableHasCurveChart(const GridTable& table);

// The chart of a chart table's rows.
CurveChart curveChartOf(const GridTable& table);

// An axis over [lo, hi] (in any order) with rounded ticks; the bounds widen
// to whole ticks unless `fixed`.  A range of one value widens around it.
ChartAxis scaleAxis(double lo, double hi, bool fixed = false);

// Labels of an axis range: scientific beyond 100000 or entirely below 0.001
// in magnitude (a range that is exactly 0 stays plain).
bool axisUsesScientific(double min, double max);
// "#,##0.###" (1,234.5; 0.125; -3) or "#.0##E-0" (1.5E5; 2.0E-4).
std::string axisLabel(double value, bool scientific);

// The chart as a drawing of the given size in device units.
draw::Drawing drawCurveChart(const CurveChart& chart, double width, double height, const draw::TextMetrics& metrics,
                             double dpi = 96);

}  // namespace murena
