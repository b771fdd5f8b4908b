#pragma once
// Shape of the static silt (c-phi soil) p-y curve: like the sand curve, an
// initial straight line k xp y, a parabola up to the middle point
// (ymid, pmid), a straight line to the ultimate point (yult, pult) and a flat
// end, in one of three shapes depending on where the initial line meets the
// rest of the curve.
#include "engine/soil/py_generator_frame.h"

namespace murena {

// Cohesion share of the middle point: Np c b with Np = 3 + gamma' xp / c +
// 0.5 xp / b up to 9.  Without cohesion the share is 0.
double siltCohesionShare(double c, double gammaAvg, double xp, double b);

struct SiltCurveInput {
  double b = 0.0;     // width
  double xp = 0.0;    // depth of the resistance formulas
  double k = 0.0;     // initial modulus of subgrade reaction
  double pult = 0.0;  // A ps
  double pmid = 0.0;  // 1.5 ps + pc
};

struct SiltCurve {
  int shape = 1;  // 1 line-parabola-line, 2 line-line, 3 line to pult
  double yult = 0.0, ymid = 0.0;
  double m = 0.0, n = 0.0, C = 0.0;
  double yk = 0.0;  // initial line meets the parabola
  double ys = 0.0;  // initial line meets the straight line (shape 2)
  double yf = 0.0;  // initial line reaches pult (shape 3)
  bool constantsFormed = false;
  CurveSidePoints points;  // y and p before multipliers and offsets
};

SiltCurve siltCurve(const SiltCurveInput& in);

}  // namespace murena
