#pragma once
// The picture of a graph as a drawing, on any output: white background,
// captions and title, ticks, labels and dotted grid of each panel, the
// curves with their markers (clipped to the panel), the drawn legend on
// printed and saved pictures, the soil-layer column, and the panel frames.
#include <optional>
#include <vector>

#include "frontend/results/drawing.h"
#include "frontend/results/graph_layout.h"
#include "frontend/results/graph_legend.h"
#include "frontend/results/graph_plot.h"
#include "frontend/results/graph_ranges.h"

namespace murena {

// What the graph window adds to the graph: the current ranges of each panel
// and the legend with the screen legend's place (as fractions of the window).
struct GraphPicture {
  std::vector<PanelRanges> ranges;
  std::vector<LegendEntry> legend;
  std::optional<draw::Point> legendFraction;
};

// The curve lists of the panels: Curves, then Curves2 and Curves3 in the
// three-panel view.
std::vector<const TCurveList*> panelCurves(const TGraphPlot& graph);

// The pen width of curves: (round(dpi / 300) + 1) x WidthLine.
double curvePenWidth(const TGraphPlot& graph, int dpiX);

draw::Drawing drawGraph(const TGraphPlot& graph, const GraphLayout& layout, const GraphPicture& picture,
                        const draw::TextMetrics& metrics);

}  // namespace murena
