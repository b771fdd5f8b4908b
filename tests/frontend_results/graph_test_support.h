#pragma once
// Helpers of the graph geometry tests: text sizes of a fixed stand-in font
// and graphs built from point lists.
#include <string>
#include <vector>

#include "frontend/results/drawing.h"
#include "frontend/results/graph_plot.h"

namespace murena::testing_support {

// Every character half the font size wide; lines 1.2 times the size high.
class FixedTextMetrics : public draw::TextMetrics {
 public:
  double width(const draw::Font& font, const std::string& text) const override {
    return 0.5 * font.pixelSize * static_cast<double>(text.size());
  }
  double height(const draw::Font& font) const override { return 1.2 * font.pixelSize; }
};

// `count` curves of `points` points: curve c has x = c + j, y = j.
inline TCurveList curves(int count, int points) {
  TCurveList list;
  TGraphPlot::SetCurveCount(list, count);
  for (int c = 0; c < count; ++c) {
    list[static_cast<size_t>(c)].Points.clear();
    for (int j = 0; j < points; ++j) list[static_cast<size_t>(c)].Points.push_back({double(c + j), double(j)});
  }
  return list;
}

inline TCurveList curve(std::vector<TFloatPoint> points) {
  TLine line;
  line.Value = 1;
  line.Points = std::move(points);
  return {line};
}

}  // namespace murena::testing_support
