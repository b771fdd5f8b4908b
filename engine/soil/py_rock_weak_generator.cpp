// p-y curves of a weak-rock layer: ultimate resistance reduced for rock
// quality, an initial straight line and a quarter-power curve up to the
// ultimate resistance.  No active offset.
#include "engine/report_line.h"
#include "engine/run_errors.h"
#include "engine/soil/py_generator_frame.h"
#include "engine/soil/py_rock_curves.h"

namespace murena {

namespace {

constexpr double kZeroStrength = 1.0e-10;
constexpr double kBelowLayerTop = 1.0e-8;

// A weak-rock layer needs a strength below its first curve depth.
void stopForZeroStrength(PYGeneration& g) {
  consoleLine(g, "");
  consoleLine(g, Line().b(7).text("--------------------WARNING----------------------").str());
  consoleLine(g, Line().b(7).text("THE COHESIVE STRENGTH IS 0 FOR ROCK ACCORING TO THE INPUT").str());
  consoleLine(g, Line().b(7).text("DATA. PLEASE ENTER THE CORRECT VALUE AND RUN IT AGAIN.").str());
  throw StopCode{"", "A WEAK-ROCK LAYER HAS NO COMPRESSIVE STRENGTH BELOW ITS TOP"};
}

void writeWeakRockHeading(PYGeneration& g, double xa, double b, double qu, double Er, double gammaAvg, double krm) {
  TextOutput& out = g.ctx.report;
  const UnitLabels& u = g.ctx.labels;
  out.emptyLines(2);
  out.line(Line().b(14).text("DEPTH").b(5).text("DIAM").b(7).text("Qu").b(7).text(" Eu ").b(3).text("GAMMA AVG").b(6)
               .text("E50").str());
  out.line(Line().b(16).text(u.lengthShort).b(7).text(u.lengthShort).b(4).text(u.shortStressLabel()).b(1)
               .text(u.shortStressLabel()).b(1).text(u.shortUnitWeightLabel()).b(1).str());
  out.line(Line().b(10).F(xa, 10, 2).F(b, 10, 3).E(qu, 10, 2).E(Er, 10, 2).E(gammaAvg, 10, 2).E(krm, 12, 3).str());
  out.line(Line().b(37).text("Y").b(19).text("P").str());
  out.line(Line().b(37).text(u.lengthShort).b(16).text(u.shortLineLoadLabel()).str());
}

}  // namespace

void generateWeakRockCurves(PYGeneration& g, int layer) {
  PYLayer& l = g.layers[layer];
  // Rock adds nothing to the resistance the layers below build on.
  l.cumulativeResistance = 0.0;
  for (int i = 1; i <= kCurveDepthsPerLayer; ++i) {
    const double x = curveDepth(g, layer, i);
    const double b = widthAt(g, x);
    const double qu = strengthAt(g, x);
    // At the first curve depth a zero strength is used as it is.
    if (i > 1 && qu < kZeroStrength) stopForZeroStrength(g);
    const double gammaAvg = averageUnitWeight(g, x);
    const double krm = strainSlotAt(g, x);
    const double rqd = coefficientSlotAt(g, x);
    const double quTop = strengthAt(g, l.xTop + kBelowLayerTop);
    const double pmult = pMultiplierAt(g, g.H + x);
    const double ymult = yMultiplierAt(g, g.H + x);

    writeCurvePair(g, x, SoilDataFormat::TwoBlanks, [&](CurveSide side, double xa, CurveSidePoints& points) {
      WeakRockInput in;
      in.b = b;
      in.quTop = quTop;
      in.qu = qu;
      in.rqd = rqd;
      in.krm = krm;
      in.Er = l.modulus;
      in.xr = xa - l.xTop + kBelowLayerTop;
      points = weakRockCurve(in).points;
      applyMultipliers(points, pmult, ymult, 0.0);

      writeSideHeading(g, side);
      writeWeakRockHeading(g, xa, b, qu, l.modulus, gammaAvg, krm);
      writeReportPoints(g, points, ReportPointFormat::Exponent);
    });
  }
}

}  // namespace murena
