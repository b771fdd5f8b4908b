#pragma once
// The legend of a graph: one entry per active curve (in curve order, each in
// the palette colour of its entry index), its size and place as the list box
// over the window, and the legend box drawn on printed and saved pictures.
#include <optional>
#include <string>
#include <vector>

#include "frontend/results/drawing.h"
#include "frontend/results/graph_layout.h"
#include "frontend/results/graph_plot.h"

namespace murena {

struct LegendEntry {
  std::string text;  // the curve's legend text
  int curve = 0;     // index in Curves
  bool operator==(const LegendEntry&) const = default;
};

// Entries for the active curves of Curves, in order.
std::vector<LegendEntry> legendEntries(const TGraphPlot& graph);
// The text of an entry in the list box: " *" follows while the curve is drawn.
std::string legendItemText(const LegendEntry& entry, bool curveVisible);
draw::Color entryColor(int entryIndex);

// The list box's font and row height: Times New Roman 15 pixels with rows of
// 16 until the font size is changed, then SizeFont * LegendFont / 10 points
// with rows of 3/2 of that size in pixels.
struct LegendListFont {
  draw::Font font;
  double rowHeight = 16;
};
LegendListFont legendListFont(const TGraphPlot& graph, bool fontSizeChanged, double dpi);
// The point size of the list box's font (LegendFont is set from it when a
// window opens).
int legendPointSize(const LegendListFont& font, double dpi);

// Height: entries x row height + 3; width: at least `width`, enlarged until
// the widest entry followed by " *" fits with a quarter inch to spare.
struct LegendSize {
  double width = 0, height = 0;
};
LegendSize legendListSize(const std::vector<LegendEntry>& entries, const LegendListFont& font,
                          const draw::TextMetrics& metrics, double dpiX, double width);

// The list box's place: at the lower right corner of the plot rectangle
// when the program lays the window out, else where it is; in either case
// pushed back inside the client area.
draw::Rect placeLegend(const draw::Rect& current, const draw::Rect& plot, const draw::Rect& client, bool toCorner);
// A rectangle moved (not resized) to lie inside `area` where it fits.
draw::Rect keepInside(const draw::Rect& r, const draw::Rect& area);

// The drawn legend: a white box with a black frame listing the visible
// entries, each with its curve's marker and text in the entry's colour.  Its
// top left corner is at the same fraction of the plot rectangle as the
// screen legend's of the window (`fraction`); without one, the box sits in
// the plot rectangle's lower right corner.  It is kept inside the plot
// rectangle where it fits there, else inside the output.
void drawLegendBox(draw::Drawing& drawing, const TGraphPlot& graph, const std::vector<LegendEntry>& entries,
                   const GraphLayout& layout, const std::optional<draw::Point>& fraction,
                   const draw::TextMetrics& metrics);

}  // namespace murena
