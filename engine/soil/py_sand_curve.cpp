#include "engine/soil/py_sand_curve.h"

#include <algorithm>
#include <cmath>

#include "engine/soil/py_curve_deflections.h"

namespace murena {

SandCurve sandCurve(const SandCurveInput& in) {
  SandCurve c;
  const double b = in.b;
  const double kx = in.k * in.xp;  // slope of the initial line
  c.yu = 3.0 * b / 80.0;
  c.ym = b / 60.0;

  // The parabola needs a positive depth; it also needs a positive initial
  // slope and middle resistance, without which its constants are 0/0 or
  // infinite: such a curve keeps the shape of the zero-depth curve.
  c.parabolaFormed = in.xp > 0.0 && kx > 0.0 && in.pm > 0.0 && in.pu > in.pm && b > 0.0;
  if (c.parabolaFormed) {
    c.m = (in.pu - in.pm) / (c.yu - c.ym);
    c.n = in.pm / (c.m * c.ym);
    c.C = in.pm / std::pow(c.ym, 1.0 / c.n);
    c.yk = std::pow(c.C / kx, c.n / (c.n - 1.0));
    // A soft initial line meets the parabola beyond yu: the curve is
    // stretched so that yu lies where the line reaches pu.
    if (c.yu < c.yk) {
      c.ym = c.ym * (in.pu / kx) / c.yu;
      c.yu = in.pu / kx;
      c.yk = c.ym / 10.0;
    }
  } else {
    c.yk = 2.0 * b;
  }

  parabolaCurveDeflections(c.points, c.yk, c.ym, c.yu);
  const auto& y = c.points.y;

  for (int i = 0; i < kSidePoints; ++i) {
    const double yi = y[i];
    double p;
    if (yi <= c.yk && yi < c.ym)
      p = kx * yi;
    else if (yi < c.ym)
      p = c.C * std::pow(yi, 1.0 / c.n);
    else if (yi < c.yu)
      p = in.pm + c.m * (yi - c.ym);
    else
      p = in.pu;
    c.points.p[i] = std::min(p, kx * yi);
  }
  return c;
}

}  // namespace murena
