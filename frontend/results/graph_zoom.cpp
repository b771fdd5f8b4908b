#include "frontend/results/graph_zoom.h"

#include <algorithm>

namespace murena {

AxisRange shiftInside(AxisRange range, const AxisRange& full) {
  if (range.min < full.min) {
    range.max += full.min - range.min;
    range.min = full.min;
  }
  if (range.max > full.max) {
    range.min -= range.max - full.max;
    range.max = full.max;
  }
  return range;
}

AxisRange zoomAxis(double a, double b, const AxisRange& full) {
  AxisRange r{std::min(a, b), std::max(a, b)};
  if (full.width() > 20 * r.width()) {
    const double half = full.width() / 40;
    r = shiftInside({r.centre() - half, r.centre() + half}, full);
  }
  return r;
}

AxisRange zoomOutAxis(double at, const AxisRange& current, const AxisRange& full) {
  const double half = std::min(2 * current.width(), full.width()) / 2;
  return shiftInside({at - half, at + half}, full);
}

draw::Point clampTo(draw::Point p, const draw::Rect& r) {
  return {std::clamp(p.x, r.left, r.right), std::clamp(p.y, r.top, r.bottom)};
}

std::optional<PanelRanges> rubberBandZoom(const PanelMapping& mapping, draw::Point anchor, draw::Point corner,
                                          const PanelRanges& full) {
  if (anchor.x == corner.x || anchor.y == corner.y) return std::nullopt;
  const TFloatPoint a = mapping.inverse(clampTo(anchor, mapping.rect));
  const TFloatPoint b = mapping.inverse(clampTo(corner, mapping.rect));
  if (a.X == b.X || a.Y == b.Y) return std::nullopt;
  return PanelRanges{zoomAxis(a.X, b.X, full.x), zoomAxis(a.Y, b.Y, full.y)};
}

std::optional<PanelRanges> zoomOutAt(const PanelMapping& mapping, draw::Point at, const PanelRanges& full) {
  if (!mapping.rect.contains(at)) return std::nullopt;
  const TFloatPoint v = mapping.inverse(at);
  return PanelRanges{zoomOutAxis(v.X, mapping.ranges.x, full.x), zoomOutAxis(v.Y, mapping.ranges.y, full.y)};
}

}  // namespace murena
