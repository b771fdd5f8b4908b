#include "frontend/results/graph_drawing.h"

#include <algorithm>
#include <cmath>

#include "frontend/results/curve_markers.h"
#include "frontend/results/graph_ticks.h"
#include "frontend/results/polyline_clip.h"
#include "frontend/results/soil_column.h"

namespace murena {

namespace {

constexpr draw::Pen kOnePixel{draw::kBlack, 1, draw::PenStyle::Solid};
constexpr draw::Pen kGrid{draw::kBlack, 1, draw::PenStyle::Dot};
// Captions are not made smaller than this (pixels at 96 dots per inch) to fit.
constexpr double kSmallestCaptionPixels = 8;

class GraphPainter {
 public:
  GraphPainter(const TGraphPlot& g, const GraphLayout& l, const GraphPicture& p, const draw::TextMetrics& m)
      : g_(g), l_(l), p_(p), m_(m), d_(l.output.right, l.output.bottom, l.dpiX, l.dpiY) {
    const double fh = l.textHeight;
    captionFont_ = {draw::FontFamily::Serif, fh, true};
    labelFont_ = {draw::FontFamily::Serif, fh, false};
    nameFont_ = {draw::FontFamily::Serif, std::round(kBaseFontPixels * l.dpiY / 96.0), false};
  }

  draw::Drawing paint() {
    d_.fill(l_.output, draw::kWhite);
    if (l_.tooSmall()) return std::move(d_);
    captions();
    const std::vector<const TCurveList*> lists = panelCurves(g_);
    for (size_t i = 0; i < l_.panels.size(); ++i) ticks(mapping(i));
    for (size_t i = 0; i < l_.panels.size() && i < lists.size(); ++i) curves(*lists[i], mapping(i));
    if (l_.mode != OutputMode::Screen && g_.ShowLegend && !p_.legend.empty())
      drawLegendBox(d_, g_, p_.legend, l_, p_.legendFraction, m_);
    if (g_.ShowLayers && l_.soilColumn)
      drawSoilColumn(d_, soilColumnPicture(g_, *l_.soilColumn, mapping(0)), *l_.soilColumn, nameFont_,
                     l_.mode == OutputMode::Printer, m_);
    for (const draw::Rect& panel : l_.panels) d_.rect(panel, kOnePixel);
    return std::move(d_);
  }

 private:
  PanelMapping mapping(size_t panel) const {
    const PanelRanges r = panel < p_.ranges.size() ? p_.ranges[panel] : PanelRanges{{0, 1}, {0, 1}};
    return {l_.panels[panel], r, g_.XOnTop};
  }

  bool titled(bool top) const { return !g_.GraphTitle.empty() && g_.GraphTitleAtTop == top; }

  void captions() {
    const draw::Rect& out = l_.output;
    const double fh = l_.textHeight;
    const double dx = l_.dpiX, dy = l_.dpiY;
    const bool top = g_.XOnTop;
    const double midY = (out.top + out.bottom) / 2;
    if (!g_.ShowThree) {
      const double inward = titled(top) ? fh + std::floor(fh / 8) : 0;
      const std::string x = g_.axisTitle(g_.XCaption, g_.XUnits);
      const draw::Font xFont = fitted(x, out.width());
      if (top)
        d_.text({(out.left + out.right) / 2, out.top + inward}, x, xFont, draw::kBlack, draw::Anchor::TopCenter);
      else
        d_.text({(out.left + out.right) / 2, out.bottom - inward}, x, xFont, draw::kBlack, draw::Anchor::BottomCenter);
      const std::string y = g_.axisTitle(g_.YCaption, g_.YUnits);
      d_.text({out.left, midY}, y, fitted(y, out.height()), draw::kBlack, draw::Anchor::TopCenter, 90);
    } else {
      const std::string xs[3] = {g_.axisTitle(g_.XCaption, g_.XUnits), g_.axisTitle(g_.XCaption2, g_.XUnits2),
                                 g_.axisTitle(g_.XCaption3, g_.XUnits3)};
      const std::string ys[3] = {g_.axisTitle(g_.YCaption, g_.YUnits), g_.axisTitle(g_.YCaption2, g_.YUnits2),
                                 g_.axisTitle(g_.YCaption3, g_.YUnits3)};
      // Below a title on the same side, like the single panel's caption.
      const double inward = std::floor(dy / 16) + (titled(top) ? fh + std::floor(fh / 8) : 0);
      const double yCaptionOffset = 2 * fh + std::floor(dx / 8) + std::floor(fh / 8);
      // A caption wider than its panel and the gap beside it would run into
      // its neighbour: it is written smaller.
      const double gap = 2 * fh + std::floor(dx / 4);
      for (size_t i = 0; i < l_.panels.size() && i < 3; ++i) {
        const draw::Rect& panel = l_.panels[i];
        const double cx = (panel.left + panel.right) / 2;
        const double room = std::min({panel.width() + gap - fh / 2, 2 * (cx - out.left), 2 * (out.right - cx)});
        const draw::Font xFont = fitted(xs[i], room);
        if (top)
          d_.text({cx, out.top + inward}, xs[i], xFont, draw::kBlack, draw::Anchor::TopCenter);
        else
          d_.text({cx, out.bottom - inward}, xs[i], xFont, draw::kBlack, draw::Anchor::BottomCenter);
        d_.text({panel.left - yCaptionOffset, midY}, ys[i], fitted(ys[i], out.height()), draw::kBlack,
                draw::Anchor::TopCenter, 90);
      }
    }
    if (!g_.GraphTitle.empty()) {
      const draw::Font titleFont = fitted(g_.GraphTitle, out.width());
      if (g_.GraphTitleAtTop)
        d_.text({(out.left + out.right) / 2, out.top}, g_.GraphTitle, titleFont, draw::kBlack, draw::Anchor::TopCenter);
      else
        d_.text({(out.left + out.right) / 2, out.bottom}, g_.GraphTitle, titleFont, draw::kBlack,
                draw::Anchor::BottomCenter);
    }
  }

  // The caption font, smaller where the text would be wider than `room`.
  draw::Font fitted(const std::string& text, double room) const {
    return draw::fittedFont(captionFont_, text, room, std::round(kSmallestCaptionPixels * l_.dpiY / 96.0), m_);
  }

  void ticks(const PanelMapping& m) {
    const draw::Rect& r = m.rect;
    const double fh = l_.textHeight;
    const double dx = l_.dpiX, dy = l_.dpiY;
    const double spacing = (g_.ShowThree ? 4 : 6) * fh;
    const double labelHeight = m_.height(labelFont_);
    const double markY = std::floor(dy / 16), markX = std::floor(dx / 16);

    const AxisTicks xt = axisTicks(m.ranges.x, r.width(), spacing);
    const long long xEvery = labelEvery(xt, m.ranges.x, r.width());
    for (long long k = xt.first; k <= xt.last; ++k) {
      const double px = m.x(xt.value(k));
      if (px < r.left || px > r.right) continue;
      if (g_.XOnTop)
        d_.line({px, r.top}, {px, r.top + markY}, kOnePixel);
      else
        d_.line({px, r.bottom}, {px, r.bottom - markY}, kOnePixel);
      if (!AxisTicks::isMajor(k)) continue;
      d_.line({px, r.top}, {px, r.bottom}, kGrid);
      if ((k / 5) % xEvery != 0) continue;
      const double ly = g_.XOnTop ? r.top - labelHeight - std::floor(dy / 32) : r.bottom + markY;
      d_.text({px, ly}, xt.label(k), labelFont_, draw::kBlack, draw::Anchor::TopCenter);
    }
    const AxisTicks yt = axisTicks(m.ranges.y, r.height(), spacing);
    const long long yEvery = labelEvery(yt, m.ranges.y, r.height());
    // Extents along the axis of the y labels written so far: a label slid
    // inside the panel at an end must not run into its neighbour.
    std::vector<std::pair<double, double>> written;
    for (long long k = yt.first; k <= yt.last; ++k) {
      const double py = m.y(yt.value(k));
      if (py < r.top || py > r.bottom) continue;
      d_.line({r.left, py}, {r.left + markX, py}, kOnePixel);
      if (!AxisTicks::isMajor(k)) continue;
      d_.line({r.left, py}, {r.right, py}, kGrid);
      if ((k / 5) % yEvery != 0) continue;
      // Labels at the ends stay along the panel, clear of the x labels.
      const std::string label = yt.label(k);
      const double half = m_.width(labelFont_, label) / 2;
      const double centre = std::max(std::min(py, r.bottom - half), r.top + half);
      const double gap = fh / 4;
      const bool clashes = std::any_of(written.begin(), written.end(), [&](const std::pair<double, double>& w) {
        return centre - half < w.second + gap && centre + half > w.first - gap;
      });
      if (clashes) continue;
      written.emplace_back(centre - half, centre + half);
      d_.text({r.left - labelHeight - std::floor(dx / 32), centre}, label, labelFont_, draw::kBlack,
              draw::Anchor::TopCenter, 90);
    }
  }

  // Labels of every major tick would run into each other when they are
  // wider than the tick spacing: then only every n-th major tick is labelled.
  long long labelEvery(const AxisTicks& t, const AxisRange& range, double length) const {
    if (t.empty() || !(range.width() > 0)) return 1;
    const double spacing = t.majorStep / range.width() * std::abs(length);
    double widest = 0;
    for (long long k = t.first; k <= t.last; ++k)
      if (AxisTicks::isMajor(k)) widest = std::max(widest, m_.width(labelFont_, t.label(k)));
    const double needed = widest + l_.textHeight / 2.0;
    return spacing <= 0 || needed <= spacing ? 1 : static_cast<long long>(std::ceil(needed / spacing));
  }

  void curves(const TCurveList& list, const PanelMapping& m) {
    if (list.empty() || list.front().Points.size() <= 1) return;
    const double width = curvePenWidth(g_, l_.dpiX);
    const double rx = l_.dpiX / 32.0, ry = l_.dpiY / 32.0;
    // The three panels leave out the last point of each curve when they
    // show more than one curve.
    const bool shorten = g_.ShowThree && list.size() > 1;
    d_.clipBegin(m.rect);
    int colour = 0;
    std::vector<draw::Point> mapped;
    for (size_t i = 0; i < list.size(); ++i) {
      const TLine& curve = list[i];
      // The panels share one legend: the first panel's curve says whether
      // a curve takes part and is drawn.
      const TLine& flags = i < g_.Curves.size() ? g_.Curves[i] : curve;
      if (!flags.Active) continue;
      const draw::Color color = entryColor(colour++);
      if (!flags.Visible) continue;
      size_t n = curve.Points.size();
      if (shorten && n > 0) --n;
      mapped.clear();
      for (size_t j = 0; j < n; ++j) mapped.push_back(m.map(curve.Points[j]));
      const draw::Pen pen{color, width, draw::PenStyle::Solid};
      for (std::vector<draw::Point>& part : clipPolyline(mapped, m.rect))
        if (part.size() > 1) d_.polyline(std::move(part), pen);
      if (g_.Markers <= 0) continue;
      const std::vector<draw::Point> marker = markerOffsets(markerShape(static_cast<int>(i)), rx, ry);
      for (size_t j = 0; j < n; j += static_cast<size_t>(g_.Markers)) {
        const draw::Point& p = mapped[j];
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || !m.rect.contains(p)) continue;
        d_.polyline(movedTo(marker, p), pen, true);
      }
    }
    d_.clipEnd();
  }

  const TGraphPlot& g_;
  const GraphLayout& l_;
  const GraphPicture& p_;
  const draw::TextMetrics& m_;
  draw::Drawing d_;
  draw::Font captionFont_, labelFont_, nameFont_;
};

}  // namespace

std::vector<const TCurveList*> panelCurves(const TGraphPlot& graph) {
  if (graph.ShowThree) return {&graph.Curves, &graph.Curves2, &graph.Curves3};
  return {&graph.Curves};
}

double curvePenWidth(const TGraphPlot& graph, int dpiX) {
  return (std::round(dpiX / 300.0) + 1) * std::max(1, graph.WidthLine);
}

draw::Drawing drawGraph(const TGraphPlot& graph, const GraphLayout& layout, const GraphPicture& picture,
                        const draw::TextMetrics& metrics) {
  return GraphPainter(graph, layout, picture, metrics).paint();
}

}  // namespace murena
