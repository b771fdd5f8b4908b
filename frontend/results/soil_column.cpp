#include "frontend/results/soil_column.h"

#include <algorithm>
#include <cmath>

#include "frontend/results/soil_patterns.h"

namespace murena {

namespace {

// Names are not made smaller than this to fit their band.
constexpr double kSmallestNamePixels = 7;

struct Layer {
  double top = 0, bottom = 0;  // depths
  int code = 0;
  std::string name;
};

// The words of a name, without the blanks around them.
std::vector<std::string> nameWords(const std::string& name) {
  std::vector<std::string> words;
  for (size_t start = 0; (start = name.find_first_not_of(' ', start)) != std::string::npos;) {
    const size_t end = std::min(name.find(' ', start), name.size());
    words.push_back(name.substr(start, end - start));
    start = end;
  }
  if (words.empty()) words.push_back(name);
  return words;
}

// The soil-layer marks (those before the wall marks) as depth intervals.
std::vector<Layer> soilLayers(const TGraphPlot& graph) {
  const size_t count = graph.WallLineCount > 0
                           ? std::min(static_cast<size_t>(graph.WallLineCount), graph.Layers.size())
                           : graph.Layers.size();
  std::vector<Layer> layers;
  double previous = 0;
  for (size_t i = 0; i < count; ++i) {
    const TLine& mark = graph.Layers[i];
    if (mark.Points.empty()) continue;
    const TFloatPoint& p = mark.Points.front();
    if (!std::isfinite(p.X) || !std::isfinite(p.Y)) continue;
    layers.push_back({previous, p.Y, static_cast<int>(std::lround(p.X)), graph.displayedName(mark)});
    previous = p.Y;
  }
  return layers;
}

std::optional<double> wallMarkDepth(const TGraphPlot& graph, int offset) {
  const size_t i = static_cast<size_t>(graph.WallLineCount + offset);
  if (graph.WallLineCount <= 0 || i >= graph.Layers.size() || graph.Layers[i].Points.empty()) return std::nullopt;
  const double y = graph.Layers[i].Points.front().Y;
  return std::isfinite(y) ? std::optional<double>(y) : std::nullopt;
}

// The band between two depths over [left, right], cut to the column; empty
// when nothing of it is inside.
std::optional<draw::Rect> band(const PanelMapping& depth, const draw::Rect& column, double from, double to,
                               double left, double right) {
  double y0 = depth.y(from), y1 = depth.y(to);
  if (y0 > y1) std::swap(y0, y1);
  y0 = std::max(y0, column.top);
  y1 = std::min(y1, column.bottom);
  if (!(y1 > y0)) return std::nullopt;
  return draw::Rect{left, y0, right, y1};
}

}  // namespace

SoilColumnPicture soilColumnPicture(const TGraphPlot& graph, const draw::Rect& column, const PanelMapping& depth) {
  SoilColumnPicture picture;
  const std::vector<Layer> layers = soilLayers(graph);
  const std::optional<double> wallLength = wallMarkDepth(graph, 0);
  const std::optional<double> excavation = wallMarkDepth(graph, 1);
  if (!graph.ShowWall || !wallLength || !excavation) {
    for (const Layer& l : layers)
      if (auto r = band(depth, column, l.top, l.bottom, column.left, column.right))
        picture.bands.push_back({*r, l.code, l.name});
    return picture;
  }
  const double fifth = column.width() / 5;
  const double h = *excavation;
  for (const Layer& l : layers) {
    if (auto r = band(depth, column, l.top, l.bottom, column.left, column.left + 2 * fifth))
      picture.bands.push_back({*r, l.code, {}});
    // In front of the wall there is soil only below the excavation.
    if (l.bottom > h)
      if (auto r = band(depth, column, std::max(l.top, h), l.bottom, column.left + 3 * fifth, column.right))
        picture.bands.push_back({*r, l.code, {}});
  }
  const double tip = std::min(depth.y(*wallLength), column.bottom);
  if (tip > column.top) picture.wall = draw::Rect{column.left + 2 * fifth, column.top, column.left + 3 * fifth, tip};
  return picture;
}

void drawSoilColumn(draw::Drawing& drawing, const SoilColumnPicture& picture, const draw::Rect& column,
                    const draw::Font& nameFont, bool largePatterns, const draw::TextMetrics& metrics) {
  // The outlines on the right and bottom edges belong to the column too.
  drawing.clipBegin({column.left, column.top, column.right + 1, column.bottom + 1});
  const draw::Pen outline{draw::kBlack, 1, draw::PenStyle::Solid};
  for (const SoilBand& b : picture.bands) {
    drawing.fill(b.rect, draw::kWhite);
    const int pattern = isSoilPattern(b.pattern) ? b.pattern : static_cast<int>(draw::Fill::None);
    drawing.rect(b.rect, outline, draw::Brush{draw::kBlack, pattern, largePatterns});
  }
  for (const SoilBand& b : picture.bands) {
    if (b.name.empty()) continue;
    const double room = b.rect.width() - 4;
    std::vector<std::string> lines{b.name};
    draw::Font font = draw::fittedFont(nameFont, b.name, room, kSmallestNamePixels, metrics);
    if (metrics.width(font, b.name) > room) {
      // Still too wide at the smallest size: a word on each line.
      lines = nameWords(b.name);
      font = nameFont;
      for (const std::string& line : lines)
        font = draw::fittedFont(font, line, room, kSmallestNamePixels, metrics);
    }
    const double lineHeight = metrics.height(font);
    double y = (b.rect.top + b.rect.bottom) / 2 - lineHeight * static_cast<double>(lines.size() - 1) / 2;
    for (const std::string& line : lines) {
      drawing.add(draw::TextItem{{(b.rect.left + b.rect.right) / 2, y},
                                 line,
                                 font,
                                 draw::kBlack,
                                 draw::Anchor::Center,
                                 0,
                                 true,
                                 draw::kWhite});
      y += lineHeight;
    }
  }
  if (picture.wall)
    drawing.rect(*picture.wall, draw::Pen{kWallGrey, 0, draw::PenStyle::None},
                 draw::Brush{kWallGrey, static_cast<int>(draw::Fill::Solid)});
  drawing.clipEnd();
}

}  // namespace murena
