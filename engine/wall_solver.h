#pragma once
// Iterative solution of the wall as a beam-column on nonlinear soil springs:
// per iteration the soil curves are replaced by the straight segment that
// holds each station's deflection, and the five-diagonal difference equations
// are solved by a forward recursion and a back substitution.
#include "engine/run_context.h"

namespace murena {

struct SolverOutcome {
  int iteration = 0;        // iteration at which the solution stopped
  bool offCurve = false;    // some deflection lay outside a curve's y-range
  int beyondLimit = 0;      // stations whose deflection exceeded the allowable value
  int notClosed = 0;        // stations not closed within the tolerance
};

// Solves the block, writes the monitor lines to the run notes, and leaves the
// deflections in ctx.deflection.
SolverOutcome solveWall(RunContext& ctx);

// Tangent and intercept of the segment of curve c that holds deflection w
// (the soil force is intercept - tangent * w); sets offCurve when w lies
// outside the curve.
struct CurveSegment { double tangent = 0.0, intercept = 0.0; };
CurveSegment evaluateCurve(const PYCurveStore& store, int c, double w, bool& offCurve);

// Adds the soil springs of every curve of the store, at the current
// deflections, to the iteration's loads QW and stiffnesses SW.
void addSoilSprings(RunContext& ctx, std::array<double, kStorageSize>& QW, std::array<double, kStorageSize>& SW,
                    bool& offCurve);

// Replaces EI at the stations of every moment-EI set by the stiffness at
// which the set's curve meets the line M = curvature x EI.
void updateMomentStiffness(RunContext& ctx);

}  // namespace murena
