#include "frontend/results/plot_view.h"

#include <algorithm>

#include "frontend/entry/general_format.h"
#include "frontend/results/graph_zoom.h"

namespace murena {

bool PlotView::open(double dpi) {
  std::vector<PanelRanges> ranges;
  for (const TCurveList* list : panelCurves(graph_)) {
    const std::optional<PanelRanges> r = curveRanges(*list);
    if (!r) return false;
    ranges.push_back(*r);
  }
  ranges_ = fullRanges_ = ranges;
  const bool limit = graph_.LimitActiveCurves && graph_.Curves.size() > static_cast<size_t>(kMaxStartActiveCurves);
  for (size_t i = 0; i < graph_.Curves.size(); ++i)
    graph_.Curves[i].Active = !limit || i < static_cast<size_t>(kMaxStartActiveCurves);
  legend_ = legendEntries(graph_);
  fontSizeChanged_ = false;
  graph_.LegendFont = legendPointSize(legendFont(dpi), dpi);
  // Offered whenever there are curves, so that a legend hidden in an earlier
  // window can be shown again.
  legendOffered_ = !graph_.Curves.empty();
  margins_ = PageMargins{};
  return true;
}

void PlotView::toggleCurve(int entry) {
  if (entry < 0 || entry >= static_cast<int>(legend_.size())) return;
  const int c = legend_[static_cast<size_t>(entry)].curve;
  if (c < 0 || c >= static_cast<int>(graph_.Curves.size())) return;
  TLine& curve = graph_.Curves[static_cast<size_t>(c)];
  curve.Visible = !curve.Visible;
}

bool PlotView::curveVisible(int entry) const {
  if (entry < 0 || entry >= static_cast<int>(legend_.size())) return false;
  const int c = legend_[static_cast<size_t>(entry)].curve;
  return c >= 0 && c < static_cast<int>(graph_.Curves.size()) && graph_.Curves[static_cast<size_t>(c)].Visible;
}

void PlotView::setFontSize(int tenths) {
  graph_.SizeFont = tenths;
  fontSizeChanged_ = true;
}

void PlotView::setGraphTitle(const std::string& title, bool atTop) {
  graph_.GraphTitle = title;
  graph_.GraphTitleAtTop = atTop;
}

void PlotView::setCurveNames(const std::vector<std::string>& names) {
  for (size_t i = 0; i < names.size() && i < graph_.Curves.size(); ++i) graph_.Curves[i].Name = names[i];
  for (LegendEntry& e : legend_)
    if (e.curve >= 0 && e.curve < static_cast<int>(graph_.Curves.size())) e.text = graph_.legendText(e.curve);
}

void PlotView::setActiveCurves(const std::vector<bool>& active) {
  for (size_t i = 0; i < active.size() && i < graph_.Curves.size(); ++i) graph_.Curves[i].Active = active[i];
  legend_ = legendEntries(graph_);
}

PanelMapping PlotView::mapping(const GraphLayout& layout, int panel) const {
  const size_t p = static_cast<size_t>(panel);
  return {layout.panels.at(p), p < ranges_.size() ? ranges_[p] : PanelRanges{}, graph_.XOnTop};
}

bool PlotView::zoom(const GraphLayout& layout, draw::Point anchor, draw::Point corner) {
  if (!canZoom() || ranges_.empty() || layout.panels.empty()) return false;
  const std::optional<PanelRanges> r = rubberBandZoom(mapping(layout, 0), anchor, corner, fullRanges_[0]);
  if (!r) return false;
  ranges_[0] = *r;
  return true;
}

bool PlotView::zoomOut(const GraphLayout& layout, draw::Point at) {
  if (ranges_.empty() || layout.panels.empty()) return false;
  const int panel = layout.panelAt(at.x);
  if (panel >= panelCount()) return false;
  const std::optional<PanelRanges> r =
      zoomOutAt(mapping(layout, panel), at, fullRanges_[static_cast<size_t>(panel)]);
  if (!r || *r == ranges_[static_cast<size_t>(panel)]) return false;
  ranges_[static_cast<size_t>(panel)] = *r;
  return true;
}

std::string PlotView::coordinateTitle(const GraphLayout& layout, draw::Point at) const {
  if (ranges_.empty() || layout.panels.empty()) return graph_.Caption;
  const int panel = std::min(layout.panelAt(at.x), panelCount() - 1);
  const PanelMapping m = mapping(layout, panel);
  const TFloatPoint v = m.inverse(clampTo(at, m.rect));
  return graph_.Caption + " X: " + formatGeneral(v.X, 5) + " Y: " + formatGeneral(v.Y, 5);
}

GraphPicture PlotView::picture(const std::optional<draw::Point>& legendFraction) const {
  return {ranges_, legendShown() ? legend_ : std::vector<LegendEntry>{}, legendFraction};
}

}  // namespace murena
