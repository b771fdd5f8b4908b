// The point-by-point pressure profile down the wall (total, earth-and-water
// and surcharge shares), the apparent-pressure trapezoid of anchored walls,
// and the profile file the engine reads back.
#include <algorithm>
#include <cmath>
#include <string>

#include "common/unit_system.h"
#include "engine/analysis_stops.h"
#include "engine/report_line.h"
#include "engine/run_errors.h"
#include "engine/soil/earth_pressure_module.h"
#include "engine/soil/surcharge_pressure.h"

namespace murena {
namespace {

// Steps of a layer: one per length unit, or every 0.05 m (halves away from zero).
double stepCount(int units, double thickness) {
  return std::round(units == kSIUnits ? 20.0 * thickness : thickness);
}

// Per-layer constants of the pressure p = 2 grad d + p0 at depth d below the top.
struct LayerPressure {
  double grad = 0.0, p0 = 0.0, pq = 0.0;
};

LayerPressure layerPressure(const EarthPressureModule& m, int L) {
  const PressureLayer& p = m.layers[L];
  const double MF = p.activeFactor;
  const double q = m.in.surfaceSurcharge;
  const double zwb = m.in.waterDepthBackfill;
  const double cohesionTerm = 2.0 * p.cohesion * p.sqrtKa * MF;
  LayerPressure lp;
  if (L < m.excavationLayer) {
    double wgrad = p.belowWater && p.drained && m.soilFlag == 1 ? m.gammaW : 0.0;
    double gammaEff = p.drained && p.belowWater ? p.unitWeight - m.gammaW : p.unitWeight;
    lp.grad = 0.5 * wgrad + 0.5 * gammaEff * p.Ka * MF;
    lp.p0 = p.sigmaV * p.Ka * MF - cohesionTerm + (p.topDepth - zwb) * wgrad;
    lp.pq = q * p.Ka * MF - cohesionTerm + (p.topDepth - zwb) * wgrad;
  } else {
    // Below the excavation level the pressure stays at its value from the
    // effective stress at the excavation level.
    lp.p0 = m.layers[m.excavationLayer].sigmaV * p.Ka * MF - cohesionTerm;
    lp.pq = q * p.Ka * MF - cohesionTerm;
  }
  if (q < 1.0e-6 || lp.pq < 0.0) lp.pq = 0.0;
  return lp;
}

// Replaces the totals of points 2..lastAbove by the trapezoid of area 1.3 P.
void applyTrapezoid(EarthPressureModule& m, int lastAbove) {
  const EarthPressureInput& in = m.in;
  const double H = in.freeHeight;
  const double H1 = in.firstSupportDepth;
  double a = 2.0 * H1 / 3.0;
  double c = H / 3.0;
  double b = 2.0 * (H - H1) / 3.0;
  double pmax = 1.3 * m.thrust * 3.0 / (2.0 * H);
  if (in.supportCount > 1) {
    b = 2.0 * (H - in.lastSupportDepth) / 3.0;
    c = H - a - b;
    double Hn = H - in.lastSupportDepth;
    pmax = 1.3 * m.thrust / (H - H1 / 3.0 - Hn / 3.0);
  }
  for (int k = 2; k <= lastAbove; ++k) {
    ProfilePoint& pt = m.profile[k - 1];
    double z = pt.depth;
    // A support at the excavation level leaves no falling part (b = 0): a
    // point that rounding puts just below a + c then keeps the peak rather
    // than dividing by zero.
    if (z < a)
      pt.totalPressure = pmax * z / a;
    else if (z <= a + c || !(b > 0.0))
      pt.totalPressure = pmax;
    else
      pt.totalPressure = pmax - (z - a - c) * pmax / b;
  }
}

}  // namespace

void writePressureProfile(EarthPressureModule& m) {
  const EarthPressureInput& in = m.in;
  const int units = in.unitSystem;
  const double H = in.freeHeight;
  const double q = in.surfaceSurcharge;
  const double thrustStep = units == kSIUnits ? 1.0 / 20.0 : 1.0;

  // Points counted down to the wall tip, and points down to the excavation level.
  double counted = 1.0;
  for (int L = 1; L <= m.n; ++L) {
    double t = L == m.n ? in.wallLength - m.layers[L].topDepth : m.layers[L].thickness;
    counted += stepCount(units, t);
  }
  double aboveExcavation = 1.0;
  for (int L = 1; L < m.excavationLayer; ++L) aboveExcavation += std::max(0.0, stepCount(units, m.layers[L].thickness));
  if (!(counted <= kMaxProfilePoints) || !(aboveExcavation <= kMaxProfilePoints))
    stopAnalysis(m.report, "     ERROR -- THE EARTH PRESSURE PROFILE NEEDS MORE THAN " + std::to_string(kMaxProfilePoints) +
                            " POINTS");
  // A wall tip above the last layer top can make the count negative.
  const int countedPoints = counted < 1.0 ? 1 : static_cast<int>(counted);
  const int lastAbove = static_cast<int>(aboveExcavation);
  // Points below those the engine reads are not made.
  const int needed = std::max(countedPoints, lastAbove);

  m.profile.clear();
  m.profile.reserve(static_cast<size_t>(needed));
  const double top = m.layers[1].Ka * q * m.layers[1].activeFactor;
  m.profile.push_back({0.0, top, 0.0, q > 0.0 ? top : 0.0});

  m.thrust = 0.0;
  double previousTotal = 0.0;
  for (int L = 1; L <= m.n && static_cast<int>(m.profile.size()) < needed; ++L) {
    const PressureLayer& layer = m.layers[L];
    const LayerPressure lp = layerPressure(m, L);
    const double t = layer.thickness;
    const double ns = stepCount(units, t);
    for (double i = 1.0; i <= ns && static_cast<int>(m.profile.size()) < needed; i += 1.0) {
      const int k = static_cast<int>(m.profile.size()) + 1;
      const double d = i * t / ns;
      const double z = layer.topDepth + d;
      const double p = 2.0 * lp.grad * d + lp.p0;
      const double surcharge = surchargePressureAt(in.surcharges.data(), in.surchargeCount, H, in.wallLength, z);
      ProfilePoint pt;
      pt.depth = z;
      pt.totalPressure = p + surcharge;
      pt.earthPressure = p;
      // Water in front of the wall down to the excavation level.
      double uexc = in.waterDepthExcavation < z && z <= H ? (z - in.waterDepthExcavation) * m.gammaW : 0.0;
      if (layer.belowWater) {
        pt.totalPressure -= uexc;
        pt.earthPressure -= uexc;
      }
      // The profile never holds zero or negative pressures.
      if (pt.totalPressure < 1.0e-5) pt.totalPressure = k * 1.0e-12;
      if (pt.earthPressure < 1.0e-5) pt.earthPressure = k * 1.0e-12;
      if (L < m.excavationLayer) m.thrust += 0.5 * (previousTotal + pt.totalPressure) * thrustStep;
      previousTotal = pt.totalPressure;
      pt.surchargePressure = surcharge + lp.pq;
      pt.earthPressure -= lp.pq;
      m.profile.push_back(pt);
    }
  }

  if (in.pressureCode == 3) applyTrapezoid(m, std::min(lastAbove, static_cast<int>(m.profile.size())));

  // The count line promises only the point lines that follow it.
  const int written = std::min(countedPoints, static_cast<int>(m.profile.size()));
  TextOutput file;
  if (!file.open(kPressureProfileFile))
    throw InputError(std::string("     ERROR -- CANNOT CREATE THE EARTH PRESSURE FILE ") + kPressureProfileFile);
  file.line(std::to_string(written));
  for (int k = 0; k < written; ++k) {
    const ProfilePoint& pt = m.profile[static_cast<size_t>(k)];
    file << Line().b(5).E(pt.depth, 10, 3).b(4).E(pt.totalPressure, 10, 3).b(4).E(pt.earthPressure, 10, 3).b(4)
                .E(pt.surchargePressure, 10, 3).str();
  }
}

}  // namespace murena
