// p-y curves of a sand layer (static loading): the friction wedge and
// flow-around resistances scaled by the tabulated coefficients A and B, the
// parabolic middle branch and the initial straight line k x y.
#include <cmath>

#include "engine/report_line.h"
#include "engine/soil/py_generator_frame.h"
#include "engine/soil/py_sand_curve.h"
#include "engine/soil/py_sand_resistance.h"

namespace murena {

namespace {

constexpr double kSandPi = 3.1416;

void writeSandHeading(PYGeneration& g, double xa, double b, double phi, double gammaAvg, double A, double B,
                      const FrictionResistance& r) {
  TextOutput& out = g.ctx.report;
  const UnitLabels& u = g.ctx.labels;
  out.emptyLines(2);
  out.line(Line().b(11).text("DEPTH BELOW GS").b(2).text("DIAM").b(3).text("PHI").b(2).text("GAMMA AVG").b(4).text("A")
               .b(4).text("B").b(5).text("PCT").b(7).text("PCD").str());
  out.line(Line().b(17).text(u.lengthShort).b(9).text(u.lengthShort).b(9).text(u.shortUnitWeightLabel()).str());
  out.line(Line().b(10).F(xa, 10, 2).b(4).F(b, 7, 2).F(phi * 180.0 / kSandPi, 7, 2).E(gammaAvg, 9, 2).b(2)
               .F(A, 5, 2).F(B, 5, 2).E(r.pst, 9, 2).E(r.psd, 9, 2).str());
  out.emptyLines(1);
  out.line(Line().b(38).text("Y").b(19).text("P").str());
  out.line(Line().b(38).text(u.lengthShort).b(15).text(u.shortLineLoadLabel()).str());
}

}  // namespace

void generateSandCurves(PYGeneration& g, int layer) {
  PYLayer& l = g.layers[layer];
  LayerResistanceSum resistance;
  for (int i = 1; i <= kCurveDepthsPerLayer; ++i) {
    const double x = curveDepth(g, layer, i);
    const double b = widthAt(g, x);
    const double gammaAvg = averageUnitWeight(g, x);
    const double phi = frictionAngleAt(g, x);
    const double k = l.modulus;
    const FrictionCoefficients coef = frictionCoefficients(phi, kSandPi);
    double pa = g.excavationStress * coef.Ka * b;
    if (pa < 1.0e-5) pa = 0.0;

    if (i == 1) startLayerResistance(g, layer, frictionEquivalentDepthSoil(coef, phi, gammaAvg, b, x));

    const double pmult = pMultiplierAt(g, g.H + x);
    const double ymult = yMultiplierAt(g, g.H + x);
    double excavationPu = 0.0;
    writeCurvePair(g, x, SoilDataFormat::OneBlank, [&](CurveSide side, double xa, CurveSidePoints& points) {
      const double xp = formulaDepth(g, layer, xa);
      const FrictionResistance r = frictionResistance(coef, phi, gammaAvg, xp, b);
      double ps = r.ps;
      if (g.continuousWall()) ps = b * coulombPassiveCoefficient(phi, phi / 2.0) * gammaAvg * xa;
      const double A = tableCoefficient(xa, b, CoefficientTable::StaticA);
      const double B = tableCoefficient(xa, b, CoefficientTable::StaticB);
      SandCurveInput in;
      in.b = b;
      in.xp = xp;
      in.k = k;
      in.pu = A * ps;
      in.pm = B * ps;
      if (side == CurveSide::Excavation) excavationPu = in.pu;

      points = sandCurve(in).points;
      applyMultipliers(points, pmult, ymult, activeOffset(side, pa));

      writeSideHeading(g, side);
      writeSandHeading(g, xa, b, phi, gammaAvg, A, B, r);
      writeReportPoints(g, points, ReportPointFormat::Fixed);
      writeMultiplierLine(g, pmult, ymult);
    });
    resistance.addToLayerBottom(l, i, x, excavationPu);
  }
}

}  // namespace murena
