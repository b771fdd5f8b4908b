// p-y curves of the three clays: soft clay, stiff clay with free water and
// stiff clay without free water (static loading).
#include "engine/soil/py_clay_curves.h"

#include <algorithm>
#include <cmath>

#include "engine/report_line.h"

namespace murena {

namespace {

// Plane-strain resistance of a continuous wall.
double continuousWallResistance(const ClaySoil& s, double xa) { return (s.gamma * xa + 2.0 * s.c) * s.b; }

// Secant modulus at the tiny deflection of the curve 0.5 pu (y / y50)^e:
// 0.5 pu (y50 / 1.0E-14)^(1 - e) / y50.  Without y50 (no strain given) the
// curve is flat at pu, and the modulus pu / 1.0E-14 keeps it finite.
double tinyDeflectionModulus(double pu, double y50, double complementExponent) {
  if (!(y50 > 0.0)) return pu / kTinyDeflection;
  return 0.5 * pu * std::pow(y50 / kTinyDeflection, complementExponent) / y50;
}

constexpr std::array<double, kSidePoints> kSoftClayFactors{0.0,  0.00025, 0.0025, 0.0075, 0.02, 0.04, 0.06, 0.1, 0.15,
                                                           0.225, 0.3,    0.4,    0.5,    0.65, 0.8,  1.0,  1.2};
constexpr std::array<double, 15> kStiffClayDryFactors{0.0,   1.0e-5, 5.0e-5, 1.0e-4, 5.0e-4, 0.001, 0.005, 0.01,
                                                      0.025, 0.05,   0.075,  0.1,    0.25,   0.5,   1.0};

}  // namespace

ClaySide softClaySide(const ClaySoil& s, double xp, double xa, bool continuousWall) {
  ClaySide side;
  double Np = 0.0;
  if (s.c > 0.0) Np = std::min(3.0 + s.gamma * xp / s.c + 0.5 * xp / s.b, 9.0);
  side.pu = continuousWall ? continuousWallResistance(s, xa) : Np * s.c * s.b;
  const double y50 = 2.5 * s.eps50 * s.b;
  const double yFlat = 8.0 * y50;
  side.k0 = tinyDeflectionModulus(side.pu, y50, 2.0 / 3.0);
  for (int i = 0; i < kSidePoints; ++i) {
    const double y = yFlat * kSoftClayFactors[i];
    side.points.y[i] = y;
    if (y < kTinyDeflection) side.points.p[i] = side.k0 * y;
    else if (y <= yFlat) side.points.p[i] = 0.5 * side.pu * std::pow(y / y50, 1.0 / 3.0);
    else side.points.p[i] = side.pu;
  }
  return side;
}

ClaySide stiffClayFreeWaterSide(const ClaySoil& s, double xp, double xa, bool continuousWall) {
  ClaySide side;
  const double b = s.b, c = s.c, ca = s.ca;
  const double pct = 2.0 * ca * b + s.gamma * b * xp + 2.83 * ca * xp;
  const double pcd = 11.0 * c * b;
  const double pc = continuousWall ? continuousWallResistance(s, xa) : std::min(pct, pcd);
  side.pu = pc;
  const double y50 = s.eps50 * b;
  side.As = stiffClayAs(xa, b);
  const double yA = side.As * y50;  // As y50
  for (int i = 0; i < 13; ++i) side.points.y[i] = 0.5 * i * yA;
  side.points.y[13] = 10.0 * yA;
  side.points.y[14] = 14.0 * yA;
  side.points.y[15] = 18.0 * yA;
  side.points.y[16] = 200.0 * yA;
  const double residual = 0.5 * pc * std::sqrt(6.0 * side.As) - 0.411 * pc;
  for (int i = 0; i < kSidePoints; ++i) {
    const double y = side.points.y[i];
    const double ratio = y50 > 0.0 ? y / y50 : 0.0;
    double p;
    if (y <= yA) p = 0.5 * pc * std::sqrt(ratio);
    else if (y <= 6.0 * yA) p = 0.5 * pc * std::sqrt(ratio) - 0.055 * pc * std::pow(std::max((y - yA) / yA, 0.0), 1.25);
    else if (y <= 18.0 * yA) p = residual - (0.0625 / y50) * pc * (y - 6.0 * yA);
    else p = residual - 0.75 * side.As * pc;
    side.points.p[i] = std::min(p, s.k * xp * y);  // the initial straight line
  }
  return side;
}

ClaySide stiffClayNoFreeWaterSide(const ClaySoil& s, double xp, double xa, bool continuousWall) {
  ClaySide side;
  const double b = s.b;
  const double pu = continuousWall ? continuousWallResistance(s, xa)
                                   : std::min(3.0 * s.ca * b + s.gamma * b * xp + 0.5 * s.ca * xp, 9.0 * s.c * b);
  side.pu = pu;
  const double y50 = 2.5 * s.eps50 * b;
  const double yFlat = 16.0 * y50;
  for (size_t i = 0; i < kStiffClayDryFactors.size(); ++i) side.points.y[i] = yFlat * kStiffClayDryFactors[i];
  side.points.y[15] = 18.0 * y50;
  side.points.y[16] = 20.0 * y50;
  side.k0 = tinyDeflectionModulus(pu, y50, 0.75);
  for (int i = 0; i < kSidePoints; ++i) {
    const double y = side.points.y[i];
    if (y < kTinyDeflection) side.points.p[i] = side.k0 * y;
    else if (y <= yFlat) side.points.p[i] = 0.5 * pu * std::pow(y / y50, 0.25);
    else side.points.p[i] = pu;
  }
  return side;
}

namespace {

// --- Per-depth soil values and output -------------------------------------

struct DepthValues {
  ClaySoil soil;
  double x = 0.0;
  double pa = 0.0;  // active offset
};

DepthValues valuesAt(PYGeneration& g, int layer, double x) {
  DepthValues v;
  v.x = x;
  v.soil.b = widthAt(g, x);
  v.soil.c = strengthAt(g, x);
  v.soil.gamma = averageUnitWeight(g, x);
  v.soil.eps50 = strainSlotAt(g, x);
  v.soil.k = g.layers[layer].modulus;
  v.pa = std::max(v.soil.b * g.excavationStress - 2.0 * v.soil.c * v.soil.b, 0.0);
  if (v.pa <= 1.0e-10) v.pa = 0.0;
  return v;
}

void startLayer(PYGeneration& g, int layer, const DepthValues& v) {
  EquivalentDepthSoil s;
  s.b = v.soil.b;
  s.c = v.soil.c;
  s.ca = v.soil.ca;
  s.gamma = v.soil.gamma;
  s.xa = v.x;
  startLayerResistance(g, layer, s);
}

using SideFunction = ClaySide (*)(const ClaySoil&, double, double, bool);

// Both sides of one curve depth, with multipliers and the active offset
// (taken off in front of the wall, added behind it).
struct DepthCurves {
  ClaySide excavation, backfill;
  double xaExcavation = 0.0, xaBackfill = 0.0, pm = 1.0, ym = 1.0;
};

DepthCurves depthCurves(PYGeneration& g, int layer, const DepthValues& v, SideFunction side) {
  DepthCurves d;
  d.xaExcavation = v.x;
  d.xaBackfill = g.H + v.x;
  d.excavation = side(v.soil, formulaDepth(g, layer, d.xaExcavation), d.xaExcavation, g.continuousWall());
  d.backfill = side(v.soil, formulaDepth(g, layer, d.xaBackfill), d.xaBackfill, g.continuousWall());
  d.pm = pMultiplierAt(g, g.H + v.x);
  d.ym = yMultiplierAt(g, g.H + v.x);
  applyMultipliers(d.excavation.points, d.pm, d.ym, -v.pa);
  applyMultipliers(d.backfill.points, d.pm, d.ym, v.pa);
  return d;
}

void writeSoilData(PYGeneration& g, const DepthValues& v, const DepthCurves& d) {
  writeSoilDataCurve(g, g.H + v.x, PYCurvePair{d.excavation.points, d.backfill.points}, SoilDataFormat::OneBlank);
}

void writeSoftClaySide(PYGeneration& g, CurveSide side, const DepthValues& v, double xa, const ClaySide& s,
                       const DepthCurves& d) {
  const UnitLabels& u = g.ctx.labels;
  TextOutput& out = g.ctx.report;
  writeSideHeading(g, side);
  out.emptyLines(1);
  out.line(Line().b(9).text("DEPTH BELOW GS").b(6).text("DIAM").b(8).text("C").b(6).text("GAMMA AVG").b(6).text("E50"));
  out.line(Line().b(15).text(u.lengthShort).b(13).text(u.lengthShort).b(5).text(u.shortStressLabel()).b(2)
               .text(u.shortUnitWeightLabel()));
  out.line(Line().b(8).F(xa, 10, 2).b(6).F(v.soil.b, 10, 3).b(1).D(v.soil.c, 10, 4).b(1).D(v.soil.gamma, 10, 4).b(1)
               .D(v.soil.eps50, 12, 4));
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
  writeMultiplierLine(g, d.pm, d.ym);
}

void writeStiffClayFreeWaterSide(PYGeneration& g, CurveSide side, int layer, const DepthValues& v, double xa,
                                 const ClaySide& s, const DepthCurves& d) {
  const UnitLabels& u = g.ctx.labels;
  TextOutput& out = g.ctx.report;
  writeSideHeading(g, side);
  out.emptyLines(2);
  out.line(Line().b(9).text("DEPTH BELOW GS").b(6).text("DIAM").b(8).text("C").b(9).text("CAVG").b(4).text("GAMMA AVG")
               .b(6).text("E50"));
  out.line(Line().b(15).text(u.lengthShort).b(13).text(u.lengthShort).b(5).text(u.shortStressLabel()).b(2)
               .text(u.shortStressLabel()).b(2).text(u.shortUnitWeightLabel()));
  out.line(Line().b(9).F(xa, 10, 2).b(5).F(v.soil.b, 10, 3).b(1).D(v.soil.c, 10, 2).b(1).D(v.soil.ca, 10, 2).b(1)
               .D(v.soil.gamma, 10, 2).D(v.soil.eps50, 12, 4));
  writeEquivalentDepthLine(g, layer, g.layers[layer].equivalentDepth, xa);
  writeReportPoints(g, s.points, ReportPointFormat::Fixed);
  writeMultiplierLine(g, d.pm, d.ym);
}

void writeStiffClayNoFreeWaterSide(PYGeneration& g, CurveSide side, const DepthValues& v, double xa, const ClaySide& s,
                                   const DepthCurves& d) {
  const UnitLabels& u = g.ctx.labels;
  TextOutput& out = g.ctx.report;
  writeSideHeading(g, side);
  out.emptyLines(2);
  out.line(Line().b(10).text("DEPTH BELOW GS").b(5).text("DIAM").b(8).text("C").b(7).text("CAVG").b(4).text("GAMMA AVG")
               .b(5).text("E50"));
  out.line(Line().b(16).text(u.lengthShort).b(12).text(u.lengthShort).b(5).text(u.shortStressLabel()).b(1)
               .text(u.shortStressLabel()).b(1).text(u.shortUnitWeightLabel()).b(1));
  out.line(Line().b(10).F(xa, 10, 2).b(5).F(v.soil.b, 10, 3).D(v.soil.c, 10, 2).D(v.soil.ca, 10, 2).D(v.soil.gamma, 10, 2)
               .D(v.soil.eps50, 12, 4));
  out.line(Line().b(38).text("Y").b(19).text("P"));
  out.line(Line().b(38).text(u.lengthShort).b(15).text(u.shortLineLoadLabel()));
  writeReportPoints(g, s.points, ReportPointFormat::Fixed);
  writeMultiplierLine(g, d.pm, d.ym);
}

}  // namespace

void generateSoftClayCurves(PYGeneration& g, int layer) {
  LayerResistanceSum resistance;
  for (int i = 1; i <= kCurveDepthsPerLayer; ++i) {
    const DepthValues v = valuesAt(g, layer, curveDepth(g, layer, i));
    if (i == 1) startLayer(g, layer, v);
    const DepthCurves d = depthCurves(g, layer, v, softClaySide);
    writeSoftClaySide(g, CurveSide::Excavation, v, d.xaExcavation, d.excavation, d);
    writeSoftClaySide(g, CurveSide::Backfill, v, d.xaBackfill, d.backfill, d);
    writeSoilData(g, v, d);
    resistance.add(g.layers[layer], i, v.x, d.excavation.pu);
  }
}

void generateStiffClayFreeWaterCurves(PYGeneration& g, int layer) {
  PYLayer& l = g.layers[layer];
  double previousX = 0.0, previousPc = 0.0, previousC = 0.0, firstX = 0.0, strengthIntegral = 0.0;
  for (int i = 1; i <= kCurveDepthsPerLayer; ++i) {
    DepthValues v = valuesAt(g, layer, curveDepth(g, layer, i));
    // Average strength: from the layer top in the first layer; in a lower
    // layer the running trapezoid average over the curve depths.
    if (layer == 1) {
      v.soil.ca = averageStrength(g, v.x, layer);
    } else if (i == 1) {
      v.soil.ca = v.soil.c;
      firstX = v.x;
    } else {
      strengthIntegral += 0.5 * (previousC + v.soil.c) * (v.x - previousX);
      v.soil.ca = v.x - firstX > 0.0 ? strengthIntegral / (v.x - firstX) : v.soil.c;
    }
    if (i == 1) startLayer(g, layer, v);
    const DepthCurves d = depthCurves(g, layer, v, stiffClayFreeWaterSide);
    writeStiffClayFreeWaterSide(g, CurveSide::Excavation, layer, v, d.xaExcavation, d.excavation, d);
    writeStiffClayFreeWaterSide(g, CurveSide::Backfill, layer, v, d.xaBackfill, d.backfill, d);
    writeSoilData(g, v, d);
    if (i > 1) {
      const double As = d.excavation.As;
      const double f = 1.225 * std::sqrt(As) - 0.75 * As - 0.411;  // residual factor
      l.cumulativeResistance += 0.5 * (previousPc + d.excavation.pu) * f * (v.x - previousX);
    }
    previousX = v.x;
    previousPc = d.excavation.pu;
    previousC = v.soil.c;
  }
}

void generateStiffClayNoFreeWaterCurves(PYGeneration& g, int layer) {
  PYLayer& l = g.layers[layer];
  LayerResistanceSum resistance;
  for (int i = 1; i <= kCurveDepthsPerLayer; ++i) {
    DepthValues v = valuesAt(g, layer, curveDepth(g, layer, i));
    v.soil.ca = averageStrength(g, v.x, layer);
    if (i == 1) {
      startLayer(g, layer, v);
      if (layer > 1) {
        // This clay measures its depths from the top of the profile: the
        // computed equivalent depth is shown, then replaced by the layer top.
        writeEquivalentDepthLine(g, layer, l.equivalentDepth, v.x);
        l.equivalentDepth = l.xTop;
        writeEquivalentDepthLine(g, layer, l.equivalentDepth, v.x);
      }
    }
    const DepthCurves d = depthCurves(g, layer, v, stiffClayNoFreeWaterSide);
    writeStiffClayNoFreeWaterSide(g, CurveSide::Excavation, v, d.xaExcavation, d.excavation, d);
    writeStiffClayNoFreeWaterSide(g, CurveSide::Backfill, v, d.xaBackfill, d.backfill, d);
    writeSoilData(g, v, d);
    resistance.add(l, i, v.x, d.excavation.pu);
  }
}

}  // namespace murena
