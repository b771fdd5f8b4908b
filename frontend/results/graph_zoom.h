#pragma once
// Zooming a panel within its full ranges: a rubber band becomes the new
// ranges (no narrower than 1/20 of the full range: a narrower band is
// widened to its centre +- 1/40 of the full range and moved inside it), and
// a right click doubles the visible ranges around the clicked point.
#include <optional>

#include "frontend/results/drawing.h"
#include "frontend/results/graph_layout.h"
#include "frontend/results/graph_ranges.h"

namespace murena {

// A range moved (not resized) into `full` where it sticks out.
AxisRange shiftInside(AxisRange range, const AxisRange& full);

// The zoomed range of one axis between two data values.
AxisRange zoomAxis(double a, double b, const AxisRange& full);
// The range of one axis after zooming out around a data value.
AxisRange zoomOutAxis(double at, const AxisRange& current, const AxisRange& full);

// The new ranges of a rubber band from `anchor` to `corner` (device
// positions) on the panel of `mapping` (with its current ranges); empty when
// the band has no width or no height.
std::optional<PanelRanges> rubberBandZoom(const PanelMapping& mapping, draw::Point anchor, draw::Point corner,
                                          const PanelRanges& full);
// The ranges after a right click at `at`; empty outside the panel.
std::optional<PanelRanges> zoomOutAt(const PanelMapping& mapping, draw::Point at, const PanelRanges& full);

// A device position moved into a rectangle.
draw::Point clampTo(draw::Point p, const draw::Rect& r);

}  // namespace murena
