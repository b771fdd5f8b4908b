#include "frontend/results/graph_legend.h"

#include <algorithm>
#include <cmath>

#include "frontend/results/curve_markers.h"

namespace murena {

std::vector<LegendEntry> legendEntries(const TGraphPlot& graph) {
  std::vector<LegendEntry> entries;
  for (int i = 0; i < static_cast<int>(graph.Curves.size()); ++i)
    if (graph.Curves[static_cast<size_t>(i)].Active) entries.push_back({graph.legendText(i), i});
  return entries;
}

std::string legendItemText(const LegendEntry& entry, bool curveVisible) {
  return curveVisible ? entry.text + " *" : entry.text;
}

draw::Color entryColor(int entryIndex) {
  const TPaletteColor& c = curveColor(entryIndex);
  return {c.r, c.g, c.b};
}

LegendListFont legendListFont(const TGraphPlot& graph, bool fontSizeChanged, double dpi) {
  const double scale = dpi / 96.0;
  if (!fontSizeChanged) return {draw::Font{draw::FontFamily::Serif, 15 * scale, false}, 16 * scale};
  const double points = graph.SizeFont * graph.LegendFont / 10.0;
  return {draw::Font{draw::FontFamily::Serif, points * dpi / 72.0, false}, std::floor(points * 3 / 2) * scale};
}

int legendPointSize(const LegendListFont& font, double dpi) {
  return static_cast<int>(std::lround(font.font.pixelSize * 72.0 / dpi));
}

LegendSize legendListSize(const std::vector<LegendEntry>& entries, const LegendListFont& font,
                          const draw::TextMetrics& metrics, double dpiX, double width) {
  LegendSize size{width, static_cast<double>(entries.size()) * font.rowHeight + 3};
  for (const LegendEntry& e : entries)
    size.width = std::max(size.width, std::ceil(metrics.width(font.font, e.text + " *") + dpiX / 4));
  return size;
}

draw::Rect keepInside(const draw::Rect& r, const draw::Rect& area) {
  draw::Rect out = r;
  const auto shift = [&](double dx, double dy) {
    out.left += dx;
    out.right += dx;
    out.top += dy;
    out.bottom += dy;
  };
  if (out.right > area.right) shift(area.right - out.right, 0);
  if (out.left < area.left) shift(area.left - out.left, 0);
  if (out.bottom > area.bottom) shift(0, area.bottom - out.bottom);
  if (out.top < area.top) shift(0, area.top - out.top);
  return out;
}

draw::Rect placeLegend(const draw::Rect& current, const draw::Rect& plot, const draw::Rect& client, bool toCorner) {
  draw::Rect r = current;
  if (toCorner) r = {plot.right - current.width(), plot.bottom - current.height(), plot.right, plot.bottom};
  return keepInside(r, client);
}

void drawLegendBox(draw::Drawing& drawing, const TGraphPlot& graph, const std::vector<LegendEntry>& entries,
                   const GraphLayout& layout, const std::optional<draw::Point>& fraction,
                   const draw::TextMetrics& metrics) {
  std::vector<int> shown;  // entry indexes of visible curves
  for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
    const int c = entries[static_cast<size_t>(i)].curve;
    if (c >= 0 && c < static_cast<int>(graph.Curves.size()) && graph.Curves[static_cast<size_t>(c)].Visible)
      shown.push_back(i);
  }
  if (shown.empty()) return;
  const double dx = layout.dpiX, dy = layout.dpiY;
  const draw::Font font{draw::FontFamily::Serif, static_cast<double>(layout.textHeight), false};
  const double row = metrics.height(font) + dy / 32;
  double widest = 0;
  for (int i : shown) widest = std::max(widest, metrics.width(font, entries[static_cast<size_t>(i)].text));
  const double width = std::ceil(widest + 3 * dx / 16);
  const double height = std::ceil(row * static_cast<double>(shown.size()) + dy / 32);

  const draw::Rect& plot = layout.plot;
  draw::Rect box;
  if (fraction)
    box = {std::round(plot.left + plot.width() * fraction->x), std::round(plot.top + plot.height() * fraction->y), 0,
           0};
  else
    box = {plot.right - width, plot.bottom - height, 0, 0};
  box.right = box.left + width;
  box.bottom = box.top + height;
  // Kept clear of the tick labels and captions where the plot can hold it.
  const bool fitsPlot = width <= plot.width() && height <= plot.height();
  box = keepInside(box, fitsPlot ? plot : layout.output);

  drawing.rect(box, draw::Pen{draw::kBlack, 1, draw::PenStyle::Solid},
               draw::Brush{draw::kWhite, static_cast<int>(draw::Fill::Solid)});
  const double penWidth = std::max(1.0, std::round(dx / 300));
  double y = box.top + dy / 64 + row / 2;
  for (int i : shown) {
    const LegendEntry& e = entries[static_cast<size_t>(i)];
    const draw::Color color = entryColor(i);
    drawing.polyline(markerVertices(markerShape(e.curve), {box.left + std::round(dx / 16), std::round(y)}, dx / 32,
                                    dy / 32),
                     draw::Pen{color, penWidth, draw::PenStyle::Solid}, true);
    drawing.text({box.left + dx / 8, y}, e.text, font, color, draw::Anchor::CenterLeft);
    y += row;
  }
}

}  // namespace murena
