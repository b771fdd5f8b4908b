#pragma once
// Where the parts of a graph go on an output (a window's client area, a
// printed page or a bitmap): the plot rectangle, its one or three panels and
// the soil-layer column, in device units, and the mapping between data
// values and device positions of a panel.
//
//   GraphLayout l = layoutGraph(graph, OutputMode::Screen, {0, 0, 800, 600}, 96, 96);
//   PanelMapping m{l.panels[0], ranges, graph.XOnTop};
//   draw::Point p = m.map({0.5, 12.0});
#include <optional>
#include <vector>

#include "frontend/results/drawing.h"
#include "frontend/results/graph_plot.h"
#include "frontend/results/graph_ranges.h"

namespace murena {

// Screen: the window's client area, legend as a list box.  Printer: the page
// less its margins, drawn legend, large soil patterns.  Bitmap: a saved or
// copied picture, drawn legend, screen soil patterns, narrow soil column.
enum class OutputMode { Screen, Printer, Bitmap };

// The window's base font is 14 pixels high at 96 dots per inch.
inline constexpr double kBaseFontPixels = 14;

struct GraphLayout {
  OutputMode mode = OutputMode::Screen;
  draw::Rect output;
  int dpiX = 96;
  int dpiY = 96;
  int textHeight = 14;  // fh: the base font height scaled by SizeFont / 10
  draw::Rect plot;      // all panels together
  std::vector<draw::Rect> panels;     // one, or three side by side
  std::optional<draw::Rect> soilColumn;

  // An output under one inch wide or high shows only its white background.
  bool tooSmall() const { return output.width() < dpiX || output.height() < dpiY; }
  // The panel whose columns hold x, else the nearest one.
  int panelAt(double x) const;
};

// fh of the graph on a device of the given vertical resolution.
int graphTextHeight(const TGraphPlot& graph, double dpiY);

GraphLayout layoutGraph(const TGraphPlot& graph, OutputMode mode, const draw::Rect& output, double dpiX,
                        double dpiY);

// Data values to device positions of one panel and back.
struct PanelMapping {
  draw::Rect rect;
  PanelRanges ranges;
  bool depthDown = true;  // XOnTop: y grows downwards

  double x(double value) const;
  double y(double value) const;
  draw::Point map(const TFloatPoint& p) const { return {x(p.X), y(p.Y)}; }
  // A device position inside the panel as data values; (0, 0) outside.
  TFloatPoint inverse(const draw::Point& p) const;
};

// Page margins in thousandths of an inch (1000 each when a window opens).
struct PageMargins {
  int left = 1000;
  int top = 1000;
  int right = 1000;
  int bottom = 1000;
  bool operator==(const PageMargins&) const = default;
};

// The printed output rectangle in paper coordinates (dots from the paper's
// top left corner): each margin in dots (rounded), raised to the printer's
// unprintable border on that side when smaller.
struct Margins {
  double left = 0, top = 0, right = 0, bottom = 0;
};
draw::Rect printOutputRect(double paperWidth, double paperHeight, double dpiX, double dpiY,
                           const PageMargins& margins, const Margins& unprintable);

}  // namespace murena
