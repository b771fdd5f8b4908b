// p-y curves of the three clays: soft clay, stiff clay with free water and
// stiff clay without free water (static loading).
#include <algorithm>
#include <cmath>

#include "engine/report_line.h"
#include "engine/soil/py_generator_frame.h"

namespace murena {

namespace {

// Soil values at one curve depth, evaluated on the excavation side.
struct ClayValues {
  double x = 0.0, b = 0.0, c = 0.0, ca = 0.0, gamma = 0.0, eps50 = 0.0, k = 0.0, pa = 0.0;
};

ClayValues clayValuesAt(PYGeneration& g, int layer, double x) {
  ClayValues v;
  v.x = x;
  v.b = widthAt(g, x);
  v.c = strengthAt(g, x);
  v.gamma = averageUnitWeight(g, x);
  v.eps50 = strainSlotAt(g, x);
  v.k = g.layers[layer].modulus;
  v.pa = std::max(v.b * g.excavationStress - 2.0 * v.c * v.b, 0.0);
  if (v.pa <= 1.0e-10) v.pa = 0.0;
  return v;
}

EquivalentDepthSoil equivalentDepthSoil(const ClayValues& v) {
  EquivalentDepthSoil s;
  s.b = v.b;
  s.c = v.c;
  s.ca = v.ca;
  s.gamma = v.gamma;
  s.xa = v.x;
  return s;
}

double sideDepth(const PYGeneration& g, CurveSide side, double x) { return side == CurveSide::Excavation ? x : g.H + x; }

// Plane-strain resistance of a continuous wall.
double continuousWallResistance(const ClayValues& v, double xa) { return (v.gamma * xa + 2.0 * v.c) * v.b; }

// Secant modulus of the curve 0.5 pu (y / y50)^e (flat at pu beyond yFlat) at
// the tiny deflection; finite also when y50 is 0.
double tinyDeflectionModulus(double pu, double y50, double exponent, double yFlat) {
  const double p = (y50 > 0.0 && kTinyDeflection <= yFlat) ? 0.5 * pu * std::pow(kTinyDeflection / y50, exponent) : pu;
  return p / kTinyDeflection;
}

void writeSideWithMultipliers(PYGeneration& g, const CurveSidePoints& side, double pm, double ym) {
  writeReportPoints(g, side, ReportPointFormat::Fixed);
  writeMultiplierLine(g, pm, ym);
}

// --- Soft clay ---------------------------------------------------------------

constexpr std::array<double, kSidePoints> kSoftClayFactors{0.0,  0.00025, 0.0025, 0.0075, 0.02, 0.04, 0.06, 0.1, 0.15,
                                                           0.225, 0.3,    0.4,    0.5,    0.65, 0.8,  1.0,  1.2};

struct SoftClaySide {
  double pu = 0.0, k0 = 0.0;
  CurveSidePoints points;
};

SoftClaySide softClaySide(const PYGeneration& g, const ClayValues& v, double xp, double xa) {
  SoftClaySide s;
  double Np = 0.0;
  if (v.c > 0.0) Np = std::min(3.0 + v.gamma * xp / v.c + 0.5 * xp / v.b, 9.0);
  s.pu = g.continuousWall() ? continuousWallResistance(v, xa) : Np * v.c * v.b;
  const double y50 = 2.5 * v.eps50 * v.b;
  const double yFlat = 8.0 * y50;
  s.k0 = tinyDeflectionModulus(s.pu, y50, 1.0 / 3.0, yFlat);
  for (int i = 0; i < kSidePoints; ++i) {
    const double y = yFlat * kSoftClayFactors[i];
    s.points.y[i] = y;
    if (y < kTinyDeflection) s.points.p[i] = s.k0 * y;
    else if (y <= yFlat) s.points.p[i] = 0.5 * s.pu * std::cbrt(y / y50);
    else s.points.p[i] = s.pu;
  }
  return s;
}

void writeSoftClaySide(PYGeneration& g, CurveSide side, const ClayValues& v, double xa, const SoftClaySide& s,
                       double pm, double ym) {
  const UnitLabels& u = g.ctx.labels;
  TextOutput& out = g.ctx.report;
  writeSideHeading(g, side);
  out.emptyLines(1);
  out.line(Line().b(9).text("DEPTH BELOW GS").b(6).text("DIAM").b(8).text("C").b(6).text("GAMMA AVG").b(6).text("E50"));
  out.line(Line().b(15).text(u.lengthShort).b(13).text(u.lengthShort).b(5).text(u.shortStressLabel()).b(2)
               .text(u.shortUnitWeightLabel()));
  out.line(Line().b(8).F(xa, 10, 2).b(6).F(v.b, 10, 3).b(1).D(v.c, 10, 4).b(1).D(v.gamma, 10, 4).b(1).D(v.eps50, 12, 4));
  out.emptyLines(1);
  out.line(Line().b(37).text("Y,").text(u.lengthShort).b(13).text("P,").text(u.forceShort).text(u.slash).text(u.lengthShort));
  for (int i = 0; i < kSidePoints; ++i) {
    writeReportPoint(g, s.points.y[i], s.points.p[i], ReportPointFormat::Fixed);
    if (i > 0 && s.points.y[i] < kTinyDeflection) {
      out.emptyLines(1);
      out.line(Line().b(29).text("**** WARNING ****"));
      out.line(Line().b(5).text("DEFLECTION IS LESS THAN 1.0E-14.  THE PROGRAM"));
      out.line(Line().b(5).text("USED A SOIL MODULUS OF ").D(s.k0, 12, 4));
    }
  }
  writeMultiplierLine(g, pm, ym);
}

// --- Stiff clay with free water -----------------------------------------------

struct StiffClaySide {
  double pc = 0.0, As = 0.0;
  CurveSidePoints points;
};

StiffClaySide stiffClayFreeWaterSide(const PYGeneration& g, const ClayValues& v, double xp, double xa) {
  StiffClaySide s;
  const double b = v.b, c = v.c, ca = v.ca;
  const double pct = 2.0 * ca * b + v.gamma * b * xp + 2.83 * ca * xp;
  const double pcd = 11.0 * c * b;
  s.pc = g.continuousWall() ? continuousWallResistance(v, xa) : std::min(pct, pcd);
  const double y50 = v.eps50 * b;
  s.As = stiffClayAs(xa, b);
  const double yA = s.As * y50;  // As y50
  for (int i = 0; i < 13; ++i) s.points.y[i] = 0.5 * i * yA;
  s.points.y[13] = 10.0 * yA;
  s.points.y[14] = 14.0 * yA;
  s.points.y[15] = 18.0 * yA;
  s.points.y[16] = 200.0 * yA;
  const double pc = s.pc;
  const double residual = 0.5 * pc * std::sqrt(6.0 * s.As) - 0.411 * pc;
  for (int i = 0; i < kSidePoints; ++i) {
    const double y = s.points.y[i];
    const double ratio = y50 > 0.0 ? y / y50 : 0.0;
    double p;
    if (y <= yA) p = 0.5 * pc * std::sqrt(ratio);
    else if (y <= 6.0 * yA) p = 0.5 * pc * std::sqrt(ratio) - 0.055 * pc * std::pow((y - yA) / yA, 1.25);
    else if (y <= 18.0 * yA) p = residual - (0.0625 / y50) * pc * (y - 6.0 * yA);
    else p = residual - 0.75 * s.As * pc;
    s.points.p[i] = std::min(p, v.k * xp * y);
  }
  return s;
}

void writeStiffClayFreeWaterSide(PYGeneration& g, CurveSide side, int layer, const ClayValues& v, double xa,
                                 const CurveSidePoints& points, double pm, double ym) {
  const UnitLabels& u = g.ctx.labels;
  TextOutput& out = g.ctx.report;
  writeSideHeading(g, side);
  out.emptyLines(2);
  out.line(Line().b(9).text("DEPTH BELOW GS").b(6).text("DIAM").b(8).text("C").b(9).text("CAVG").b(4).text("GAMMA AVG")
               .b(6).text("E50"));
  out.line(Line().b(15).text(u.lengthShort).b(13).text(u.lengthShort).b(5).text(u.shortStressLabel()).b(2)
               .text(u.shortStressLabel()).b(2).text(u.shortUnitWeightLabel()));
  out.line(Line().b(9).F(xa, 10, 2).b(5).F(v.b, 10, 3).b(1).D(v.c, 10, 2).b(1).D(v.ca, 10, 2).b(1).D(v.gamma, 10, 2)
               .D(v.eps50, 12, 4));
  writeEquivalentDepthLine(g, layer, g.layers[layer].equivalentDepth, xa);
  writeSideWithMultipliers(g, points, pm, ym);
}

// --- Stiff clay without free water --------------------------------------------

constexpr std::array<double, 15> kStiffClayDryFactors{0.0,   1.0e-5, 5.0e-5, 1.0e-4, 5.0e-4, 0.001, 0.005, 0.01,
                                                      0.025, 0.05,   0.075,  0.1,    0.25,   0.5,   1.0};

StiffClaySide stiffClayNoFreeWaterSide(const PYGeneration& g, const ClayValues& v, double xp, double xa) {
  StiffClaySide s;
  const double b = v.b;
  const double pu = g.continuousWall() ? continuousWallResistance(v, xa)
                                       : std::min(3.0 * v.ca * b + v.gamma * b * xp + 0.5 * v.ca * xp, 9.0 * v.c * b);
  s.pc = pu;
  const double y50 = 2.5 * v.eps50 * b;
  const double yFlat = 16.0 * y50;
  for (size_t i = 0; i < kStiffClayDryFactors.size(); ++i) s.points.y[i] = yFlat * kStiffClayDryFactors[i];
  s.points.y[15] = 18.0 * y50;
  s.points.y[16] = 20.0 * y50;
  const double k0 = tinyDeflectionModulus(pu, y50, 0.75, yFlat);
  for (int i = 0; i < kSidePoints; ++i) {
    const double y = s.points.y[i];
    if (y < kTinyDeflection) s.points.p[i] = k0 * y;
    else if (y <= yFlat) s.points.p[i] = 0.5 * pu * std::pow(y / y50, 0.25);
    else s.points.p[i] = pu;
  }
  return s;
}

void writeStiffClayNoFreeWaterSide(PYGeneration& g, CurveSide side, const ClayValues& v, double xa,
                                   const CurveSidePoints& points, double pm, double ym) {
  const UnitLabels& u = g.ctx.labels;
  TextOutput& out = g.ctx.report;
  writeSideHeading(g, side);
  out.emptyLines(2);
  out.line(Line().b(10).text("DEPTH BELOW GS").b(5).text("DIAM").b(8).text("C").b(7).text("CAVG").b(4).text("GAMMA AVG")
               .b(5).text("E50"));
  out.line(Line().b(16).text(u.lengthShort).b(12).text(u.lengthShort).b(5).text(u.shortStressLabel()).b(1)
               .text(u.shortStressLabel()).b(1).text(u.shortUnitWeightLabel()).b(1));
  out.line(Line().b(10).F(xa, 10, 2).b(5).F(v.b, 10, 3).D(v.c, 10, 2).D(v.ca, 10, 2).D(v.gamma, 10, 2).D(v.eps50, 12, 4));
  out.line(Line().b(38).text("Y").b(19).text("P"));
  out.line(Line().b(38).text(u.lengthShort).b(15).text(u.shortLineLoadLabel()));
  writeSideWithMultipliers(g, points, pm, ym);
}

// Multipliers and the active offset: taken off in front, added behind the wall.
void applyClayOutput(PYCurvePair& pair, double pa, double pm, double ym) {
  applyMultipliers(pair.excavation, pm, ym, -pa);
  applyMultipliers(pair.backfill, pm, ym, pa);
}

}  // namespace

void generateSoftClayCurves(PYGeneration& g, int layer) {
  PYLayer& l = g.layers[layer];
  double previousX = 0.0, previousPu = 0.0;
  for (int i = 1; i <= kCurveDepthsPerLayer; ++i) {
    const double x = curveDepth(g, layer, i);
    ClayValues v = clayValuesAt(g, layer, x);
    if (i == 1) {
      l.cumulativeResistance = 0.0;
      computeEquivalentDepth(g, layer, equivalentDepthSoil(v));
    }
    const double xaExc = sideDepth(g, CurveSide::Excavation, x), xaBack = sideDepth(g, CurveSide::Backfill, x);
    SoftClaySide exc = softClaySide(g, v, formulaDepth(g, layer, xaExc), xaExc);
    SoftClaySide back = softClaySide(g, v, formulaDepth(g, layer, xaBack), xaBack);
    const double pm = pMultiplierAt(g, g.H + x), ym = yMultiplierAt(g, g.H + x);
    PYCurvePair pair{exc.points, back.points};
    applyClayOutput(pair, v.pa, pm, ym);
    exc.points = pair.excavation;
    back.points = pair.backfill;
    writeSoftClaySide(g, CurveSide::Excavation, v, xaExc, exc, pm, ym);
    writeSoftClaySide(g, CurveSide::Backfill, v, xaBack, back, pm, ym);
    writeSoilDataCurve(g, g.H + x, pair, SoilDataFormat::OneBlank);
    if (i > 1) l.cumulativeResistance += 0.5 * (previousPu + exc.pu) * (x - previousX);
    previousX = x;
    previousPu = exc.pu;
  }
}

void generateStiffClayFreeWaterCurves(PYGeneration& g, int layer) {
  PYLayer& l = g.layers[layer];
  double previousX = 0.0, previousPc = 0.0, previousC = 0.0, firstX = 0.0, strengthIntegral = 0.0;
  for (int i = 1; i <= kCurveDepthsPerLayer; ++i) {
    const double x = curveDepth(g, layer, i);
    ClayValues v = clayValuesAt(g, layer, x);
    // Average strength: from the layer top in the first layer; in a lower
    // layer the running trapezoid average over the curve depths.
    if (layer == 1) {
      v.ca = averageStrength(g, x, layer);
    } else if (i == 1) {
      v.ca = v.c;
      firstX = x;
    } else {
      strengthIntegral += 0.5 * (previousC + v.c) * (x - previousX);
      v.ca = x - firstX > 0.0 ? strengthIntegral / (x - firstX) : v.c;
    }
    if (i == 1) {
      l.cumulativeResistance = 0.0;
      computeEquivalentDepth(g, layer, equivalentDepthSoil(v));
    }
    const double xaExc = sideDepth(g, CurveSide::Excavation, x), xaBack = sideDepth(g, CurveSide::Backfill, x);
    StiffClaySide exc = stiffClayFreeWaterSide(g, v, formulaDepth(g, layer, xaExc), xaExc);
    StiffClaySide back = stiffClayFreeWaterSide(g, v, formulaDepth(g, layer, xaBack), xaBack);
    const double pm = pMultiplierAt(g, g.H + x), ym = yMultiplierAt(g, g.H + x);
    PYCurvePair pair{exc.points, back.points};
    applyClayOutput(pair, v.pa, pm, ym);
    writeStiffClayFreeWaterSide(g, CurveSide::Excavation, layer, v, xaExc, pair.excavation, pm, ym);
    writeStiffClayFreeWaterSide(g, CurveSide::Backfill, layer, v, xaBack, pair.backfill, pm, ym);
    writeSoilDataCurve(g, g.H + x, pair, SoilDataFormat::OneBlank);
    if (i > 1) {
      const double f = 1.225 * std::sqrt(exc.As) - 0.75 * exc.As - 0.411;
      l.cumulativeResistance += 0.5 * (previousPc + exc.pc) * f * (x - previousX);
    }
    previousX = x;
    previousPc = exc.pc;
    previousC = v.c;
  }
}

void generateStiffClayNoFreeWaterCurves(PYGeneration& g, int layer) {
  PYLayer& l = g.layers[layer];
  double previousX = 0.0, previousPu = 0.0;
  for (int i = 1; i <= kCurveDepthsPerLayer; ++i) {
    const double x = curveDepth(g, layer, i);
    ClayValues v = clayValuesAt(g, layer, x);
    v.ca = averageStrength(g, x, layer);
    if (i == 1) {
      l.cumulativeResistance = 0.0;
      computeEquivalentDepth(g, layer, equivalentDepthSoil(v));
      if (layer > 1) {
        // This clay measures its depths from the top of the profile: the
        // computed equivalent depth is shown, then replaced by the layer top.
        writeEquivalentDepthLine(g, layer, l.equivalentDepth, x);
        l.equivalentDepth = l.xTop;
        writeEquivalentDepthLine(g, layer, l.equivalentDepth, x);
      }
    }
    const double xaExc = sideDepth(g, CurveSide::Excavation, x), xaBack = sideDepth(g, CurveSide::Backfill, x);
    StiffClaySide exc = stiffClayNoFreeWaterSide(g, v, formulaDepth(g, layer, xaExc), xaExc);
    StiffClaySide back = stiffClayNoFreeWaterSide(g, v, formulaDepth(g, layer, xaBack), xaBack);
    const double pm = pMultiplierAt(g, g.H + x), ym = yMultiplierAt(g, g.H + x);
    PYCurvePair pair{exc.points, back.points};
    applyClayOutput(pair, v.pa, pm, ym);
    writeStiffClayNoFreeWaterSide(g, CurveSide::Excavation, v, xaExc, pair.excavation, pm, ym);
    writeStiffClayNoFreeWaterSide(g, CurveSide::Backfill, v, xaBack, pair.backfill, pm, ym);
    writeSoilDataCurve(g, g.H + x, pair, SoilDataFormat::OneBlank);
    if (i > 1) l.cumulativeResistance += 0.5 * (previousPu + exc.pc) * (x - previousX);
    previousX = x;
    previousPu = exc.pc;
  }
}

}  // namespace murena
