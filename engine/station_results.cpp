#include "engine/station_results.h"

#include <cmath>

#include "engine/report_line.h"

namespace murena {
namespace {

struct TiebackForces {
  double horizontal = 0.0;    // per station
  double alongTieback = 0.0;  // per station
  double perTieback = 0.0;
};

TiebackForces tiebackForces(const RunContext& ctx, int t) {
  const BlockData& blk = ctx.block;
  const TiebackRecord& tb = blk.tiebacks[t];
  const int k = tb.station + 4;
  const double w = (k >= 1 && k < kStorageSize) ? ctx.deflection[k] : 0.0;
  TiebackForces f;
  f.horizontal = tb.load - w * tb.stiffness;
  f.alongTieback = f.horizontal / std::cos(tb.angleRad);
  const double spacing = blk.control.units == 1 ? 12.0 * tb.spacing : tb.spacing;
  f.perTieback = spacing * f.alongTieback / blk.wall.activeWidth;
  return f;
}

// `finite` false: some result is not a finite number (an absurd wall or
// load); such results are never reported as a closed solution.
void writeResultsHeading(RunContext& ctx, const SolverOutcome& outcome, bool finite) {
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
  if (outcome.notClosed > 0 || !finite) {
    r.line({});
    r.line("     ***** SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE *****");
  }
  if (!finite) {
    r.line({});
    r.line("     ***** RESULTS ARE NOT FINITE NUMBERS (SHOWN AS *): CHECK THE WALL DATA AND LOADS *****");
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

  // The rows are computed first: whether every printed value is finite
  // decides the heading.
  std::array<double, kResultRows + 1> slopes{};
  bool finite = true;
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
    if (j >= 0) {
      int row = j + 1;
      res.x[row] = x;
      res.deflection[row] = W[k];
      res.moment[row] = Mcur;
      res.shear[row] = V;
      res.reaction[row] = Rn;
      slopes[row] = slope;
      res.rowCount = row;
      finite = finite && std::isfinite(x) && std::isfinite(W[k]) && std::isfinite(slope) && std::isfinite(Mcur) &&
               std::isfinite(V) && std::isfinite(Rn) && (j > nn || std::isfinite(EI[k]));
    }
  }
  for (int t = 1; t <= blk.tiebackCount; ++t) {
    const TiebackForces f = tiebackForces(ctx, t);
    finite = finite && std::isfinite(f.horizontal) && std::isfinite(f.alongTieback) && std::isfinite(f.perTieback);
  }

  writeResultsHeading(ctx, outcome, finite);
  for (int j = 0; j <= nn; ++j) {
    const int row = j + 1;
    ctx.report << Line().b(2).I(j, 4).b(2).E(res.x[row], 10, 3).E(res.deflection[row], 12, 3).E(slopes[row], 12, 3)
                      .E(res.moment[row], 12, 3).E(res.shear[row], 12, 3).E(res.reaction[row], 12, 3)
                      .E(EI[j + 4], 12, 3).str();
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
    const TiebackForces f = tiebackForces(ctx, t);
    double depth = english ? tb.depth * 12.0 : tb.depth;
    r << Line().b(1).I(t, 5).b(2).I(tb.station, 5).b(2).E(depth, 12, 3).b(2).E(f.horizontal, 15, 4).b(2)
                .E(f.alongTieback, 15, 4).b(2).E(f.perTieback, 15, 4).str();
  }
}

}  // namespace murena
