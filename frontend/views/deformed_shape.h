#pragma once
// The deformed shape of the 3D view: the deflection curve it follows and the
// up/down steps of its exaggeration factor.
namespace murena {
class TGraphPlot;
struct TLine;
}  // namespace murena

namespace murena::views {

// The deflection curve of the last result set of the deflection graph, or
// null when it has fewer than two points.
const TLine* deformedShapeCurve(const TGraphPlot& deflectionGraph);

// The deflection of a curve of the deflection graph (one point per station,
// from the top of the wall) at node `node`; the last point's beyond the
// curve, 0 for an empty curve.  Taken by node, not by depth, so that a wall
// whose units were switched after the run still finds its own stations.
double deflectionAtNode(const TLine& curve, int node);

// The arrows of the factor box change the leading digit by one: 5 -> 6 and
// 4, 100 -> 200 and 90, 0.5 -> 0.6 and 0.4; a factor of zero or less (or not
// finite) becomes 1.
double stepFactorUp(double factor);
double stepFactorDown(double factor);

}  // namespace murena::views
