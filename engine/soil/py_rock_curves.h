#pragma once
// p-y curves of rock: the bilinear strong-rock curve with its residual value,
// and the weak-rock criterion with the rock-quality reduction, an initial
// straight line and a quarter-power curve.
#include "engine/soil/py_generator_frame.h"

namespace murena {

struct StrongRockCurve {
  double su = 0.0, Es = 0.0, y1 = 0.0, p1 = 0.0, pu = 0.0, y2 = 0.0;
  CurveSidePoints points;  // y before the y-multiplier; p final (p-multiplier applied below y2)
};

// qu: uniaxial compressive strength; xa: the side's depth below its surface;
// pmult: p-multiplier, applied to the bilinear part only.
StrongRockCurve strongRockCurve(double qu, double b, double gammaAvg, double xa, double pmult);

struct WeakRockInput {
  double b = 0.0;
  double quTop = 0.0;  // strength just below the layer top
  double qu = 0.0;     // strength at the curve depth
  double rqd = 0.0;    // rock quality designation, percent
  double krm = 0.0;    // strain factor
  double Er = 0.0;     // rock mass modulus
  double xr = 0.0;     // depth into the rock layer
};

struct WeakRockCurve {
  double alphaR = 0.0, qa = 0.0, pur = 0.0, Kir = 0.0, yrm = 0.0, yA = 0.0;
  CurveSidePoints points;  // y and p before multipliers
};

WeakRockCurve weakRockCurve(const WeakRockInput& in);

}  // namespace murena
