#include "engine/soil/surcharge_pressure.h"

#include <cmath>

#include "engine/soil/earth_pressure_api.h"
#include "engine/soil/earth_pressure_module.h"

namespace murena {
namespace {

constexpr double kPi = 3.1416;  // the kernels' own constant
constexpr int kGridSteps = 200;

// beta - sin(beta) cos(2 alpha) of a strip seen from depth z.
double stripAngleTerm(double X, double W, double z) {
  double theta1 = std::atan((X - W / 2.0) / z);
  double theta2 = std::atan((X + W / 2.0) / z);
  double beta = theta2 - theta1;
  double twoAlpha = theta1 + theta2;
  return beta - std::sin(beta) * std::cos(twoAlpha);
}

}  // namespace

double pointSurchargePressure(double Q, double m, double n, double H) {
  double n2 = n * n;
  if (m <= 0.4) return 0.28 * Q * n2 / (H * H * std::pow(0.16 + n2, 3));
  double m2 = m * m;
  return 1.77 * Q * m2 * n2 / (H * H * std::pow(m2 + n2, 3));
}

double lineSurchargePressure(double Q, double m, double n, double H) {
  double n2 = n * n;
  if (m <= 0.4) return 0.203 * Q * n / (H * std::pow(0.16 + n2, 2));
  double m2 = m * m;
  return 4.0 * Q * m2 * n / (kPi * H * std::pow(m2 + n2, 2));
}

double stripSurchargePressure(double q, double X, double W, double z) {
  return 2.0 * q * stripAngleTerm(X, W, z) / kPi;
}

double stripSurchargeForcePressure(double q, double X, double W, double z) {
  return 0.6366 * q * stripAngleTerm(X, W, z);
}

double surchargeLoadPressure(const SurchargeLoad& load, double H, double z) {
  double m = load.distance / H;
  double n = z / H;
  switch (load.type) {
    case 2: return lineSurchargePressure(load.magnitude, m, n, H);
    case 3: return stripSurchargePressure(load.magnitude, load.distance, load.width, z);
    default: return pointSurchargePressure(load.magnitude, m, n, H);
  }
}

double surchargePressureAt(const SurchargeLoad* loads, int count, double H, double wallLength, double z) {
  if (count <= 0 || !(H >= kMinFreeHeight) || !(wallLength > 0.0)) return 0.0;
  double dz = wallLength / kGridSteps;
  int j = kGridSteps;
  while (j >= 1 && !(j * dz < z)) --j;
  if (j < 1) return 0.0;
  double zj = j * dz;
  double sum = 0.0;
  for (int i = 0; i < count; ++i) sum += surchargeLoadPressure(loads[i], H, zj);
  return sum;
}

double surchargePressureAt(const RunContext& ctx, double depth) {
  const SoilRecord& soil = ctx.block.soil;
  if (!soil.present) return 0.0;
  int count = soil.surchargeCount < kMaxSurcharges ? soil.surchargeCount : kMaxSurcharges;
  return surchargePressureAt(soil.surcharges.data(), count, soil.freeHeight, ctx.block.wall.wallLength, depth);
}

}  // namespace murena
