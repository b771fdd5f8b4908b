// p-y curves of a silt (c-phi soil) layer, static loading: the sand-shaped
// curve with a friction share as for sand and a cohesion share as for soft
// clay in its middle point.
#include <cmath>

#include "engine/report_line.h"
#include "engine/run_errors.h"
#include "engine/soil/py_generator_frame.h"
#include "engine/soil/py_sand_resistance.h"
#include "engine/soil/py_silt_curve.h"

namespace murena {

namespace {

// Wall friction of a continuous wall in silt: 10 degrees.
constexpr double kSiltWallFriction = 0.17453332;

// The curve needs a friction angle; without one the run stops.
void checkFrictionAngle(PYGeneration& g, double phi) {
  const double cosPhi = std::cos(phi);
  const double cosZero = std::cos(0.0);
  if (cosZero * cosZero - cosPhi * cosPhi >= 1.0e-10) return;
  consoleLine(g, "");
  consoleLine(g, "");
  consoleLine(g, Line().b(7).text("WARNING-------The Angle of the slope can not").str());
  consoleLine(g, Line().b(7).text("              be greater than the internal  ").str());
  consoleLine(g, Line().b(7).text("              friction angle of the sand.   ").str());
  consoleLine(g, "");
  throw StopCode{"", "A SILT LAYER HAS NO FRICTION ANGLE"};
}

struct SiltSideValues {
  double xa, phiDegrees, gammaAvg, A, B, pc, ps;
};

void writeSiltHeading(PYGeneration& g, double b, const SiltSideValues& v) {
  TextOutput& out = g.ctx.report;
  const UnitLabels& u = g.ctx.labels;
  out.emptyLines(2);
  // The last caption ends in the byte 0xED, a small Greek phi on the
  // character set the report is read with.
  out.line(Line().b(5).text("DEPTH").b(6).text("DIAM").b(6).text("PHI").b(2).text("GAMMA AVG").b(8).text("A").b(9)
               .text("B").b(5).text("Puc").b(7).text("Pu\xED").str());
  out.line(Line().b(7).text(u.lengthShort).b(8).text(u.lengthShort).b(12).text(u.shortUnitWeightLabel()).str());
  out.line(Line().F(v.xa, 10, 2).F(b, 10, 2).F(v.phiDegrees, 10, 1).E(v.gammaAvg, 10, 3).F(v.A, 10, 2).F(v.B, 10, 2)
               .E(v.pc, 10, 3).E(v.ps, 10, 3).str());
  out.emptyLines(1);
  out.line(Line().b(37).text("Y").b(19).text("P").str());
  out.line(Line().b(37).text(u.lengthShort).b(16).text(u.shortLineLoadLabel()).str());
}

}  // namespace

void generateSiltCurves(PYGeneration& g, int layer) {
  PYLayer& l = g.layers[layer];
  const double pi = 4.0 * std::atan(1.0);
  LayerResistanceSum resistance;
  for (int i = 1; i <= kCurveDepthsPerLayer; ++i) {
    const double x = curveDepth(g, layer, i);
    const double b = widthAt(g, x);
    const double c = strengthAt(g, x);
    const double phi = frictionAngleAt(g, x);
    const double gammaAvg = averageUnitWeight(g, x);
    const double k = l.modulus;
    checkFrictionAngle(g, phi);
    const FrictionCoefficients coef = frictionCoefficients(phi, pi);
    double pa = g.excavationStress * coef.Ka * b - 2.0 * c * std::sqrt(coef.Ka) * b;
    if (pa < 1.0e-5) pa = 0.0;

    if (i == 1) {
      EquivalentDepthSoil soil = frictionEquivalentDepthSoil(coef, phi, gammaAvg, b, x);
      soil.c = c;
      startLayerResistance(g, layer, soil);
    }

    const double pmult = pMultiplierAt(g, g.H + x);
    const double ymult = yMultiplierAt(g, g.H + x);
    double excavationPult = 0.0;
    writeCurvePair(g, x, SoilDataFormat::TwoBlanks, [&](CurveSide side, double xa, CurveSidePoints& points) {
      const double xp = formulaDepth(g, layer, xa);
      double ps = frictionResistance(coef, phi, gammaAvg, xp, b).ps;
      double pc = siltCohesionShare(c, gammaAvg, xp, b);
      if (g.continuousWall()) {
        ps = b * coulombPassiveCoefficient(phi, kSiltWallFriction) * gammaAvg * xa;
        pc = (gammaAvg * xa + 2.0 * c) * b;
      }
      // A and B at the depth of the resistance formulas (B is shown only).
      const double A = tableCoefficient(xp, b, CoefficientTable::StaticA);
      const double B = tableCoefficient(xp, b, CoefficientTable::StaticB);
      SiltCurveInput in;
      in.b = b;
      in.xp = xp;
      in.k = k;
      in.pult = A * ps;
      in.pmid = 1.5 * ps + pc;
      if (side == CurveSide::Excavation) excavationPult = in.pult;

      points = siltCurve(in).points;
      applyMultipliers(points, pmult, ymult, activeOffset(side, pa));

      writeSideHeading(g, side);
      writeSiltHeading(g, b, SiltSideValues{xa, phi * 180.0 / pi, gammaAvg, A, B, pc, ps});
      writeReportPoints(g, points, ReportPointFormat::Exponent);
      writeMultiplierLine(g, pmult, ymult);
    });
    resistance.addToLayerBottom(l, i, x, excavationPult);
  }
}

}  // namespace murena
