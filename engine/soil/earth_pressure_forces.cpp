// Resultant active forces of the layers above the excavation level (with the
// surcharge share of the single surcharge set), the water forces and the
// check of the net active thrust.
#include <cstdio>

#include "engine/report_head.h"
#include "engine/report_line.h"
#include "engine/soil/earth_pressure_module.h"
#include "engine/soil/surcharge_pressure.h"

namespace murena {

void INITIAL(EarthPressureModule& m) {
  for (int L = 1; L <= m.n; ++L) {
    PressureLayer& p = m.layers[L];
    p.forceOverburden = p.forceWeight = p.forceCohesion = p.forceTension = 0.0;
    p.depthUniform = -1000.0;
    p.depthTriangle = -1000.0;
    p.depthTension = -1.0e-5;
    p.waterUniform = p.waterTriangle = 0.0;
    p.tensionDepth = 0.0;
  }
}

namespace {

// Ten-slice integral over the layer of the single surcharge set's pressure.
double surchargeShare(const EarthPressureModule& m, const PressureLayer& p) {
  const SingleSurcharge& s = m.current;
  const double H = m.in.freeHeight;
  const double mRatio = s.distance / H;
  const double dz = p.thickness / 10.0;
  double share = 0.0;
  auto integrate = [&](auto kernel) {
    for (int j = 1; j <= 10; ++j) {
      double zj = p.topDepth + j * dz;
      share += dz * kernel(zj);
    }
  };
  if (s.point > 1.0e-4) integrate([&](double z) { return pointSurchargePressure(s.point, mRatio, z / H, H); });
  if (s.line > 1.0e-4) integrate([&](double z) { return lineSurchargePressure(s.line, mRatio, z / H, H); });
  if (s.strip > 1.0e-4)
    integrate([&](double z) { return stripSurchargeForcePressure(s.strip, s.distance, s.stripWidth, z); });
  return share;
}

void layerForces(EarthPressureModule& m, int L) {
  PressureLayer& p = m.layers[L];
  const double t = p.thickness;
  const double MF = p.activeFactor;
  const double gammaEff = p.drained && p.belowWater ? p.unitWeight - m.gammaW : p.unitWeight;
  p.forceOverburden = p.sigmaV * p.Ka * t * MF + surchargeShare(m, p);
  p.forceWeight = 0.5 * gammaEff * t * t * p.Ka * MF;
  p.forceCohesion = -(2.0 * p.cohesion * p.sqrtKa * t * MF);
  p.depthUniform = p.topDepth + t / 2.0;
  p.depthTriangle = p.topDepth + 2.0 * t / 3.0;
  if (p.forceOverburden + p.forceCohesion < 0.0) {
    // Tension at the top: only the lower part of the layer pushes.
    p.forceOverburden = p.forceWeight = p.forceCohesion = 0.0;
    double ptop = 2.0 * p.cohesion * p.sqrtKa - p.sigmaV * p.Ka;
    double pbot = m.layers[L + 1].sigmaV * p.Ka - 2.0 * p.cohesion * p.sqrtKa;
    double sum = pbot + ptop;
    p.tensionDepth = sum != 0.0 ? pbot * t / sum : 0.0;
    p.forceTension = pbot > 0.0 ? MF * p.tensionDepth * pbot / 2.0 : 0.0;
    p.depthTension = p.topDepth + t - p.tensionDepth / 3.0;
  }
}

void writeForceHeading(EarthPressureModule& m) {
  TextOutput& r = m.report;
  const UnitLabels& u = m.labels;
  r.emptyLines(2);
  writeFramedHeading(r, "*      ACTIVE EARTH PRESSURE OF EACH LAYER       *");
  r.line({});
  r << Line().b(6).text(" LAYER    PA1     Z1       PA2     Z2         PA3     Z3").text("        PA4").str();
  r << Line().b(6).text("  NO").b(1).text(u.stressLabel()).b(2).text(u.lengthLabel).b(2).text(u.stressLabel())
           .b(2).text(u.lengthLabel).b(4).text(u.stressLabel()).b(2).text(u.lengthLabel).b(4).text(u.stressLabel())
           .str();
  r.line({});
}

void waterForces(EarthPressureModule& m) {
  TextOutput& r = m.report;
  r.emptyLines(2);
  writeFramedHeading(r, "*      ACTIVE WATER PRESSURE OF EACH LAYER       *");
  r.line({});
  r << Line().b(6).text(" LAYER    PW1     Z1       PW2     Z2                ").str();
  r << Line().b(6).text("  NO             ").str();
  r.line({});

  const double zwb = m.in.waterDepthBackfill;
  double zr = 0.0;
  for (int L = 1; L < m.waterLayer; ++L) zr += m.layers[L].thickness;
  for (int L = m.waterLayer; L < m.excavationLayer; ++L) {
    if (L < 1) continue;
    PressureLayer& p = m.layers[L];
    m.soilFlag = 1;
    const double t = p.thickness;
    // The running depth is a sum of cut thicknesses: compare within the depth tolerance.
    if (p.drained && zwb <= zr + kDepthTolerance) {
      p.waterUniform = -(zr - zwb) * m.gammaW * t;
      p.waterTriangle = -(0.5 * m.gammaW * t * t);
      r << Line().b(6).I(L, 2).b(1).F(-p.waterUniform, 10, 2).b(1).F(p.depthUniform, 6, 2).b(1)
               .F(-p.waterTriangle, 10, 2).b(1).F(p.depthTriangle, 6, 2).str();
    }
    zr += t;
  }
}

void writeNetWarning(TextOutput& out) {
  out.emptyLines(2);
  out << Line().b(5).text("Net active pressure is negative.").str();
  out.line({});
}

}  // namespace

void FORCES(EarthPressureModule& m) {
  TextOutput& r = m.report;
  writeForceHeading(m);
  for (int L = 1; L < m.excavationLayer; ++L) {
    layerForces(m, L);
    const PressureLayer& p = m.layers[L];
    r << Line().b(6).I(L, 2).b(1).F(p.forceOverburden, 10, 2).b(1).F(p.depthUniform, 6, 2).b(1)
             .F(p.forceWeight, 10, 2).b(1).F(p.depthTriangle, 6, 2).b(1).F(p.forceCohesion, 10, 2).b(1)
             .F(p.depthTension, 6, 2).b(1).F(p.forceTension, 10, 2).str();
  }

  if (m.waterLayer < m.excavationLayer) waterForces(m);

  double net = 0.0;
  for (int L = 1; L < m.excavationLayer; ++L) {
    const PressureLayer& p = m.layers[L];
    net += p.forceOverburden + p.forceWeight + p.forceCohesion + p.forceTension - p.waterUniform - p.waterTriangle;
  }
  if (net < 1.0e-5) {
    std::fputs("\n\n     Net active pressure is negative.\n\n", stderr);
    writeNetWarning(r);
  }
}

}  // namespace murena
