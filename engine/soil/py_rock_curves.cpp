#include "engine/soil/py_rock_curves.h"

#include <algorithm>
#include <cmath>

namespace murena {

StrongRockCurve strongRockCurve(double qu, double b, double gammaAvg, double xa, double pmult) {
  StrongRockCurve r;
  r.su = 0.5 * qu;
  r.Es = 2000.0 * r.su;
  r.y1 = static_cast<double>(0.0004f) * b;  // the factor is held in single precision
  r.p1 = r.Es * r.y1;
  r.pu = r.su * b;
  // (pu - p1) / (100 su) does not depend on su; without strength it is taken
  // at its limit instead of 0 / 0.
  r.y2 = r.su != 0.0 ? r.y1 + (r.pu - r.p1) / (100.0 * r.su) : r.y1 + (b - 2000.0 * r.y1) / 100.0;

  const double step = r.y2 / 15.0;
  double y = 0.0;
  for (int i = 0; i < kSidePoints; ++i) {
    if (i > 0) y += step;
    r.points.y[i] = y;
    if (y < r.y1)
      r.points.p[i] = pmult * r.Es * y;
    else if (y < r.y2)
      r.points.p[i] = pmult * (r.p1 + 100.0 * r.su * (y - r.y1));
    else
      r.points.p[i] = 0.5 * gammaAvg * xa * b;  // residual value
  }
  return r;
}

namespace {

// Deflections of the weak-rock curve as multiples of yrm.
constexpr double kDeflectionFactors[kSidePoints] = {0.0005, 0.001, 0.003, 0.006, 0.009, 0.02, 0.04, 0.06, 0.08,
                                                    0.1,    0.25,  0.5,   0.75,  1.0,   4.0,  8.0,  12.0};

}  // namespace

WeakRockCurve weakRockCurve(const WeakRockInput& in) {
  WeakRockCurve r;
  const double b = in.b;
  r.alphaR = 1.0 - 0.0066667 * in.rqd;
  r.qa = (in.quTop + in.qu) / 2.0;
  if (in.xr <= 3.0 * b) {
    r.pur = r.alphaR * r.qa * b * (1.0 + 1.4 * in.xr / b);
    r.Kir = (100.0 + 400.0 * in.xr / (3.0 * b)) * in.Er;
  } else {
    r.pur = 5.2 * r.alphaR * r.qa * b;
    r.Kir = 500.0 * in.Er;
  }
  r.yrm = in.krm * b;
  r.yA = std::pow(r.pur / (2.0 * std::pow(r.yrm, 0.25) * r.Kir), 4.0 / 3.0);

  for (int i = 0; i < kSidePoints; ++i) {
    const double y = r.yrm * kDeflectionFactors[i];
    r.points.y[i] = y;
    r.points.p[i] = y >= r.yA ? std::min(0.5 * r.pur * std::pow(y / r.yrm, 0.25), r.pur) : r.Kir * y;
  }
  return r;
}

}  // namespace murena
