#include "frontend/results/curve_markers.h"

#include <cmath>
#include <numbers>

namespace murena {

int markerShape(int curveIndex) { return ((curveIndex % 10) + 10) % 10 + 1; }

std::vector<draw::Point> markerVertices(int shape, draw::Point at, double rx, double ry) {
  return movedTo(markerOffsets(shape, rx, ry), at);
}

std::vector<draw::Point> movedTo(const std::vector<draw::Point>& offsets, draw::Point at) {
  std::vector<draw::Point> out;
  out.reserve(offsets.size());
  for (const draw::Point& o : offsets) out.push_back({at.x + o.x, at.y + o.y});
  return out;
}

std::vector<draw::Point> markerOffsets(int shape, double rx, double ry) {
  std::vector<double> degrees;
  if (shape == 1) {
    degrees = {180, 300, 60, 180};
  } else if (shape == 2) {
    degrees = {45, 135, 225, 315, 45};
  } else {
    const int corners = shape < 3 ? 3 : shape;
    for (int k = 0; k <= corners; ++k) degrees.push_back(k * 360.0 / corners);
  }
  std::vector<draw::Point> out;
  out.reserve(degrees.size());
  for (double d : degrees) {
    const double a = d * std::numbers::pi / 180.0;
    out.push_back({std::round(std::sin(a) * rx), -std::round(std::cos(a) * ry)});
  }
  return out;
}

}  // namespace murena
