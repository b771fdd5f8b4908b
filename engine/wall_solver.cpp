#include "engine/wall_solver.h"

#include <cmath>
#include <memory>

#include "engine/distribution.h"
#include "engine/report_head.h"
#include "engine/report_line.h"

namespace murena {
namespace {

constexpr int kIterationLimit = 100;

using StationVector = std::array<double, kStorageSize>;

struct Working {
  StationVector QW{}, SW{}, A{}, B{}, C{}, WPREV{};
};

}  // namespace

void addSoilSprings(RunContext& ctx, StationVector& QW, StationVector& SW, bool& offCurve) {
  PYCurveStore& store = ctx.block.curves;
  const StationVector& W = ctx.deflection;
  int tip = ctx.block.wall.NN + 4;
  int previousFlag = 0;
  int L = 0;
  for (int c = 1; c <= store.count; ++c) {
    if (previousFlag == 0) {
      L = c;
      if (store.flag[c] == 1) {  // c opens a chain
        previousFlag = 1;
        continue;
      }
    }
    int a = store.startIndex[L];
    int b = store.endIndex[c];
    int D = b - a;
    if (D < 0) stopStationsNotInOrder(ctx);
    bool apply = true;
    if (D == 0) {
      if (c != L) continue;  // a chain whose two stations coincide
      apply = a <= tip;
    } else {
      if (a >= tip) apply = false;
      if (b > tip) b = tip;
    }
    if (apply && a >= 1) {
      double span = D > 0 ? static_cast<double>(D) : 1.0;
      auto contribution = [&](int k, double& load, double& stiffness) {
        CurveSegment s1 = evaluateCurve(store, L, W[k], offCurve);
        CurveSegment s2 = evaluateCurve(store, c, W[k], offCurve);
        double f = (k - a) / span;
        load = s1.intercept + (s2.intercept - s1.intercept) * f;
        stiffness = s1.tangent + (s2.tangent - s1.tangent) * f;
      };
      // A range contributes half its amount at its two end stations.
      for (int k = a; k <= b; ++k) {
        double load, stiffness;
        contribution(k, load, stiffness);
        QW[k] += load;
        SW[k] += stiffness;
        if (D > 0 && (k == a || k == b)) {
          QW[k] += -0.5 * load;
          SW[k] += -0.5 * stiffness;
        }
      }
    }
    if (store.flag[c] == 1) {
      store.startIndex[c] = store.endIndex[c];
      L = c;
    }
    previousFlag = store.flag[c];
  }
}

namespace {

double restraintDeflection(const BlockData& blk, int m) {
  return (m >= 1 && m <= blk.restraintRecords) ? blk.restraints[m].deflection : 0.0;
}
double restraintSlope(const BlockData& blk, int m) {
  return (m >= 1 && m <= blk.restraintRecords) ? blk.restraints[m].slope : 0.0;
}

void forwardRecursion(RunContext& ctx, Working& wk) {
  const BlockData& blk = ctx.block;
  const StationArrays& st = blk.st;
  const double h = blk.wall.h, h2 = blk.wall.hSquared, h3 = blk.wall.hCubed, twoH = blk.wall.twoH;
  const auto& EI = st.EI;
  const auto& P = st.P;
  const auto& R = st.R;
  const auto& T = st.T;
  StationVector &A = wk.A, &B = wk.B, &C = wk.C;
  A[1] = A[2] = B[1] = B[2] = C[1] = C[2] = 0.0;
  int m = 1;
  double G3 = 0.0, A3 = 0.0, B3 = 0.0, C3 = 0.0;
  for (int k = 3; k <= blk.wall.NN + 5; ++k) {
    double a = EI[k - 1] - 0.25 * h * (h * P[k - 1] + R[k - 1]);
    double b = -2.0 * (EI[k - 1] + EI[k]);
    double c = EI[k - 1] + 4.0 * EI[k] + EI[k + 1] + h3 * wk.SW[k] +
               0.25 * h * (h * P[k - 1] + R[k - 1] + h * P[k + 1] + R[k + 1]);
    double d = -2.0 * (EI[k] + EI[k + 1]);
    double e = EI[k + 1] - 0.25 * h * (h * P[k + 1] + R[k + 1]);
    double f = h3 * wk.QW[k] - 0.5 * h2 * (T[k - 1] - T[k + 1]);
    double C1 = a * B[k - 2] + b;
    double DEN = a * A[k - 2] + C1 * B[k - 1] + c;
    double G = DEN == 0.0 ? 0.0 : -1.0 / DEN;
    A[k] = G * e;
    B[k] = G * (C1 * A[k - 1] + d);
    C[k] = G * (a * C[k - 2] + C1 * C[k - 1] - f);
    switch (st.code[k]) {
      case 2:
        A[k] = 0.0;
        B[k] = 0.0;
        C[k] = restraintDeflection(blk, m);
        ++m;
        break;
      case 4:
        A[k] = 0.0;
        B[k] = 0.0;
        C[k] = restraintDeflection(blk, m);
        break;
      case 3:
        G3 = G;
        A3 = A[k];
        B3 = B[k];
        C3 = C[k];
        A[k] = 1.0;
        B[k] = 0.0;
        C[k] = -twoH * restraintSlope(blk, m);
        break;
      case 5: {
        // Each term is multiplied by G and then divided by G3, in that order
        // (a zero G3, from a zero pivot above the slope, drops the terms).
        auto scaled = [&](double x) { return G3 != 0.0 ? x * G / G3 : 0.0; };
        double H5 = 1.0 / (1.0 - scaled(B3 * B[k - 1] + A3 - 1.0));
        A[k] = H5 * A[k];
        B[k] = H5 * (scaled(B3 * A[k - 1]) + B[k]);
        C[k] = H5 * (scaled(B3 * C[k - 1] + twoH * restraintSlope(blk, m) + C3) + C[k]);
        ++m;
        break;
      }
      default:
        break;
    }
  }
}

struct IterationCounts {
  int beyondLimit = 0;
  int notClosed = 0;
};

IterationCounts backSubstitution(RunContext& ctx, const Working& wk) {
  const WallData& w = ctx.block.wall;
  StationVector& W = ctx.deflection;
  const int nn = w.NN;
  IterationCounts counts;
  W[nn + 6] = W[nn + 7] = 0.0;
  W[nn + 5] = wk.A[nn + 5] * W[nn + 7] + wk.B[nn + 5] * W[nn + 6] + wk.C[nn + 5];
  for (int k = nn + 4; k >= 4; --k) {
    double old = W[k];
    W[k] = wk.A[k] * W[k + 2] + wk.B[k] * W[k + 1] + wk.C[k];
    // A deflection that is not a number (an overflowed solution) counts as
    // beyond the limit, so that it is never taken for a closed solution.
    if (!(std::fabs(W[k]) <= w.maxDeflection)) ++counts.beyondLimit;
    if (std::fabs(W[k] - old) > w.tolerance) ++counts.notClosed;
  }
  W[3] = wk.A[3] * W[5] + wk.B[3] * W[4] + wk.C[3];
  return counts;
}

void writeMonitorLine(RunContext& ctx, int iteration, bool offCurve, int notClosed) {
  Line line;
  line.b(3).I(iteration, 4);
  if (offCurve)
    line.b(7).text("YES").b(6);
  else
    line.b(7).text("NO").b(7);
  line.I(notClosed, 4).b(2);
  for (int k = 5; k <= 9; ++k) line.E(ctx.deflection[k], 10, 3);
  ctx.notes << line.str();
}

}  // namespace

CurveSegment evaluateCurve(const PYCurveStore& store, int c, double w, bool& offCurve) {
  int n = store.pointCount[c];
  const auto& y = store.y[c];
  const auto& p = store.p[c];
  if (n < 2) {  // not a curve: no resistance
    offCurve = true;
    return {};
  }
  int i;  // the segment is (i, i+1)
  if (n < 3) {
    i = n - 1;
    offCurve = true;
  } else {
    int found = 0;
    for (int j = 2; j <= n; ++j) {
      if (w - y[j] <= 0.0) {
        found = j;
        break;
      }
    }
    if (found == 0) {
      i = n - 1;
      offCurve = true;
    } else {
      i = found - 1;
      if (w < y[1]) offCurve = true;
    }
  }
  double dy = y[i + 1] - y[i];
  if (dy == 0.0) return {};
  CurveSegment s;
  s.tangent = -(p[i + 1] - p[i]) / dy;
  s.intercept = s.tangent * y[i] + p[i];
  return s;
}

void updateMomentStiffness(RunContext& ctx) {
  BlockData& blk = ctx.block;
  const StationVector& W = ctx.deflection;
  double h2 = blk.wall.hSquared;
  for (int s = 1; s <= blk.momentEISetCount; ++s) {
    const MomentEISet& set = blk.momentEISets[s];
    int n = set.count;
    if (n < 1) continue;
    for (int j = set.from; j <= set.to; ++j) {
      int k = j + 4;
      if (n == 1) {  // a single point: constant stiffness
        blk.st.EI[k] = set.E[0];
        continue;
      }
      double phi = std::fabs(W[k - 1] - 2.0 * W[k] + W[k + 1]) / h2;
      // M and E are held 0-based: point i is M[i - 1].
      int i = n;
      for (int t = 2; t <= n - 1; ++t) {
        if (set.M[t - 1] > phi * set.E[t - 1]) {
          i = t;
          break;
        }
      }
      double M0 = set.M[i - 2], M1 = set.M[i - 1], E0 = set.E[i - 2], E1 = set.E[i - 1];
      double den = (E1 - E0) * phi - M1 + M0;
      double t = den != 0.0 ? (M0 - phi * E0) / den : 0.0;
      blk.st.EI[k] = E0 + (E1 - E0) * t;
    }
  }
}

SolverOutcome solveWall(RunContext& ctx) {
  BlockData& blk = ctx.block;
  const int nn = blk.wall.NN;
  StationVector& W = ctx.deflection;
  auto working = std::make_unique<Working>();
  Working& wk = *working;

  if (blk.momentEISetCount > 0) updateMomentStiffness(ctx);
  for (int k = 1; k <= nn + 7; ++k) W[k] = 0.0;
  wk.WPREV = W;
  writeBlockHeading(ctx);
  ctx.notes.emptyLines(3);
  ctx.notes.line("     ITERATION MONITOR DATA");
  ctx.notes.line("     ----------------------");

  SolverOutcome out;
  for (int iter = 1; iter <= kIterationLimit; ++iter) {
    for (int k = 3; k <= nn + 5; ++k) {
      wk.QW[k] = blk.st.Q[k];
      wk.SW[k] = blk.st.S[k];
    }
    bool offCurve = false;
    if (blk.curves.count > 0) addSoilSprings(ctx, wk.QW, wk.SW, offCurve);
    forwardRecursion(ctx, wk);
    IterationCounts counts = backSubstitution(ctx, wk);
    writeMonitorLine(ctx, iter, offCurve, counts.notClosed);
    out = {iter, offCurve, counts.beyondLimit, counts.notClosed};
    if (counts.beyondLimit > 0) break;
    if (counts.notClosed == 0) {
      if (blk.momentEISetCount == 0) break;
      int moved = 0;
      for (int k = 4; k <= nn + 4; ++k) {
        if (std::fabs(W[k] - wk.WPREV[k]) > blk.wall.tolerance) {
          wk.WPREV[k] = W[k];
          ++moved;
        }
      }
      if (moved == 0) break;
      updateMomentStiffness(ctx);
    }
  }
  return out;
}

}  // namespace murena
