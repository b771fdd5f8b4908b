#pragma once
// Shape of the static sand p-y curve: initial straight line k xp y, a
// parabola up to the middle point (ym, pm), a straight line up to the
// ultimate point (yu, pu) and a flat end.
#include "engine/soil/py_generator_frame.h"

namespace murena {

struct SandCurveInput {
  double b = 0.0;   // width
  double xp = 0.0;  // depth of the resistance formulas
  double k = 0.0;   // initial modulus of subgrade reaction
  double pu = 0.0;  // A ps
  double pm = 0.0;  // B ps
};

struct SandCurve {
  double yu = 0.0, ym = 0.0, yk = 0.0;  // after the soft-modulus adjustment
  double m = 0.0, n = 0.0, C = 0.0;     // straight-line slope and parabola constants
  bool parabolaFormed = false;
  CurveSidePoints points;                    // y and p before multipliers and offsets
};

SandCurve sandCurve(const SandCurveInput& in);

}  // namespace murena
