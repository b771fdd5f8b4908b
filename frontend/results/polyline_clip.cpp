#include "frontend/results/polyline_clip.h"

#include <cmath>

namespace murena {

namespace {

bool finite(const draw::Point& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// Liang-Barsky: the part of segment a-b inside the rectangle, as the
// parameters t0 <= t1 along it; false when nothing is inside.
bool clipSegment(const draw::Point& a, const draw::Point& b, const draw::Rect& r, double& t0, double& t1) {
  t0 = 0;
  t1 = 1;
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x - r.left, r.right - a.x, a.y - r.top, r.bottom - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      if (t > t1) return false;
      if (t > t0) t0 = t;
    } else {
      if (t < t0) return false;
      if (t < t1) t1 = t;
    }
  }
  return true;
}

draw::Point along(const draw::Point& a, const draw::Point& b, double t) {
  if (t == 0) return a;
  if (t == 1) return b;
  return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
}

}  // namespace

std::vector<std::vector<draw::Point>> clipPolyline(const std::vector<draw::Point>& points, const draw::Rect& rect) {
  std::vector<std::vector<draw::Point>> parts;
  std::vector<draw::Point> current;
  const auto finish = [&] {
    if (current.size() > 1) parts.push_back(std::move(current));
    current.clear();
  };
  if (points.size() == 1 && finite(points[0]) && rect.contains(points[0])) return {{points[0]}};
  for (size_t i = 0; i + 1 < points.size(); ++i) {
    const draw::Point& a = points[i];
    const draw::Point& b = points[i + 1];
    double t0 = 0, t1 = 1;
    if (!finite(a) || !finite(b) || !clipSegment(a, b, rect, t0, t1)) {
      finish();
      continue;
    }
    const draw::Point from = along(a, b, t0);
    if (current.empty() || !(current.back() == from)) {
      finish();
      current.push_back(from);
    }
    current.push_back(along(a, b, t1));
    if (t1 < 1) finish();
  }
  finish();
  return parts;
}

}  // namespace murena
