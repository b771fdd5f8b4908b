#include "engine/soil/py_curve_deflections.h"

namespace murena {

void parabolaCurveDeflections(CurveSidePoints& points, double yk, double ym, double yu) {
  const double ykShown = yk <= ym / 5.0 ? yk : ym / 10.0;
  auto& y = points.y;
  y[0] = 0.0;
  y[1] = ykShown / 2.0;
  y[2] = ykShown;
  for (int j = 1; j <= 9; ++j) y[2 + j] = ykShown + j * (ym - ykShown) / 10.0;
  y[12] = ym;
  y[13] = (2.0 * ym + yu) / 3.0;
  y[14] = (ym + 2.0 * yu) / 3.0;
  y[15] = yu;
  y[16] = 1.2 * yu;
}

}  // namespace murena
