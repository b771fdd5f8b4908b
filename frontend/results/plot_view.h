#pragma once
// The state of a graph window without the window: current and full ranges
// of each panel, the legend entries, the page margins, and every command of
// the window that changes the graph or the view (toggles, markers, font
// size, line width, title, curve names, active curves, zoom, zoom out).
// The Qt window lays it out, paints its picture and forwards events to it.
//
//   PlotView view(graphs.pltDef);
//   if (!view.open()) return;                  // a range step of zero
//   GraphLayout l = layoutGraph(view.graph(), OutputMode::Screen, client, 96, 96);
//   view.zoom(l, {100, 80}, {220, 160});
//   draw::Drawing d = drawGraph(view.graph(), l, view.picture({}), metrics);
#include <optional>
#include <string>
#include <vector>

#include "frontend/results/drawing.h"
#include "frontend/results/graph_drawing.h"
#include "frontend/results/graph_layout.h"
#include "frontend/results/graph_legend.h"
#include "frontend/results/graph_plot.h"
#include "frontend/results/graph_ranges.h"

namespace murena {

// A window opening on more curves than this starts with only these active.
inline constexpr int kMaxStartActiveCurves = 20;

class PlotView {
 public:
  explicit PlotView(TGraphPlot& graph) : graph_(graph) {}

  // Computes the ranges (false when a range step is zero: the window does
  // not open), makes the curves active (the first 20 only when limited),
  // builds the legend entries and notes whether the legend is offered.
  bool open(double dpi = 96);

  TGraphPlot& graph() const { return graph_; }
  int panelCount() const { return static_cast<int>(ranges_.size()); }
  const std::vector<PanelRanges>& ranges() const { return ranges_; }
  const std::vector<PanelRanges>& fullRanges() const { return fullRanges_; }
  const std::vector<LegendEntry>& legend() const { return legend_; }
  // "Show Legend" exists only when the legend was shown when the window opened.
  bool legendOffered() const { return legendOffered_; }
  bool legendShown() const { return legendOffered_ && graph_.ShowLegend; }
  LegendListFont legendFont(double dpi) const { return legendListFont(graph_, fontSizeChanged_, dpi); }
  PageMargins& margins() { return margins_; }
  const PageMargins& margins() const { return margins_; }

  // The curve of a legend entry shown or hidden (double click, curve item).
  void toggleCurve(int entry);
  bool curveVisible(int entry) const;
  void setMarkers(int every) { graph_.Markers = every; }
  void setFontSize(int tenths);
  void setLineWidth(int factor) { graph_.WidthLine = factor; }
  void toggleLegend() { graph_.ShowLegend = !graph_.ShowLegend; }
  void toggleSoilLayer() { graph_.ShowLayers = !graph_.ShowLayers; }
  void toggleWall() { graph_.ShowWall = !graph_.ShowWall; }
  void setGraphTitle(const std::string& title, bool atTop);
  // OK of the Legend dialog: every curve's name; entries of active curves
  // take the new texts.
  void setCurveNames(const std::vector<std::string>& names);
  // OK of the Active Curves dialog: the flags, and the legend rebuilt for the
  // active curves in curve order.
  void setActiveCurves(const std::vector<bool>& active);

  // Zooming is for the single panel; the full ranges bound it.
  bool canZoom() const { return !graph_.ShowThree; }
  bool zoom(const GraphLayout& layout, draw::Point anchor, draw::Point corner);
  bool zoomOut(const GraphLayout& layout, draw::Point at);
  bool zoomed() const { return ranges_ != fullRanges_; }

  PanelMapping mapping(const GraphLayout& layout, int panel) const;
  // The window title while the mouse is at `at`: the caption, " X: " and
  // " Y: " with the data values under it (clamped to the panel).
  std::string coordinateTitle(const GraphLayout& layout, draw::Point at) const;
  // The picture's ranges and legend for drawGraph.
  GraphPicture picture(const std::optional<draw::Point>& legendFraction) const;

 private:
  TGraphPlot& graph_;
  std::vector<PanelRanges> ranges_;
  std::vector<PanelRanges> fullRanges_;
  std::vector<LegendEntry> legend_;
  bool legendOffered_ = false;
  bool fontSizeChanged_ = false;
  PageMargins margins_;
};

}  // namespace murena
