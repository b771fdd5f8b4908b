// p-y curves of a strong-rock layer: bilinear up to the strength of the rock,
// then a residual value.  No active offset; the p-multiplier acts on the
// bilinear part only.
#include "engine/report_line.h"
#include "engine/soil/py_generator_frame.h"
#include "engine/soil/py_rock_curves.h"

namespace murena {

namespace {

void writeStrongRockHeading(PYGeneration& g, CurveSide side, double xa, double b, double su) {
  TextOutput& out = g.ctx.report;
  const UnitLabels& u = g.ctx.labels;
  out.emptyLines(2);
  out.line(Line().b(17).text(side == CurveSide::Excavation ? "DEPTH-EXCAVATION SIDE" : "DEPTH-BACKFILL SIDE  ")
               .b(5).text("DIAM").b(8).text("C").b(7).str());
  out.line(Line().b(30).text(u.lengthShort).b(12).text(u.lengthShort).b(5).text(u.shortStressLabel()).b(1).str());
  out.line(Line().b(24).F(xa, 10, 2).b(5).F(b, 10, 3).E(su, 10, 1).str());
  out.line(Line().b(38).text("Y").b(19).text("P").str());
  out.line(Line().b(38).text(u.lengthShort).b(15).text(u.shortLineLoadLabel()).str());
}

}  // namespace

void generateStrongRockCurves(PYGeneration& g, int layer) {
  // Rock adds nothing to the resistance the layers below build on.
  g.layers[layer].cumulativeResistance = 0.0;
  for (int i = 1; i <= kCurveDepthsPerLayer; ++i) {
    const double x = curveDepth(g, layer, i);
    const double b = widthAt(g, x);
    const double qu = strengthAt(g, x);
    const double gammaAvg = averageUnitWeight(g, x);
    const double pmult = pMultiplierAt(g, g.H + x);
    const double ymult = yMultiplierAt(g, g.H + x);

    writeCurvePair(g, x, SoilDataFormat::StrongRock, [&](CurveSide side, double xa, CurveSidePoints& points) {
      const StrongRockCurve curve = strongRockCurve(qu, b, gammaAvg, xa, pmult);
      points = curve.points;
      applyMultipliers(points, 1.0, ymult, 0.0);  // p carries its multiplier already

      writeStrongRockHeading(g, side, xa, b, curve.su);
      writeReportPoints(g, points, ReportPointFormat::DoubleExponent);
    });
  }
}

}  // namespace murena
