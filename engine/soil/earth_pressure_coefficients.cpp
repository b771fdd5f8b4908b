// Effective overburden stress at the top of every pressure layer and the
// active and passive earth-pressure coefficients (Rankine, with the sloping
// backfill form on the active side and the optional coefficient).
#include <algorithm>
#include <cmath>

#include "engine/report_head.h"
#include "engine/report_line.h"
#include "engine/soil/earth_pressure_module.h"

namespace murena {
namespace {

constexpr double kDegreesPerRadian = 57.2958;

void writeSlopeWarning(TextOutput& out) {
  out.emptyLines(2);
  out.line("**** WARNING ******");
  out.line("THE BACKFILL SLOPE ANGLE SHOULD BE LESS THAN THE 'INTERNAL FRICTION ANGLE OF SAND.");
}

void effectiveOverburden(EarthPressureModule& m) {
  TextOutput& r = m.report;
  const double zwb = m.in.waterDepthBackfill;
  for (int L = 1; L <= m.n; ++L) {
    double top = m.layers[L].topDepth;
    m.layers[L].belowWater = std::fabs(top - zwb) < kDepthTolerance || top > zwb;
  }

  r.emptyLines(2);
  writeFramedHeading(r, "*            EFFECTIVE OVERBURDEN STRESS         *");
  r.line({});
  r << Line().b(6).text("          DEPTH                     STRESS       ").str();
  r << Line().b(16).text(m.labels.lengthLabel).b(22).text(m.labels.stressLabel()).str();
  r.line({});

  // Total stresses first, then the pore pressure at each top taken off once.
  m.layers[1].sigmaV = m.in.surfaceSurcharge;
  for (int L = 2; L <= m.n; ++L)
    m.layers[L].sigmaV = m.layers[L - 1].sigmaV + m.layers[L - 1].thickness * m.layers[L - 1].unitWeight;
  for (int L = 1; L <= m.n; ++L) {
    PressureLayer& p = m.layers[L];
    if (p.belowWater) p.sigmaV -= (p.topDepth - zwb) * m.gammaW;
    if (L == m.n) m.layers[L + 1].topDepth = p.topDepth + p.thickness;
    r << Line().b(12).E(p.topDepth, 10, 3).b(17).E(p.sigmaV, 10, 3).str();
    if (L == m.excavationLayer) m.excavationStress = p.sigmaV;
  }
}

void coefficients(EarthPressureModule& m) {
  TextOutput& r = m.report;
  r.emptyLines(2);
  writeFramedHeading(r, "* ACTIVE AND PASSIVE EARTH PRESSURE COEFFICIENT  *");
  r.line({});
  r << Line().b(6).text("  LAYER         ACTIVE EARTH     PASSIVE EARTH   ").text("  OPTIONAL EARTH").str();
  r << Line().b(6).text("   NO.          COEFFICIENT      COEFFICIENT     ").text("  COEFFICIENT   ").str();

  const double beta = m.in.backfillSlope;
  for (int L = 1; L <= m.n; ++L) {
    PressureLayer& p = m.layers[L];
    const double phi = p.frictionAngle;
    p.sqrtKa = std::tan((45.0 - 0.5 * phi) / kDegreesPerRadian);
    p.Ka = p.sqrtKa * p.sqrtKa;
    if (std::fabs(beta) > 0.0) {
      if (phi <= std::fabs(beta)) {
        if (p.topDepth < m.in.freeHeight) {
          writeSlopeWarning(m.notes);
          writeSlopeWarning(r);
        }
      } else {
        double cb = std::cos(beta / kDegreesPerRadian);
        double cp = std::cos(phi / kDegreesPerRadian);
        double root = std::sqrt(std::max(0.0, cb * cb - cp * cp));
        p.Ka = cb * (cb - root) / (cb + root);
        p.sqrtKa = std::sqrt(p.Ka);
      }
    }
    double sqrtKp = std::tan((45.0 + 0.5 * phi) / kDegreesPerRadian);
    p.Kp = sqrtKp * sqrtKp;
    r << Line().b(10).I(L, 2).b(9).E(p.Ka, 10, 3).b(8).E(p.Kp, 10, 3).b(8).E(p.optionalCoefficient, 10, 3).str();
    // A given coefficient replaces the active one and removes its cohesion term.
    if (p.optionalCoefficient > 1.0e-7) {
      p.Ka = p.optionalCoefficient;
      p.sqrtKa = 0.0;
    }
  }
}

}  // namespace

void START(EarthPressureModule& m) {
  effectiveOverburden(m);
  coefficients(m);
}

}  // namespace murena
