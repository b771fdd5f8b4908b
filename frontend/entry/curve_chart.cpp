#include "frontend/entry/curve_chart.h"

#include <algorithm>
#include <cmath>
#include <charconv>

#include "frontend/entry/grid_table.h"

namespace murena {

namespace {

bool isRealColumn(const GridTable& table, int column) {
  return column >= 0 && column < table.columnCount() && table.column(column).kind() == ColumnKind::Float;
}

std::string firstCaptionLine(const GridTable& table, int column) {
  const TColumn& c = table.column(column);
  return c.captionLineCount() > 0 ? c.captionLines().front() : std::string();
}

// An axis title: the column's whole caption with its units, as the grid's
// header shows it on several lines ("Lateral Deflection, y (*) (m)").
std::string axisCaption(const GridTable& table, int column) {
  const TColumn& c = table.column(column);
  std::string title;
  for (int i = 0; i < c.captionLineCount(); ++i) {
    std::string line = c.captionLine(i);
    while (!line.empty() && line.back() == ' ') line.pop_back();
    if (line.empty()) continue;
    if (!title.empty()) title += ' ';
    title += line;
  }
  return title;
}

// The third data column: the first real column that is neither x nor y.
int thirdDataColumn(const GridTable& table, int x, int y) {
  for (int c = 0; c < table.columnCount(); ++c)
    if (c != x && c != y && table.column(c).visible() && isRealColumn(table, c)) return c;
  return -1;
}

double niceStep(double range) {
  const double raw = range / 5;
  const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
  const double norm = raw / magnitude;
  const double factor = norm < 1.5 ? 1 : norm < 3 ? 2 : norm < 7 ? 5 : 10;
  return factor * magnitude;
}

// Removes trailing zeros of a fixed-point text, keeping `keep` decimals.
std::string trimDecimals(std::string text, size_t keep) {
  const size_t point = text.find('.');
  if (point == std::string::npos) return text;
  size_t end = text.size();
  while (end > point + 1 + keep && text[end - 1] == '0') --end;
  if (end == point + 1) --end;  // no decimals left: drop the point
  text.resize(end);
  return text;
}

// Three decimals in fixed notation with "." whatever the locale.
std::string fixedThreeDecimals(double value) {
  char buffer[400];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3);
  return std::string(buffer, written.ptr);
}

std::string groupThousands(const std::string& digits) {
  std::string out;
  const size_t n = digits.size();
  for (size_t i = 0; i < n; ++i) {
    out += digits[i];
    const size_t left = n - 1 - i;
    if (left > 0 && left % 3 == 0) out += ',';
  }
  return out;
}

}  // namespace

bool tableHasCurveChart(const GridTable& table) {
  const ChartSettings* chart = table.chartSettings();
  if (chart == nullptr) return false;
  for (int c = 0; c < table.columnCount(); ++c)
    if (table.column(c).kind() == ColumnKind::Table) return false;
  return isRealColumn(table, chart->xColumn) && isRealColumn(table, chart->yColumn);
}

bool axisUsesScientific(double min, double max) {
  const double magnitude = std::max(std::fabs(min), std::fabs(max));
  return magnitude > 100000 || (magnitude < 0.001 && magnitude != 0);
}

std::string axisLabel(double value, bool scientific) {
  if (!std::isfinite(value)) return "";
  if (scientific) {
    if (value == 0) return "0.0E0";
    int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    double mantissa = value / std::pow(10.0, exponent);
    mantissa = std::round(mantissa * 1000) / 1000;
    if (std::fabs(mantissa) >= 10) {
      mantissa /= 10;
      ++exponent;
    }
    return trimDecimals(fixedThreeDecimals(mantissa), 1) + "E" + std::to_string(exponent);
  }
  std::string text = trimDecimals(fixedThreeDecimals(value), 0);
  const bool negative = text.front() == '-';
  if (negative) text.erase(0, 1);
  const size_t point = text.find('.');
  const std::string whole = groupThousands(text.substr(0, point));
  text = whole + (point == std::string::npos ? std::string() : text.substr(point));
  if (text == "0") return text;  // no "-0"
  return negative ? "-" + text : text;
}

ChartAxis scaleAxis(double lo, double hi, bool fixed) {
  ChartAxis axis;
  if (!std::isfinite(lo) || !std::isfinite(hi)) lo = 0, hi = 1;
  if (lo > hi) std::swap(lo, hi);
  if (lo == hi) {
    const double spread = lo == 0 ? 1 : std::fabs(lo) * 0.1;
    lo -= spread;
    hi += spread;
    fixed = false;
  }
  const double step = niceStep(hi - lo);
  if (!fixed) {
    lo = std::floor(lo / step + 1e-9) * step;
    hi = std::ceil(hi / step - 1e-9) * step;
  }
  axis.min = lo;
  axis.max = hi;
  const double first = std::ceil(lo / step - 1e-9);
  for (double k = first;; k += 1) {
    double tick = k * step;
    if (tick > hi + step * 1e-9) break;
    if (std::fabs(tick) < step * 1e-9) tick = 0;
    axis.ticks.push_back(tick);
    if (axis.ticks.size() > 50) break;
  }
  axis.scientific = axisUsesScientific(lo, hi);
  return axis;
}

CurveChart curveChartOf(const GridTable& table) {
  CurveChart chart;
  if (!tableHasCurveChart(table)) return chart;
  const ChartSettings& settings = *table.chartSettings();
  const int xc = settings.xColumn, yc = settings.yColumn;
  const int third = thirdDataColumn(table, xc, yc);
  const int rows = table.rowCount();

  std::vector<int> yColumns{yc};
  if (third >= 0) yColumns.push_back(third);
  double xlo = 0, xhi = 0, ylo = 0, yhi = 0;
  bool any = false;
  for (int column : yColumns) {
    ChartSeries series;
    series.title = firstCaptionLine(table, column);
    for (int r = 0; r < rows; ++r) {
      const double x = table.real(xc, r), y = table.real(column, r);
      series.points.emplace_back(x, y);
      if (!any) xlo = xhi = x, ylo = yhi = y, any = true;
      xlo = std::min(xlo, x), xhi = std::max(xhi, x);
      ylo = std::min(ylo, y), yhi = std::max(yhi, y);
    }
    chart.series.push_back(std::move(series));
  }
  chart.legend = third >= 0;

  chart.x = any ? scaleAxis(xlo, xhi) : scaleAxis(0, 1);
  if (any && ylo == yhi && ylo != 0) {
    // One value everywhere: a fixed band around it, the second point raised
    // slightly so that the series still shows as a line.
    chart.y = scaleAxis(0.9 * ylo, 1.1 * ylo, true);
    for (ChartSeries& s : chart.series)
      if (s.points.size() > 1) s.points[1].second *= 1.001;
  } else {
    chart.y = any ? scaleAxis(ylo, yhi) : scaleAxis(0, 1);
  }
  chart.x.title = axisCaption(table, xc);
  chart.y.title = axisCaption(table, yc);
  chart.x.inverted = settings.invertedXAxis;
  chart.y.inverted = settings.invertedYAxis;
  return chart;
}

draw::Drawing drawCurveChart(const CurveChart& chart, double width, double height, const draw::TextMetrics& metrics,
                             double dpi) {
  using namespace draw;
  const double s = dpi / 96;
  Drawing d(width, height, dpi, dpi);
  d.fill({0, 0, width, height}, kWhite);

  const Font labelFont{FontFamily::Sans, 11 * s, false};
  const Font titleFont{FontFamily::Sans, 12 * s, true};
  const double labelHeight = metrics.height(labelFont);
  const double titleHeight = metrics.height(titleFont);
  const double tick = 4 * s, gap = 4 * s, margin = 8 * s;

  auto labels = [](const ChartAxis& axis) {
    std::vector<std::string> out;
    for (double t : axis.ticks) out.push_back(axisLabel(t, axis.scientific));
    return out;
  };
  const std::vector<std::string> xLabels = labels(chart.x), yLabels = labels(chart.y);
  double yLabelWidth = 0;
  for (const std::string& l : yLabels) yLabelWidth = std::max(yLabelWidth, metrics.width(labelFont, l));
  double lastXLabel = xLabels.empty() ? 0 : metrics.width(labelFont, chart.x.inverted ? xLabels.front() : xLabels.back());

  const double legendHeight = chart.legend ? labelHeight + gap : 0;
  Rect plot;
  plot.left = margin + (chart.y.title.empty() ? 0 : titleHeight + gap) + yLabelWidth + gap + tick;
  plot.top = margin + legendHeight + labelHeight / 2;
  plot.right = width - std::max(margin, lastXLabel / 2 + 2 * s);
  plot.bottom = height - margin - (chart.x.title.empty() ? 0 : titleHeight + gap) - labelHeight - gap - tick;
  if (plot.right <= plot.left + 10 || plot.bottom <= plot.top + 10) return d;

  auto px = [&](double x) {
    const double f = (x - chart.x.min) / (chart.x.max - chart.x.min);
    return chart.x.inverted ? plot.right - f * plot.width() : plot.left + f * plot.width();
  };
  auto py = [&](double y) {
    const double f = (y - chart.y.min) / (chart.y.max - chart.y.min);
    return chart.y.inverted ? plot.top + f * plot.height() : plot.bottom - f * plot.height();
  };

  const Color grid{205, 210, 215};
  const Color axisColor{55, 71, 79};
  for (size_t i = 0; i < chart.x.ticks.size(); ++i) {
    const double x = px(chart.x.ticks[i]);
    d.line({x, plot.top}, {x, plot.bottom}, Pen{grid, 1, PenStyle::Dot});
    d.line({x, plot.bottom}, {x, plot.bottom + tick}, Pen{axisColor, 1});
    d.text({x, plot.bottom + tick + gap / 2}, xLabels[i], labelFont, axisColor, Anchor::TopCenter);
  }
  for (size_t i = 0; i < chart.y.ticks.size(); ++i) {
    const double y = py(chart.y.ticks[i]);
    d.line({plot.left, y}, {plot.right, y}, Pen{grid, 1, PenStyle::Dot});
    d.line({plot.left - tick, y}, {plot.left, y}, Pen{axisColor, 1});
    d.text({plot.left - tick - gap, y}, yLabels[i], labelFont, axisColor, Anchor::CenterRight);
  }
  d.rect(plot, Pen{axisColor, 1});
  if (!chart.x.title.empty())
    d.text({(plot.left + plot.right) / 2, height - margin}, chart.x.title, titleFont, axisColor,
           Anchor::BottomCenter);
  if (!chart.y.title.empty())
    d.text({margin, (plot.top + plot.bottom) / 2}, chart.y.title, titleFont, axisColor, Anchor::TopCenter, 90);

  static constexpr Color kSeriesColors[] = {{229, 57, 53}, {30, 136, 229}};
  const double mark = 2.5 * s;
  d.clipBegin({plot.left - mark - 1, plot.top - mark - 1, plot.right + mark + 1, plot.bottom + mark + 1});
  for (size_t k = 0; k < chart.series.size(); ++k) {
    const Color color = kSeriesColors[k % 2];
    std::vector<Point> points;
    for (const auto& [x, y] : chart.series[k].points) points.push_back({px(x), py(y)});
    if (points.size() > 1) d.polyline(points, Pen{color, 1.5 * s});
    for (const Point& p : points)
      d.rect({p.x - mark, p.y - mark, p.x + mark, p.y + mark}, Pen{color, 1}, Brush{color, 0});
  }
  d.clipEnd();

  if (chart.legend) {
    // One entry per series above the plot, right-aligned: a line sample and the title.
    const double sample = 18 * s;
    double x = plot.right;
    const double y = margin + labelHeight / 2;
    for (size_t k = chart.series.size(); k-- > 0;) {
      const Color color = kSeriesColors[k % 2];
      const double w = metrics.width(labelFont, chart.series[k].title);
      x -= w;
      d.text({x, y}, chart.series[k].title, labelFont, axisColor, Anchor::CenterLeft);
      x -= gap + sample;
      d.line({x, y}, {x + sample, y}, Pen{color, 1.5 * s});
      x -= 3 * gap;
    }
  }
  return d;
}

}  // namespace murena
