#include "engine/station_results.h"

#include <cmath>

#include "engine/report_line.h"

namespace murena {
namespace {

void writeResultsHeading(RunContext& ctx, const SolverOutcome& outcome) {
  TextOutput& r = ctx.report;
  const UnitLabels& u = ctx.labels;
  r.emptyLines(2);
  r << Line().text("     RESULTS -- ITERATION").I(outcome.iteration, 3).str();
  r.line("     --------------------");
  if (outcome.offCurve) {
    r.line({});
    r.line("     ***** DEFLECTION OFF Q - W CURVES *****");
  }
  if (outcome.beyondLimit > 0) {
    r.line({});
    r << Line().text("     ***** MAX ALLOWABLE DEFLECTION EXCEEDED AT ***").I(outcome.beyondLimit, 4).text("  *** STATIONS *****").str();
  }
  if (outcome.notClosed > 0) {
    r.line({});
    r.line("     ***** SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE *****");
  }
  r.line({});
  r.line(std::string("   STA I      X         DEFL.       SLOPE") + "      MOMENT      SHEAR    NET REACT/STA    EI ");
  r << Line()
           .b(12).text(u.lengthLabel)
           .b(9).text(u.lengthLabel)
           .b(19).text(u.forceShort).text(u.dash).text(u.lengthShort)
           .b(7).text(u.forceLabel)
           .b(8).text(u.forceLabel)
           .b(7).text(u.forceShort).text(u.dash).text(u.lengthShort).text(u.power).text(u.two)
           .str();
  r.line(std::string("   ------    ----        ----       -----") + "      ------      ------    ---------    ----------");
}

}  // namespace

void writeStationResults(RunContext& ctx, const SolverOutcome& outcome) {
  BlockData& blk = ctx.block;
  const int nn = blk.wall.NN;
  const double h = blk.wall.h, h2 = blk.wall.hSquared, twoH = blk.wall.twoH;
  auto& W = ctx.deflection;
  const auto& EI = blk.st.EI;
  StationResults& res = ctx.results;

  writeResultsHeading(ctx, outcome);
  W[2] = 2.0 * W[3] - W[4];
  W[nn + 6] = 2.0 * W[nn + 5] - W[nn + 4];
  double Mprev = 0.0, Mcur = 0.0, Mnext = 0.0;
  res.rowCount = 0;
  for (int k = 3; k <= nn + 5; ++k) {
    int j = k - 4;
    double x = j * h;
    double slope = (W[k + 1] - W[k - 1]) / twoH;
    Mprev = Mcur;
    Mcur = Mnext;
    Mnext = EI[k + 1] * (W[k] - 2.0 * W[k + 1] + W[k + 2]) / h2;
    double V = (Mnext - Mprev) / twoH;
    double Rn = (Mprev - 2.0 * Mcur + Mnext) / h;
    for (int i = 1; i <= blk.coupleCount; ++i) {
      const CoupleRecord& cp = blk.couples[i];
      if (j == cp.station) V -= cp.force;
      if (j - 1 == cp.station) {
        V -= 0.5 * cp.force;
        Rn += cp.force;
      }
      if (j + 1 == cp.station) {
        V -= 0.5 * cp.force;
        Rn -= cp.force;
      }
    }
    if (j >= 0 && j <= nn) {
      ctx.report << Line().b(2).I(j, 4).b(2).E(x, 10, 3).E(W[k], 12, 3).E(slope, 12, 3).E(Mcur, 12, 3).E(V, 12, 3)
                        .E(Rn, 12, 3).E(EI[k], 12, 3).str();
    }
    if (j >= 0) {
      int row = j + 1;
      res.x[row] = x;
      res.deflection[row] = W[k];
      res.moment[row] = Mcur;
      res.shear[row] = V;
      res.reaction[row] = Rn;
      res.rowCount = row;
    }
  }
}

void writeTiebackResults(RunContext& ctx) {
  const BlockData& blk = ctx.block;
  if (blk.tiebackCount <= 0) return;
  TextOutput& r = ctx.report;
  const UnitLabels& u = ctx.labels;
  bool english = blk.control.units == 1;
  r.emptyLines(2);
  r.line("     TIE BACK RESULTS");
  r.line("     ----------------");
  r.line({});
  r.line(std::string("     N     STA         X       ") + " HOR.FORCE/STA.     FORCE/STA.     FORCE/TIE BACK");
  r << Line().b(21).text(u.lengthLabel).b(12).text(u.forceShort).b(15).text(u.forceShort).b(15).text(u.forceShort).str();
  r.line(std::string("   -----  -----    --------    ") + " --------------   --------------   --------------");
  for (int t = 1; t <= blk.tiebackCount; ++t) {
    const TiebackRecord& tb = blk.tiebacks[t];
    int k = tb.station + 4;
    double w = (k >= 1 && k < kStorageSize) ? ctx.deflection[k] : 0.0;
    double fh = tb.load - w * tb.stiffness;
    double fa = fh / std::cos(tb.angleRad);
    double ft = english ? 12.0 * tb.spacing * fa / blk.wall.activeWidth : tb.spacing * fa / blk.wall.activeWidth;
    double depth = english ? tb.depth * 12.0 : tb.depth;
    r << Line().b(1).I(t, 5).b(2).I(tb.station, 5).b(2).E(depth, 12, 3).b(2).E(fh, 15, 4).b(2).E(fa, 15, 4).b(2)
                .E(ft, 15, 4).str();
  }
}

}  // namespace murena
