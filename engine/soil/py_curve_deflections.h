#pragma once
// Deflections of the 17 points of a curve made of an initial straight line,
// a parabola up to a middle point and a straight line to an ultimate point
// (the sand curve and the first silt shape).
#include "engine/soil/py_generator_frame.h"

namespace murena {

// yk: where the initial line meets the parabola; ym, yu: deflections of the
// middle and the ultimate point.  Three points up to yk (shown at ym / 10
// where yk lies beyond ym / 5), ten steps to ym, thirds to yu and 1.2 yu.
void parabolaCurveDeflections(CurveSidePoints& points, double yk, double ym, double yu);

}  // namespace murena
