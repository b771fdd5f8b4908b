#include "frontend/results/graph_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace murena {

int GraphLayout::panelAt(double x) const {
  int best = 0;
  double bestDistance = -1;
  for (int i = 0; i < static_cast<int>(panels.size()); ++i) {
    const draw::Rect& r = panels[static_cast<size_t>(i)];
    const double d = x < r.left ? r.left - x : x > r.right ? x - r.right : 0;
    if (bestDistance < 0 || d < bestDistance) {
      best = i;
      bestDistance = d;
    }
  }
  return best;
}

int graphTextHeight(const TGraphPlot& graph, double dpiY) {
  const int base = static_cast<int>(std::lround(kBaseFontPixels * dpiY / 96.0));
  return std::abs(base * graph.SizeFont / 10);
}

GraphLayout layoutGraph(const TGraphPlot& graph, OutputMode mode, const draw::Rect& output, double dpiX,
                        double dpiY) {
  GraphLayout l;
  l.mode = mode;
  l.output = output;
  l.dpiX = std::max(1, static_cast<int>(std::lround(dpiX)));
  l.dpiY = std::max(1, static_cast<int>(std::lround(dpiY)));
  const int dx = l.dpiX, dy = l.dpiY;
  const int fh = l.textHeight = graphTextHeight(graph, dy);
  const bool printer = mode == OutputMode::Printer;
  const bool titled = !graph.GraphTitle.empty();

  // Room for the axis labels and captions on the side of the x axis and the left.
  const int axisBand = 2 * fh + dy / 8 + fh / 8;
  double left = output.left + 2 * fh + dx / 8 + fh / 8;
  double right = printer ? output.right : output.right - dx / 4 - fh / 2;
  double top, bottom;
  if (graph.XOnTop) {
    top = output.top + axisBand;
    bottom = printer ? output.bottom : output.bottom - dy / 4 - fh / 2;
  } else {
    top = printer ? output.top : output.top + fh / 2 + dy / 4;
    bottom = output.bottom - axisBand;
  }
  if (titled) {
    if (graph.GraphTitleAtTop)
      top += printer ? dy / 4 : fh + fh / 8;
    else
      bottom -= printer ? dy / 2 : fh;
  }
  if (graph.ShowLayers) {
    // A saved picture keeps a half-inch column, the window and the page an inch.
    const double oldRight = right;
    right -= mode == OutputMode::Bitmap ? dx / 2 : dx;
    l.soilColumn = draw::Rect{right + dx / 5, top, oldRight, bottom};
  }
  l.plot = {left, top, right, bottom};
  if (graph.ShowThree) {
    const double gap = 2 * fh + dx / 4;
    const double w = std::floor((right - left - 4 * fh - dx / 2) / 3);
    const draw::Rect p1{left, top, left + w, bottom};
    const draw::Rect p2{p1.right + gap, top, p1.right + gap + w, bottom};
    const draw::Rect p3{p2.right + gap, top, right, bottom};
    l.panels = {p1, p2, p3};
  } else {
    l.panels = {l.plot};
  }
  return l;
}

double PanelMapping::x(double value) const {
  const double span = ranges.x.width();
  if (span == 0) return rect.left;
  return std::round((value - ranges.x.min) / span * rect.width()) + rect.left;
}

double PanelMapping::y(double value) const {
  const double span = ranges.y.width();
  if (span == 0) return depthDown ? rect.top : rect.bottom;
  const double offset = std::round((value - ranges.y.min) / span * rect.height());
  return depthDown ? rect.top + offset : rect.bottom - offset;
}

TFloatPoint PanelMapping::inverse(const draw::Point& p) const {
  if (!rect.contains(p) || rect.width() <= 0 || rect.height() <= 0) return {0, 0};
  const double fx = (p.x - rect.left) / rect.width();
  const double fy = depthDown ? (p.y - rect.top) / rect.height() : (rect.bottom - p.y) / rect.height();
  return {ranges.x.min + fx * ranges.x.width(), ranges.y.min + fy * ranges.y.width()};
}

draw::Rect printOutputRect(double paperWidth, double paperHeight, double dpiX, double dpiY,
                           const PageMargins& margins, const Margins& unprintable) {
  const auto dots = [](int thousandths, double dpi, double least) {
    return std::max(std::round(thousandths * dpi / 1000.0), least);
  };
  return {dots(margins.left, dpiX, unprintable.left), dots(margins.top, dpiY, unprintable.top),
          paperWidth - dots(margins.right, dpiX, unprintable.right),
          paperHeight - dots(margins.bottom, dpiY, unprintable.bottom)};
}

}  // namespace murena
