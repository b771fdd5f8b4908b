#pragma once
// Clipping a polyline to a rectangle: the parts inside, each a polyline of
// its own.  Points that are not finite break the line.
#include <vector>

#include "frontend/results/drawing.h"

namespace murena {

std::vector<std::vector<draw::Point>> clipPolyline(const std::vector<draw::Point>& points, const draw::Rect& rect);

}  // namespace murena
