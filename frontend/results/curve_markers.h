#pragma once
// Curve markers: a closed polyline around a point, with radii of 1/32 inch.
// Curve i (0-based) takes shape (i mod 10) + 1: 1 a triangle pointing down,
// 2 a square standing on its side, 3 to 10 a regular polygon of that many
// corners with one corner straight up.
#include <vector>

#include "frontend/results/drawing.h"

namespace murena {

int markerShape(int curveIndex);

// The vertices, the first repeated at the end.  Vertex k lies at the angle
// a_k clockwise from straight up: (x + round(sin a_k * rx), y - round(cos a_k * ry)).
std::vector<draw::Point> markerVertices(int shape, draw::Point at, double rx, double ry);
// The same vertices around (0, 0), to be moved onto each point of a curve.
std::vector<draw::Point> markerOffsets(int shape, double rx, double ry);
std::vector<draw::Point> movedTo(const std::vector<draw::Point>& offsets, draw::Point at);

// A marker is drawn at the first point and at every point whose index is a
// multiple of `every` (0: none).
inline bool hasMarker(int pointIndex, int every) { return every > 0 && pointIndex % every == 0; }

}  // namespace murena
