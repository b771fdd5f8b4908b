#include "engine/soil/py_silt_curve.h"

#include <algorithm>
#include <cmath>

#include "engine/soil/py_curve_deflections.h"

namespace murena {

double siltCohesionShare(double c, double gammaAvg, double xp, double b) {
  // c = 0 makes Np infinite (or 0 / 0 when gamma' xp is 0 as well): no share.
  if (c == 0.0) return 0.0;
  const double Np = 3.0 + gammaAvg * xp / c + 0.5 * xp / b;
  return Np < 9.0 ? Np * c * b : 9.0 * c * b;
}

namespace {

void shapeOneDeflections(SiltCurve& s) { parabolaCurveDeflections(s.points, s.yk, s.ymid, s.yult); }

void shapeTwoDeflections(SiltCurve& s) {
  auto& y = s.points.y;
  y[0] = 0.0;
  for (int j = 1; j <= 7; ++j) y[j] = s.ys * j / 8.0;
  y[8] = s.ys;
  for (int j = 1; j <= 5; ++j) y[8 + j] = s.ys + j * (s.yult - s.ys) / 6.0;
  y[14] = s.yult;
  y[15] = 1.1 * s.yult;
  y[16] = 1.2 * s.yult;
}

void shapeThreeDeflections(SiltCurve& s) {
  auto& y = s.points.y;
  y[0] = 0.0;
  for (int j = 1; j <= 11; ++j) y[j] = s.yf * j / 12.0;
  y[12] = s.yf;
  y[13] = 1.05 * s.yf;
  y[14] = 1.1 * s.yf;
  y[15] = 1.15 * s.yf;
  y[16] = 1.2 * s.yf;
}

}  // namespace

SiltCurve siltCurve(const SiltCurveInput& in) {
  SiltCurve s;
  const double kx = in.k * in.xp;  // slope of the initial line
  s.yult = 3.0 * in.b / 80.0;
  s.ymid = in.b / 60.0;

  // Without a positive middle resistance and initial slope the constants are
  // 0 / 0 or infinite; the curve then has no resistance (every p is 0) and the
  // deflections of shape 1.
  s.constantsFormed = in.b > 0.0 && in.pmid > 0.0 && kx > 0.0;
  if (!s.constantsFormed) {
    s.shape = 1;
    s.yk = s.ymid / 10.0;
    shapeOneDeflections(s);
    s.points.p.fill(0.0);
    return s;
  }

  s.m = (in.pult - in.pmid) / (s.yult - s.ymid);
  s.n = in.pmid / (std::fabs(s.m) * s.ymid);
  s.C = in.pmid / std::pow(s.ymid, 1.0 / s.n);
  s.yk = std::pow(s.C / kx, s.n / (s.n - 1.0));
  s.ys = (in.pmid - s.m * s.ymid) / (kx - s.m);
  s.yf = in.pult / kx;

  if (s.yk >= 0.0 && s.yk < s.ymid)
    s.shape = 1;
  else if (s.ys >= s.ymid && s.ys < s.yult)
    s.shape = 2;
  else if (s.yf >= s.yult)
    s.shape = 3;
  else
    s.shape = 1;

  if (s.shape == 1) shapeOneDeflections(s);
  else if (s.shape == 2) shapeTwoDeflections(s);
  else shapeThreeDeflections(s);

  for (int i = 0; i < kSidePoints; ++i) {
    const double y = s.points.y[i];
    double p;
    if (s.shape == 1) {
      if (y <= s.yk) p = kx * y;
      else if (y <= s.ymid) p = s.C * std::pow(y, 1.0 / s.n);
      else if (y <= s.yult) p = in.pmid + s.m * (y - s.ymid);
      else p = in.pult;
    } else if (s.shape == 2) {
      if (y <= s.ys) p = kx * y;
      else if (y <= s.yult) p = kx * s.ys + s.m * (y - s.ys);
      else p = in.pult;
    } else {
      p = y <= s.yf ? kx * y : in.pult;
    }
    s.points.p[i] = std::min(p, kx * y);
  }
  return s;
}

}  // namespace murena
